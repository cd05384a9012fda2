// Makers' part numbers as data: each family a row of pieces, each piece a field and the codes
// the maker's ordering information gives it. One reader and one writer take every family.
#pragma once

#include "core/part_numbers/value_codes.h"
#include "core/value/decimal.h"
#include "core/value/units.h"

#include <span>
#include <string_view>

namespace vantrel::parts {

enum class Field {
    Text,       // letters that say nothing the reading shows: the series, packaging, reel
    Hyphen,     // where the maker prints a hyphen; read or not, as lists write it
    Size,       // a chip size, its inch code in `meaning`
    Case,       // a tantalum case, its EIA metric code in `meaning` ("3216-18")
    Value,      // the value in the family's style
    Tolerance,  // "5" per cent, "0.25a" absolute, "+80-20", "jumper" for a zero-ohm part
    Voltage,    // rated volts, "6.3"
    Dielectric, // "X7R"
    Tcr,        // ppm/°C, or "jumper"
    Power,      // watts, "1/10"
    Can, // an electrolytic's can, diameter by length in millimetres, "10X20": it ends the number
};

struct Code {
    std::string_view code;
    std::string_view meaning = {};
    // Size rows: the watts the size has in this family ("0.1"), a fact where the family has
    // no power piece, else the power a part number of that size is written with.
    std::string_view power = {};
    // The codes the pieces that follow this row may have, space-separated: a size's
    // thicknesses and packagings, a tolerance's TCRs, a dielectric's terminations. Of each
    // following piece the first listed is the one a part number is written with; a following
    // piece none of whose codes is listed takes any of them.
    std::string_view pairs = {};
};

// The field whose row decides which of a piece's codes a part number may have.
enum class Follows { Nothing, Size, Tolerance, Dielectric };

struct Piece {
    Field field;
    std::span<const Code> codes = {}; // the first is the one written where the reading is silent
    ValueStyle style = ValueStyle::Digits3;
    Follows follows = Follows::Nothing; // takes the codes that field's row pairs with
    std::size_t any = 0; // a Text piece of this many letters or digits, whatever they are
};

// The values a family makes, in the quantity's smallest unit, both ends in.
struct Range {
    value::Decimal least;
    value::Decimal most;
};

// A row of a catalogue whose numbers are indexes, not codes: the order code and the part's
// facts as its data sheet prints them.
struct IndexRow {
    std::string_view code;      // "885012206071"
    value::Decimal value;       // in the quantity's smallest unit
    std::string_view tolerance; // as a tolerance row's meaning: "10"
    std::string_view voltage = {};
    std::string_view dielectric = {};
    std::string_view size = {}; // an inch chip size
};

// What a maker makes in a size: at a voltage and in a dielectric, values up to `most`.
struct Limit {
    std::string_view size; // inch
    std::string_view dielectric;
    std::string_view voltage;
    value::Decimal most; // in the quantity's smallest unit
};

struct Family {
    std::string_view maker; // "Murata"
    std::string_view name;  // "GRM"
    value::Quantity quantity;
    std::span<const Piece> pieces;
    Range range;
    // A jumper's value code; empty where the family makes none. A family without a value
    // piece makes jumpers only.
    std::string_view zero = {};
    bool metric = false; // its sizes are metric codes
    // Its numbers are offered for a value; a family of special grades (automotive,
    // anti-surge, soft termination) is read, and written only when asked for by name.
    bool offered = true;
    // A catalogue of indexes, read and written row by row; its pieces are none.
    std::span<const IndexRow> index = {};
    // Its product table: a size, voltage and dielectric it has no row for, or a value above the
    // row's, it does not make. None for a dielectric it has no rows for.
    std::span<const Limit> envelope = {};
};

// The families of chip resistors, of ceramic, tantalum and aluminium electrolytic capacitors,
// and of inductors.
std::span<const Family> resistorFamilies();
std::span<const Family> ceramicFamilies();
std::span<const Family> tantalumFamilies();
std::span<const Family> electrolyticFamilies();
std::span<const Family> inductorFamilies();
std::span<const Family> catalogueFamilies();

} // namespace vantrel::parts
