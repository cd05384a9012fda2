// What one press of a code window's "Считать!!!" shows: its check messages, then its line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantrel::codes {

struct PressResult {
    std::vector<std::string_view> messages; // in the order they are shown
    std::string line;                       // empty whenever a message was shown
};

// A press that had to show a check message writes no line: a line built from what an
// earlier press left would state a value the user did not enter.
inline PressResult finish(std::vector<std::string_view> messages, std::string line) {
    if (!messages.empty())
        line.clear();
    return {std::move(messages), std::move(line)};
}

} // namespace vantrel::codes
