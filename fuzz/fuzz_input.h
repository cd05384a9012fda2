// Splits a fuzzer's bytes into the texts of several fields.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vantrel::fuzz {

// Fields are separated by the byte 0xFE, which never occurs in UTF-8; missing fields are empty.
inline std::vector<std::string_view> fields(const std::uint8_t* data, std::size_t size,
                                            std::size_t count) {
    std::vector<std::string_view> result;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (result.size() + 1 < count) {
        const std::size_t end = rest.find('\xFE');
        if (end == std::string_view::npos)
            break;
        result.push_back(rest.substr(0, end));
        rest.remove_prefix(end + 1);
    }
    result.push_back(rest);
    result.resize(count);
    return result;
}

} // namespace vantrel::fuzz
