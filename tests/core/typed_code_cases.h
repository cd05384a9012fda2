// Test helpers for the readers of typed text: what each text of a table gives, the lines a
// table of codes gives, and the check message that every text of a list gets instead.
#pragma once

#include "core/codes/press_result.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>

namespace vantrel::test {

using Reader = codes::PressResult (*)(std::string_view typed);

struct TypedCase {
    std::string_view typed;
    std::string_view line;
};

// Each typed text, through `describe`, gives the text the case expects.
template <typename Describe>
void expectEach(Describe describe, std::initializer_list<TypedCase> cases) {
    for (const TypedCase& c : cases)
        EXPECT_EQ(describe(c.typed), c.line) << c.typed;
}

// Each code's line, without a message, and a readout that starts with the line without its
// "R=" or "C=" and, where given, has that many lines.
inline void expectLines(Reader read, std::initializer_list<TypedCase> cases,
                        std::optional<std::ptrdiff_t> readoutLines = {}) {
    for (const TypedCase& c : cases) {
        const codes::PressResult result = read(c.typed);
        EXPECT_TRUE(result.messages.empty()) << c.typed;
        EXPECT_EQ(result.line, c.line) << c.typed;
        EXPECT_EQ(result.readout.substr(0, result.readout.find('\n')), c.line.substr(2)) << c.typed;
        if (readoutLines) {
            EXPECT_EQ(std::count(result.readout.begin(), result.readout.end(), '\n') + 1,
                      *readoutLines)
                << c.typed;
        }
    }
}

// Each text gets "Проверь код!" and neither a line nor a readout.
inline void expectChecked(Reader read, std::span<const std::string_view> rejects) {
    for (std::string_view typed : rejects) {
        const codes::PressResult result = read(typed);
        EXPECT_EQ(result.messages, std::vector<std::string_view>{"Проверь код!"}) << typed;
        EXPECT_EQ(result.line, "") << typed;
        EXPECT_EQ(result.readout, "") << typed;
    }
}

} // namespace vantrel::test
