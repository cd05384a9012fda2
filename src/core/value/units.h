// The units of the three quantities and the SI prefixes: the one place a unit's symbol, its
// Russian name and the powers of ten of its prefixes are written. The tables are in units.cpp,
// so that a change to one rebuilds one file.
#pragma once

#include <span>
#include <string_view>

namespace vantrel::value {

// Each quantity counts in its smallest unit: ohms, picofarads, nanohenries.
enum class Quantity { Resistance, Capacitance, Inductance };

// The SI prefixes, as powers of ten.
inline constexpr int kPico = -12;
inline constexpr int kNano = -9;
inline constexpr int kMicro = -6;
inline constexpr int kMilli = -3;
inline constexpr int kKilo = 3;
inline constexpr int kMega = 6;
inline constexpr int kGiga = 9;
inline constexpr int kTera = 12;

// A prefix as the SI writes it and as Russian does: "k" and "к", "µ" and "мк". The prefix of
// none is written as nothing.
struct Prefix {
    int exponent;
    std::string_view latin;
    std::string_view russian;
};
// Every prefix, the smallest first.
std::span<const Prefix> prefixes();

// The prefix of a power of ten, or nothing where the SI has none.
const Prefix* prefixOf(int exponent);

// A quantity's unit: its SI symbol, its Russian name, and the prefixes Vantrel writes it with,
// a thousand apart. A value counts in the unit with the smallest of them.
struct Unit {
    std::string_view symbol;  // "Ω", "F", "H"
    std::string_view russian; // "Ом", "Ф", "Гн"
    int smallest;             // the smallest prefix's power of ten
    int largest;
};
Unit unitOf(Quantity quantity);

// The power of ten of the quantity's smallest unit: ohms, picofarads, nanohenries.
constexpr int smallestPrefix(Quantity quantity) {
    switch (quantity) {
    case Quantity::Resistance:
        break;
    case Quantity::Capacitance:
        return kPico;
    case Quantity::Inductance:
        return kNano;
    }
    return 0;
}

// The power of ten that a prefixed unit is of the quantity's smallest unit: a microhenry is
// 10^3 nanohenries, a microfarad 10^6 picofarads.
constexpr int inSmallestUnit(Quantity quantity, int prefix) {
    return prefix - smallestPrefix(quantity);
}

// The units a rating is written in beside a value, as typed: each spelling with the power of
// ten of its prefix, the longest first, so that "кВ" is found before "В".
struct RatingSpelling {
    std::string_view typed;
    int exponent;
};
inline constexpr RatingSpelling kVoltSpellings[] = {
    {"мВ", kMilli}, {"мв", kMilli}, {"mV", kMilli}, {"кВ", kKilo}, {"кв", kKilo}, {"kV", kKilo},
    {"KV", kKilo},  {"В", 0},       {"в", 0},       {"V", 0},      {"v", 0}};
inline constexpr RatingSpelling kWattSpellings[] = {
    {"Вт", 0}, {"вт", 0}, {"ВТ", 0}, {"W", 0}, {"w", 0}};

// The spelling the text ends with, or nothing.
constexpr const RatingSpelling* endingSpelling(std::string_view text,
                                               std::span<const RatingSpelling> spellings) {
    for (const RatingSpelling& spelling : spellings)
        if (text.ends_with(spelling.typed))
            return &spelling;
    return nullptr;
}

// The quantity's units as the readout writes them, from the smallest: "Ом", "кОм" ... "ТОм".
std::span<const std::string_view> unitsOf(Quantity quantity);

} // namespace vantrel::value
