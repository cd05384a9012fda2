#include "core/parts_list/line_value.h"

#include "core/codes/typed_code.h"
#include "core/marking/echo.h"
#include "core/marking/line_facts.h"
#include "core/marking/line_words.h"
#include "core/marking/value_text.h"
#include "core/networks/typed_values.h"
#include "core/part_numbers/part_numbers.h"
#include "core/parts_list/designators.h"
#include "core/value/series.h"

#include <algorithm>
#include <cctype>
#include <span>

namespace vantrel::lists {
namespace {

using marking::MarkingReading;
using marking::quoted;
using value::Decimal;
using value::Quantity;

// A prefix's letter as a designer writes it in a value without its unit, and its power of ten.
struct Letter {
    std::string_view typed;
    int prefix;
};
// clang-format off
constexpr Letter kOhmLetters[] = {
    {"R", 0}, {"r", 0}, {"Е", 0}, {"k", value::kKilo}, {"K", value::kKilo}, {"к", value::kKilo},
    {"К", value::kKilo}, {"M", value::kMega}, {"М", value::kMega}, {"G", value::kGiga},
    {"Г", value::kGiga}, {"T", value::kTera}, {"Т", value::kTera}, {"m", value::kMilli},
    {"м", value::kMilli}, {"Meg", value::kMega}, {"MEG", value::kMega}, {"meg", value::kMega}};
constexpr Letter kFaradLetters[] = {
    {"p", value::kPico}, {"P", value::kPico}, {"п", value::kPico}, {"n", value::kNano},
    {"N", value::kNano}, {"н", value::kNano}, {"u", value::kMicro}, {"U", value::kMicro},
    {"µ", value::kMicro}, {"μ", value::kMicro}, {"мк", value::kMicro}, {"m", value::kMilli},
    {"м", value::kMilli}};
constexpr Letter kHenryLetters[] = {
    {"n", value::kNano}, {"N", value::kNano}, {"н", value::kNano}, {"u", value::kMicro},
    {"U", value::kMicro}, {"µ", value::kMicro}, {"μ", value::kMicro}, {"мк", value::kMicro},
    {"m", value::kMilli}, {"м", value::kMilli}};
// clang-format on

std::span<const Letter> lettersOf(Quantity quantity) {
    switch (quantity) {
    case Quantity::Resistance:
        break;
    case Quantity::Capacitance:
        return kFaradLetters;
    case Quantity::Inductance:
        return kHenryLetters;
    }
    return kOhmLetters;
}

// The forms a parts list writes a value in; the codes printed on small bodies (EIA-96, EIA-198,
// a tantalum's code, bands) are no value a designer writes.
bool listForm(marking::Form form) {
    using marking::Form;
    return form != Form::Eia96 && form != Form::Eia96OtherMakers && form != Form::Bands &&
           form != Form::ZeroOhmBand && form != Form::Tantalum && form != Form::Eia198;
}

// What one of the word's unit is, where the word is a unit: «кОм», «nF», «Ω», «k».
std::optional<value::Reading> asUnit(std::string_view word) {
    std::string one("1"); // not "1" + a temporary, which GCC 12 warns of at -O3
    one.append(word);
    return marking::readValueWithUnit(one);
}

// Whether the word is a unit of that quantity, or one with its name written out: «кОм» after
// «10», «nF», «Ω». A letter alone is a unit only of the line's quantity («10 K» on a resistor's
// line, and on a capacitor's its tolerance).
bool unitWord(std::string_view word, Quantity quantity) {
    const auto reading = asUnit(word);
    return reading && (reading->quantity == quantity || word.size() > 1);
}

bool inE24(Decimal value) {
    const auto series = value::firstSeriesHolding(value);
    return series && *series <= value::Series::E24;
}

} // namespace

std::optional<Decimal> bareValue(std::string_view word, Quantity quantity) {
    const std::size_t letter = word.find_first_not_of("0123456789.,");
    std::optional<Decimal> number;
    int prefix = 0;
    if (letter == std::string_view::npos) {
        // A number alone: ohms; picofarads where whole and microfarads with a point («0.1»);
        // microhenries.
        number = value::readNumber(word);
        const bool point = word.find_first_of(".,") != std::string_view::npos;
        if (quantity == Quantity::Capacitance)
            prefix = point ? value::kMicro : value::kPico;
        else if (quantity == Quantity::Inductance)
            prefix = value::kMicro;
    } else {
        const Letter* found = nullptr;
        for (const Letter& each : lettersOf(quantity))
            if (word.substr(letter).starts_with(each.typed) &&
                (!found || each.typed.size() > found->typed.size()))
                found = &each;
        if (!found)
            return std::nullopt;
        prefix = found->prefix;
        const std::string_view before = word.substr(0, letter);
        // A letter before the digits only as lists write it: «R010», «n47».
        if (letter == 0 &&
            std::string_view("RrЕpnuµμ").find(found->typed) == std::string_view::npos)
            return std::nullopt;
        if (before.find_first_of(".,") != std::string_view::npos || found->typed.size() > 2)
            number = letter + found->typed.size() == word.size() ? value::readNumber(before)
                                                                 : std::nullopt; // «4.7k»
        else
            number = value::aroundPoint(word, letter, found->typed.size(), 0); // «4k7», «R47»
    }
    if (!number || (number->significand == 0 && quantity != Quantity::Resistance))
        return std::nullopt;
    return Decimal{number->significand, number->exponent + value::inSmallestUnit(quantity, prefix)};
}

namespace {

ValueAnswer readAs(std::string_view text, std::optional<Quantity> quantity) {
    text = codes::trimmed(text);
    if (text.empty())
        return {{}, Finding{FindingKind::Unreadable, "номинала нет"}, false};
    std::string line(text);
    if (quantity) {
        const std::vector<marking::Word> words = marking::wordsOf(text);
        const auto word = [&](std::size_t at) {
            return text.substr(words[at].begin, words[at].end - words[at].begin);
        };
        // The value's word: the first after the words that name the part («RES 470 1%»).
        std::size_t at = 0;
        while (at + 1 < words.size() && marking::factOf(word(at)) &&
               marking::factOf(word(at))->kind == marking::Kind::Name)
            ++at;
        const std::string_view first = words.empty() ? text : word(at);
        const bool unitAfter = at + 1 < words.size() && unitWord(word(at + 1), *quantity);
        std::optional<Decimal> bare = unitAfter ? std::nullopt : bareValue(first, *quantity);
        if (bare && value::allDigits(first) && *quantity != Quantity::Resistance) {
            // A whole number where a code says otherwise: on a capacitor's line, the code where
            // the number as written is no value a capacitor is made in and the code's is.
            for (const MarkingReading& code : marking::readSingleMarking(first)) {
                if (code.form != marking::Form::Code || code.reading.quantity != *quantity ||
                    code.reading.value == *bare)
                    continue;
                if (*quantity == Quantity::Capacitance && first.size() == 3 &&
                    !first.ends_with('0') && !inE24(*bare) && inE24(code.reading.value)) {
                    bare = code.reading.value;
                    break;
                }
                const std::string plain = value::quantityText(*quantity, *bare);
                return {{},
                        Finding{FindingKind::Unreadable,
                                "номинал " + quoted(first) + ": кодом это " +
                                    value::quantityText(code.reading.quantity, code.reading.value) +
                                    ", а как написано — " + plain + "; нужна единица: " + plain}};
            }
        }
        // A value of one word that reads so itself keeps its form («4k7», a letter code;
        // «100n», a code). With more words it is read as a value, lest the words be read
        // together as one code («1K 1206»).
        if (bare && words.size() == 1 &&
            std::ranges::any_of(marking::readSingleMarking(first), [&](const auto& r) {
                return listForm(r.form) && r.reading.quantity == *quantity &&
                       r.reading.value == *bare;
            }))
            bare.reset();
        if (bare && !words.empty())
            line = std::string(text.substr(0, words[at].begin)) +
                   value::quantityText(*quantity, *bare) + std::string(text.substr(words[at].end));
        else if (bare)
            line = value::quantityText(*quantity, *bare);
    }
    marking::MarkingAnswer answer = marking::readMarking(line);
    std::erase_if(answer.readings, [&](const MarkingReading& r) {
        return !r.valued || (quantity && !listForm(r.form));
    });
    if (answer.readings.empty())
        return {{},
                Finding{FindingKind::Unreadable,
                        "номинал " + quoted(text) + " не читается" +
                            (answer.reason.empty() ? "" : ": " + answer.reason)},
                false};
    std::vector<MarkingReading> kept = answer.readings;
    if (quantity)
        std::erase_if(kept,
                      [&](const MarkingReading& r) { return r.reading.quantity != *quantity; });
    if (kept.empty()) {
        const value::Reading& other = answer.readings.front().reading;
        return {answer.readings,
                Finding{FindingKind::UnitVsDesignator,
                        "номинал " + quoted(text) + ": " +
                            value::quantityText(other.quantity, other.value) + " — это " +
                            std::string(networks::measureOf(other.quantity)) + ", а деталь — " +
                            std::string(partName(*quantity))}};
    }
    // Two readings of different values: no way to tell which is meant.
    std::string ways;
    for (const MarkingReading& r : kept)
        if (r.reading.quantity != kept.front().reading.quantity ||
            r.reading.value != kept.front().reading.value)
            ways.append(", ")
                .append(marking::componentName(r.reading.quantity))
                .append(" ")
                .append(value::quantityText(r.reading.quantity, r.reading.value));
    if (!ways.empty())
        return {
            {},
            Finding{
                FindingKind::Unreadable,
                "номинал " + quoted(text) + " читается по-разному: " +
                    std::string(marking::componentName(kept.front().reading.quantity)) + " " +
                    value::quantityText(kept.front().reading.quantity, kept.front().reading.value) +
                    ways + "; нужна единица или позиционное обозначение"}};
    return {kept, std::nullopt};
}

// A length as descriptions give a body's height: «0.55mm», «0.022"».
bool length(std::string_view word) {
    for (const std::string_view unit : {"mm", "мм", "\""})
        if (word.ends_with(unit) && value::readNumber(word.substr(0, word.size() - unit.size())))
            return true;
    return false;
}

// Whether the word is a unit with a sign after it, «кОм?», «Ohm.»: a unit written wrong, whose
// number must not be read without it.
bool unitWithSign(std::string_view word) {
    while (!word.empty() && std::ispunct(static_cast<unsigned char>(word.back())))
        word.remove_suffix(1);
    return !word.empty() && asUnit(word).has_value();
}

// A word that says nothing of the value: no digit, no fact, no unit of any quantity and no
// marking; a length; a stock number of six digits or more.
bool noise(std::string_view word) {
    if (length(word) || (word.size() >= 6 && value::allDigits(word)))
        return true;
    return word.find_first_of("0123456789") == std::string_view::npos && !marking::factOf(word) &&
           marking::readSingleMarking(word).empty() && !unitWithSign(word);
}

// A word shaped as a part number: eight characters or more, letters and digits both.
bool partNumberLike(std::string_view word) {
    return word.size() >= 8 && word.find_first_of("0123456789") != std::string_view::npos &&
           std::ranges::any_of(word, [](char c) { return (c >= 'A' && c <= 'Z') || c >= 'a'; }) &&
           std::ranges::all_of(word, [](char c) {
               return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '.';
           });
}

// A value's words without those that say nothing of it, without a remark in brackets («(5%
// ok)», «(SIP-7)»; «(0603)» and «(1005 Metric)» say the size), and without the part numbers
// among them: a maker's is kept to be compared, another left out.
struct Plain {
    std::string text;
    std::vector<std::string> partNumbers;
};
Plain withoutNoise(std::string_view text) {
    Plain plain;
    const auto keep = [&](std::string_view kept) {
        plain.text.append(plain.text.empty() ? "" : " ").append(kept);
    };
    const std::vector<marking::Word> words = marking::wordsOf(text);
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view word = text.substr(words[i].begin, words[i].end - words[i].begin);
        if (std::string_view("([").find(word.front()) != std::string_view::npos) {
            std::size_t last = i;
            while (last + 1 < words.size() && last < i + 4 &&
                   std::string_view(")]").find(text[words[last].end - 1]) == std::string_view::npos)
                ++last;
            const std::string_view group =
                text.substr(words[i].begin, words[last].end - words[i].begin);
            const std::string_view inner = group.substr(1, group.size() - 2);
            if (std::string_view(")]").find(group.back()) != std::string_view::npos) {
                if (marking::factOf(inner))
                    keep(last == i ? inner : group); // «0402 (1005 Metric)» reads as one size
                i = last;
                continue;
            }
        }
        if (noise(word))
            continue;
        if (!partNumberLike(word) || marking::factOf(word))
            keep(word);
        else if (!parts::readPartNumber(word).readings.empty())
            plain.partNumbers.emplace_back(word);
    }
    return plain;
}

} // namespace

ValueAnswer readListValue(std::string_view text, std::optional<Quantity> quantity) {
    ValueAnswer answer = readAs(text, quantity);
    if (answer.saysAnything)
        return answer;
    Plain plain = withoutNoise(text);
    if (plain.text.empty() || plain.text == codes::trimmed(text))
        return answer;
    ValueAnswer without = readAs(plain.text, quantity);
    if (without.readings.empty())
        return answer;
    without.partNumbers = std::move(plain.partNumbers);
    return without;
}

bool namesABead(std::string_view text) {
    const std::string low = codes::inCapitals(text);
    for (const std::string_view word : {"FERRITE", "BEAD", "ФЕРРИТ", "MHZ", "МГЦ"})
        if (low.find(word) != std::string::npos)
            return true;
    return false;
}

} // namespace vantrel::lists
