// Reference designators as parts lists write them: "R1-R4", "R1, R2", "C7A", "RN3", "R 9",
// "C1A/C1B", "C3 - C5".
#pragma once

#include "core/value/units.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::lists {

// Designators of one prefix and suffix, numbered from `first` to `last`: "R1-R4" is R, 1, 4;
// "C7A" is C, 7, 7, A. A list keeps its ranges as written, however many parts they name.
struct DesignatorRange {
    std::string letters; // in capitals
    int first = 0;
    int last = 0;
    std::string suffix;
    std::size_t count() const { return static_cast<std::size_t>(last - first) + 1; }
    std::string designator(int number) const; // "R3"
    std::string text() const;                 // "R1-R4", "C7A"
    bool operator==(const DesignatorRange&) const = default;
};

// The designators a field names. `problem` says why a part of the field could not be read
// ("R1-C4", "R4-R1", a range of kLongestRange or more), and that part is left out. A field of
// words without numbers names no designator and has no problem: «Jack», «push button».
struct Designators {
    std::vector<DesignatorRange> ranges;
    std::string problem;
    std::size_t count() const;
    bool empty() const { return ranges.empty(); }
    std::vector<std::string> each() const; // every designator written out: R1, R2, R3, R4
};
inline constexpr int kLongestRange = 1000;
Designators readDesignators(std::string_view field);

// Whether a word is one designator: letters, a number that does not start with 0 unless it is
// 0, and optionally letters after it ("C7A", "R0"). A plain list's line starts with such words.
bool designatorWord(std::string_view word);

// What a designator's letters make the part: R, RN and RV a resistor, C and CN a capacitor, L an
// inductor, and other letters that start with R, C or L («RFB», «CC») where the value says so.
// Nothing for any other part (FB, a ferrite bead, is rated in ohms at a frequency; LED, CR).
std::optional<value::Quantity> quantityOfDesignator(std::string_view designator);

// Whether the letters name that part whatever its value: R, RN, C and L. Not CN, which is a
// connector as often as a capacitor network, nor RV, a varistor as often as a trimmer, nor the
// other letters that start with R, C or L. Such a line is checked only where its value reads as
// that part's.
bool surelyPassive(std::string_view designator);

// "резистор", "конденсатор", "катушка индуктивности".
std::string_view partName(value::Quantity quantity);

// The designators of a list seen so far, each with the first line that listed it: a designator
// listed again is found on each later line, in one finding. Memory grows with the ranges
// listed, never with the parts they name.
class DesignatorsSeen {
public:
    // The text of the finding for a line that lists designators listed before, or nothing:
    // "R3 уже в строке 2", "уже в других строках: R3 (строка 2), R5-R7 (строка 3) и ещё 4".
    std::optional<std::string> add(const Designators& designators, std::size_t line);

private:
    struct Span {
        int last;
        std::size_t line;
    };
    // By prefix and suffix ("R" and ""), the spans seen, each under its first number.
    std::map<std::pair<std::string, std::string>, std::map<int, Span>> byKind_;
};

} // namespace vantrel::lists
