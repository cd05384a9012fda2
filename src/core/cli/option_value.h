// An option's value on the command line, as every question takes it.
#pragma once

#include <optional>
#include <string_view>

namespace vantrel::cli {

// The value of an option "--name=value", or of "--name" in the next argument, which is then
// taken; nothing when the argument is neither or the value is missing.
inline std::optional<std::string_view> optionValue(std::string_view option,
                                                   std::string_view argument, int& i, int argc,
                                                   const char* const* argv, bool& matched) {
    matched = argument == option ||
              (argument.starts_with(option) && argument.substr(option.size()).starts_with('='));
    if (!matched)
        return std::nullopt;
    if (argument.size() > option.size())
        return argument.substr(option.size() + 1);
    if (i + 1 == argc)
        return std::nullopt;
    return std::string_view(argv[++i]);
}

} // namespace vantrel::cli
