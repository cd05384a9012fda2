// What makes one colour window differ from another: its bands, the table and role of each,
// and the pieces of its result line.
#pragma once

#include "core/bands/band_tables.h"
#include "core/value/readout.h"

#include <optional>
#include <span>
#include <string_view>

namespace vantrel::bands {

inline constexpr int kMaxBands = 6;

// What a band's colour says about the value.
enum class Role { Digit, Multiplier, Tolerance, TemperatureCoefficient };

// One band of a window: the table its selector looks colours up in, the message its
// rejected colours show, and what it stands for.
struct BandRecipe {
    const BandTable* table;
    std::string_view checkMessage;
    Role role;
};

// A piece of a result line: a fixed literal, or the fragment of one band.
struct Piece {
    std::string_view literal;
    int band = -1; // 0-based, like every band number here; -1 for a literal
};
constexpr Piece fragmentOf(int band) {
    return {{}, band};
}

// Everything that makes one colour window differ from another.
struct WindowRecipe {
    std::span<const BandRecipe> bands;
    std::span<const Piece> line;
    value::Quantity quantity;
    int exponent = 0; // the bands give a value in 10^exponent of the quantity's smallest unit
    std::optional<value::Tolerance> impliedTolerance = {}; // of a marking with no tolerance band
};

} // namespace vantrel::bands
