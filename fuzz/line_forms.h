// The forms a code window's line can take, for fuzzing and the random-text test: a press
// writes one of these or nothing.
#pragma once

#include <algorithm>
#include <set>
#include <string>
#include <string_view>

namespace vantrel::forms {

inline const std::set<std::string, std::less<>>& letterCodeTails() {
    static const std::set<std::string, std::less<>> tails = [] {
        std::set<std::string, std::less<>> all;
        for (const char* prefix : {"", "k", "M", "Г", "Т"})
            for (const char* factor : {"", " *0.1", " *0.01", " *0.001"})
                for (const char* tolerance :
                     {"0.002%", "0,001%", "0.005%", "0.01%", "0.02%", "0.05%", "0.1%", "0.25%",
                      "0,5%", "1%", "2%", "5%", "10%", "20%", "30%"})
                    all.insert(std::string(prefix) + "Om" + factor + " ТКС=+/- " + tolerance);
        return all;
    }();
    return tails;
}

// "R=" or nothing, the digits as typed, a space, then unit, factor and tolerance.
inline bool isLetterCodeLine(std::string_view line, std::string_view digits) {
    for (std::string_view lead : {"R=", ""}) {
        if (line.size() >= lead.size() + digits.size() + 1 && line.starts_with(lead) &&
            line.substr(lead.size(), digits.size()) == digits &&
            line[lead.size() + digits.size()] == ' ' &&
            letterCodeTails().contains(line.substr(lead.size() + digits.size() + 1)))
            return true;
    }
    return false;
}

inline bool isCapacitorUnit(std::string_view unit) {
    constexpr std::string_view kUnits[] = {"*0,1 пФ", "пФ", "0 пФ", "*0,1 нФ", "нФ", "0 нФ"};
    return std::find(std::begin(kUnits), std::end(kUnits), unit) != std::end(kUnits);
}

// "C=", an E6 pair as typed, a unit.
inline bool isThreeDigitLine(std::string_view line, std::string_view digits) {
    constexpr std::string_view kPairs[] = {"10", "15", "22", "33", "47", "68"};
    return line.starts_with("C=") && line.substr(2, digits.size()) == digits &&
           std::find(std::begin(kPairs), std::end(kPairs), digits) != std::end(kPairs) &&
           isCapacitorUnit(line.substr(2 + digits.size()));
}

// The digits as typed, then a unit.
inline bool isFourDigitLine(std::string_view line, std::string_view digits) {
    return line.starts_with(digits) && isCapacitorUnit(line.substr(digits.size()));
}

// A code window's readout: nothing without a line; with a line, a value in one or two lines
// exactly when the digits are a number. Digit runs longer than maxDigits are not judged.
inline bool isCodeReadout(std::string_view line, std::string_view readout, std::string_view digits,
                          std::size_t maxDigits) {
    if (line.empty())
        return readout.empty();
    const bool number = !digits.empty() && std::all_of(digits.begin(), digits.end(),
                                                       [](char c) { return c >= '0' && c <= '9'; });
    if (number && digits.size() > maxDigits)
        return true;
    return readout.empty() != number && std::count(readout.begin(), readout.end(), '\n') <= 1;
}

} // namespace vantrel::forms
