// What one press of a code window's "Считать!!!" shows: its check messages, then its line.
#pragma once

#include "core/value/readout.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::codes {

struct PressResult {
    std::vector<std::string_view> messages; // in the order they are shown
    std::string line;                       // empty whenever a message is shown
    std::string readout;                    // the value behind the line, where it has one
};

// A press that shows a check message writes no line: nothing is kept from one press to the
// next, so a line without the refused field would state a value the user did not enter.
inline PressResult refused(std::vector<std::string_view> messages) {
    return {std::move(messages), {}, {}};
}

// The line, and the readout of the value behind it where it has one.
inline PressResult written(std::string line, const std::optional<value::Reading>& reading = {}) {
    return {{}, std::move(line), reading ? value::readout(*reading) : ""};
}

} // namespace vantrel::codes
