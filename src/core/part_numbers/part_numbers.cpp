#include "core/part_numbers/part_numbers.h"

#include "core/marking/echo.h"

#include <algorithm>
#include <array>

namespace vantrel::parts {
namespace {

using marking::quoted;
using value::Decimal;
using value::Reading;
using value::Tolerance;

constexpr std::size_t kLongest = 40;         // no part number is longer
constexpr std::size_t kLongestValueCode = 5; // "1K47" with room for one more
constexpr std::string_view kJumper = "jumper";

// A point is Rubycon's, in a voltage or a can: "6.3ZLH", "6.3X11".
bool isCodeCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.';
}

// In capitals, hyphens and spaces left out, after a distributor's number of two to four
// digits and a hyphen; empty where anything else is in it.
std::string normalised(std::string_view text) {
    const std::size_t hyphen = text.find('-');
    if (hyphen >= 2 && hyphen <= 4 &&
        std::ranges::all_of(text.substr(0, hyphen), [](char c) { return c >= '0' && c <= '9'; }))
        text.remove_prefix(hyphen + 1);
    std::string code;
    for (char c : text) {
        if (c == '-' || c == ' ')
            continue;
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        if (!isCodeCharacter(c) || code.size() == kLongest)
            return {};
        code += c;
    }
    return code;
}

// "5" per cent, "0.25a" in the smallest unit, "+80-20".
std::optional<Tolerance> toleranceOf(std::string_view meaning) {
    if (meaning.starts_with('+')) {
        const std::size_t minus = meaning.find('-');
        const auto above = value::readNumber(meaning.substr(1, minus - 1));
        const auto below = value::readNumber(meaning.substr(minus + 1));
        return Tolerance::asymmetric(*above, *below);
    }
    if (meaning.ends_with('a'))
        return Tolerance::absolute(*value::readNumber(meaning.substr(0, meaning.size() - 1)));
    return Tolerance::percent(*value::readNumber(meaning));
}

Decimal number(std::string_view meaning) {
    return *value::readNumber(meaning);
}

bool inRange(const Family& family, Decimal amount) {
    const double value = value::toDouble(amount);
    return value >= value::toDouble(family.range.least) &&
           value <= value::toDouble(family.range.most);
}

bool hasField(const Family& family, Field field) {
    return std::ranges::any_of(family.pieces, [&](const Piece& p) { return p.field == field; });
}

// The code a zero-ohm jumper is ordered with: the family's jumper code, or its ±5 % one.
const Code* jumperTolerance(std::span<const Code> codes) {
    const auto jumper = std::ranges::find(codes, kJumper, &Code::meaning);
    if (jumper != codes.end())
        return &*jumper;
    const auto five = std::ranges::find(codes, std::string_view("5"), &Code::meaning);
    return five != codes.end() ? &*five : nullptr;
}

// The codes of the row's list that are codes of the piece, in the list's order.
template <typename Each> void eachPaired(const Code& row, const Piece& piece, Each each) {
    for (std::string_view rest = row.pairs; !rest.empty();) {
        const std::size_t space = rest.find(' ');
        const std::string_view code = rest.substr(0, space);
        rest.remove_prefix(space == std::string_view::npos ? rest.size() : space + 1);
        if (std::ranges::find(piece.codes, code, &Code::code) != piece.codes.end() && each(code))
            return;
    }
}

// Whether the piece that follows the row may have the code: one the row lists, or any where
// it lists none of the piece's.
bool pairsWith(const Code& row, const Piece& piece, std::string_view code) {
    bool listed = false;
    bool found = false;
    eachPaired(row, piece, [&](std::string_view paired) {
        listed = true;
        found = paired == code;
        return found;
    });
    return found || !listed;
}

// The code the piece that follows the row is written with.
std::string_view pairedCode(const Code& row, const Piece& piece) {
    std::string_view first = piece.codes.front().code;
    eachPaired(row, piece, [&](std::string_view paired) {
        first = paired;
        return true;
    });
    return first;
}

// Why the family does not make the part: «у серии нет 100 мкФ в размере 01005 (630 В, X7R)»;
// empty where it does, or where its table does not say.
std::string outsideEnvelope(const Family& family, const Reading& reading,
                            const std::optional<codes::Dielectric>& dielectric) {
    if (family.envelope.empty() || !reading.package || !reading.voltage || !dielectric)
        return {};
    // The table names dielectrics by their codes, as a reading spells them: "X7R".
    const auto ofDielectric = [&](const Limit& limit) {
        return limit.dielectric == dielectric->code;
    };
    if (std::ranges::none_of(family.envelope, ofDielectric))
        return {};
    const std::string where = " в размере " + std::string(reading.package->inch);
    const std::string rating = value::spell(*reading.voltage) + " В, " + dielectric->code;
    const auto row = std::ranges::find_if(family.envelope, [&](const Limit& limit) {
        return ofDielectric(limit) && limit.size == reading.package->inch &&
               number(limit.voltage) == *reading.voltage;
    });
    if (row == family.envelope.end())
        return "у серии нет " + rating + where;
    if (value::toDouble(reading.value) > value::toDouble(row->most))
        return "у серии нет " + value::quantityText(family.quantity, reading.value) + where + " (" +
               rating + ")";
    return {};
}

struct State {
    PartReading found;
    bool jumperOnly = false; // a code only a jumper has
    const Code* size = nullptr;
    const Code* tolerance = nullptr;
    const Code* dielectric = nullptr;

    const Code* row(Follows follows) const {
        return follows == Follows::Size         ? size
               : follows == Follows::Tolerance  ? tolerance
               : follows == Follows::Dielectric ? dielectric
                                                : nullptr;
    }
};

// "у размера 01005 нет кода «E»": the code the row does not pair with.
std::string unpaired(const Family& family, Follows follows, const Code& row, Field field,
                     std::string_view code) {
    const bool moulded = row.meaning.find('-') != std::string_view::npos; // "3216-18"
    const std::string what =
        follows == Follows::Size ? (moulded ? "корпуса " : "размера ") +
                                       std::string(family.metric ? row.code : row.meaning)
        : follows == Follows::Tolerance ? "допуска " + quoted(row.code)
                                        : "диэлектрика " + std::string(row.meaning);
    const std::string_view noun = field == Field::Tcr ? "ТКС" : "кода";
    return "у " + what + " нет " + std::string(noun) + " " + quoted(code);
}

// Why a code is not the family's: "нет такого допуска".
std::string_view noSuch(Field field) {
    switch (field) {
    case Field::Size:
        return "нет такого размера";
    case Field::Case:
        return "нет такого корпуса";
    case Field::Tolerance:
        return "нет такого допуска";
    case Field::Voltage:
        return "нет такого напряжения";
    case Field::Dielectric:
        return "нет такого диэлектрика";
    case Field::Tcr:
        return "нет такого ТКС";
    case Field::Power:
        return "нет такой мощности";
    case Field::Text:
    case Field::Hyphen:
    case Field::Value:
    case Field::Can:
        break;
    }
    return "нет такого кода";
}

// Every way the text is a number of the family, walked piece by piece; where none is, how far
// the furthest got and why it stopped there.
class Walk {
public:
    Walk(const Family& family, std::string_view text)
        : family_(family)
        , text_(text) {
        const auto sized = std::ranges::find_if(family.pieces, [](const Piece& p) {
            return p.field == Field::Size || p.field == Field::Case;
        });
        sizeAt_ = static_cast<std::size_t>(sized - family.pieces.begin());
        State start{{&family, Reading(family.quantity), std::nullopt}};
        from(0, 0, start);
    }

    std::vector<PartReading>& readings() { return readings_; }
    std::size_t reached() const { return reached_; }
    // Why the text is no number of the family, where it fits its pattern past the size.
    const std::string& reason() const { return reason_; }

private:
    void from(std::size_t at, std::size_t position, const State& state) {
        if (at == family_.pieces.size()) {
            if (position == text_.size())
                finish(state);
            else
                stop(at, position,
                     [&] { return "лишние знаки " + quoted(text_.substr(position)) + " в конце"; });
            return;
        }
        const Piece& piece = family_.pieces[at];
        const std::string_view rest = text_.substr(position);
        if (piece.field == Field::Hyphen) {
            from(at + 1, position, state);
        } else if (piece.field == Field::Value) {
            value(at, position, state);
        } else if (piece.field == Field::Can) {
            // A can ends the numbers that write one: "…EFC10X20".
            if (const auto can = value::canSizeOf(rest)) {
                State next = state;
                next.found.reading.can = can;
                from(at + 1, text_.size(), next);
            } else {
                stop(at, position, [&] {
                    return rest.empty() ? std::string()
                                        : "размер банки не читается: " + quoted(rest);
                });
            }
        } else if (piece.any > 0) {
            if (rest.size() >= piece.any)
                from(at + 1, position + piece.any, state);
            else
                stop(at, position, [] { return std::string(); });
        } else {
            bool matched = false;
            const Code* followed = state.row(piece.follows);
            for (const Code& code : piece.codes) {
                if (!rest.starts_with(code.code))
                    continue;
                matched = true;
                if (followed && !pairsWith(*followed, piece, code.code)) {
                    stop(at, position, [&] {
                        return unpaired(family_, piece.follows, *followed, piece.field, code.code);
                    });
                    continue;
                }
                State next = state;
                apply(piece.field, code, next);
                from(at + 1, position + code.code.size(), next);
            }
            if (!matched) {
                const std::size_t length = piece.codes.front().code.size();
                stop(at, position, [&] {
                    return rest.empty()
                               ? std::string()
                               : std::string(noSuch(piece.field))
                                     .append(" ")
                                     .append(
                                         quoted(rest.substr(0, std::max<std::size_t>(length, 1))));
                });
            }
        }
    }

    void value(std::size_t at, std::size_t position, const State& state) {
        const std::string_view rest = text_.substr(position);
        bool matched = false;
        if (!family_.zero.empty() && rest.starts_with(family_.zero)) {
            matched = true;
            from(at + 1, position + family_.zero.size(), state);
        }
        const ValueStyle style = family_.pieces[at].style;
        for (std::size_t length = 1; length <= std::min(kLongestValueCode, rest.size()); ++length)
            if (const auto amount = readValueCode(style, rest.substr(0, length))) {
                matched = true;
                State next = state;
                next.found.reading.value = *amount;
                from(at + 1, position + length, next);
            }
        if (!matched)
            stop(at, position, [&] {
                return rest.empty() ? std::string() : "номинал не читается: " + quoted(rest);
            });
    }

    void apply(Field field, const Code& code, State& state) const {
        Reading& reading = state.found.reading;
        switch (field) {
        case Field::Size:
            state.size = &code;
            reading.package = value::chipSizeOfInch(code.meaning);
            reading.packageInMetric = family_.metric;
            if (!code.power.empty() && !hasField(family_, Field::Power))
                reading.power = number(code.power);
            break;
        case Field::Case:
            state.size = &code;
            reading.moulded = value::tantalumCaseOf(code.meaning);
            break;
        case Field::Tolerance:
            state.tolerance = &code;
            if (code.meaning == kJumper)
                state.jumperOnly = true;
            else
                reading.tolerance = toleranceOf(code.meaning);
            break;
        case Field::Voltage:
            reading.voltage = number(code.meaning);
            break;
        case Field::Dielectric:
            state.dielectric = &code;
            state.found.dielectric = codes::readDielectric(code.meaning);
            break;
        case Field::Tcr:
            if (code.meaning == kJumper)
                state.jumperOnly = true;
            else
                reading.temperatureCoefficient = number(code.meaning);
            break;
        case Field::Power:
            reading.power = number(code.meaning);
            break;
        case Field::Text:
        case Field::Hyphen:
        case Field::Value:
        case Field::Can:
            break;
        }
    }

    // A zero-ohm jumper is ordered with the family's jumper codes, or its ±5 % letter, and has
    // no tolerance or TCR; those codes name nothing else.
    void finish(State state) {
        Reading& reading = state.found.reading;
        const bool jumper = reading.value.significand == 0;
        if (jumper && state.tolerance) {
            const auto tolerances =
                std::ranges::find(family_.pieces, Field::Tolerance, &Piece::field)->codes;
            if (state.tolerance != jumperTolerance(tolerances)) {
                stop(family_.pieces.size(), text_.size(), [&] {
                    return "перемычку не заказывают с допуском " + quoted(state.tolerance->code);
                });
                return;
            }
        }
        if (!jumper && !inRange(family_, reading.value)) {
            stop(family_.pieces.size(), text_.size(), [&] {
                return "номинала " + value::quantityText(family_.quantity, reading.value) +
                       " у серии нет";
            });
            return;
        }
        if (const std::string outside = outsideEnvelope(family_, reading, state.found.dielectric);
            !outside.empty()) {
            stop(family_.pieces.size(), text_.size(), [&] { return outside; });
            return;
        }
        if (!jumper && state.jumperOnly) {
            stop(family_.pieces.size(), text_.size(),
                 [] { return std::string("код перемычки у номинала не ноль"); });
            return;
        }
        if (jumper) {
            reading.tolerance.reset();
            reading.temperatureCoefficient.reset();
        }
        const auto same = [&](const PartReading& r) {
            return r.reading == reading && r.dielectric == state.found.dielectric;
        };
        if (std::ranges::none_of(readings_, same))
            readings_.push_back(state.found);
    }

    // The walk stops at the piece `at` and the text's `position`: the furthest such stop where
    // the text fits the family's pattern says why the text is no number of the family. The
    // reason is written only then.
    template <typename Why> void stop(std::size_t at, std::size_t position, Why why) {
        const std::size_t depth = position * 64 + at;
        if (depth < reached_ || (at < sizeAt_ + 2 && !fitsByLength(at)))
            return;
        reached_ = depth;
        std::string said = why();
        reason_ = said.empty() ? "номер обрывается после " + quoted(text_.substr(0, position))
                               : std::move(said);
    }

    // Whether a stop at the piece `at`, before the piece after the size's next, still fits the
    // family's pattern: past the series' own letters in a text as long as its shortest number.
    bool fitsByLength(std::size_t at) {
        if (at < 1 || family_.pieces.front().field != Field::Text)
            return false;
        if (!shortest_) {
            std::size_t shortest = 0;
            for (const Piece& piece : family_.pieces)
                shortest += piece.field == Field::Value    ? 3
                            : piece.field == Field::Hyphen ? 0
                            : piece.any > 0                ? piece.any
                            : piece.codes.empty()
                                ? 0
                                : std::ranges::min(piece.codes, {}, [](const Code& c) {
                                      return c.code.size();
                                  }).code.size();
            shortest_ = shortest;
        }
        return text_.size() >= *shortest_;
    }

    const Family& family_;
    std::string_view text_;
    std::size_t sizeAt_ = 0;
    std::optional<std::size_t> shortest_; // worked out at the first stop that needs it
    std::size_t reached_ = 0;
    std::string reason_;
    std::vector<PartReading> readings_;
};

constexpr std::array<std::span<const Family> (*)(), 6> kGroups = {
    resistorFamilies,     ceramicFamilies,  tantalumFamilies,
    electrolyticFamilies, inductorFamilies, catalogueFamilies};

// What an index row orders.
PartReading readingOf(const Family& family, const IndexRow& row) {
    PartReading found{&family, Reading(family.quantity, row.value, toleranceOf(row.tolerance)),
                      std::nullopt};
    if (!row.voltage.empty())
        found.reading.voltage = number(row.voltage);
    if (!row.dielectric.empty())
        found.dielectric = codes::readDielectric(row.dielectric);
    if (!row.size.empty())
        found.reading.package = value::chipSizeOfInch(row.size);
    return found;
}

// The code of the piece for the reading; nothing where the reading lacks the fact the piece
// states or has one the family does not make.
class Writer {
public:
    Writer(const Family& family, const Reading& reading,
           const std::optional<codes::Dielectric>& dielectric)
        : family_(family)
        , reading_(reading)
        , dielectric_(dielectric) {}

    std::optional<std::string> write() {
        if (!statesAllOf())
            return std::nullopt;
        std::string text;
        for (const Piece& piece : family_.pieces) {
            const std::optional<std::string_view> code = codeOf(piece);
            if (!code || (piece.follows != Follows::Nothing &&
                          (!rowFollowed(piece.follows) ||
                           !pairsWith(*rowFollowed(piece.follows), piece, *code))))
                return std::nullopt;
            text.append(*code);
        }
        return text;
    }

private:
    bool jumper() const { return reading_.value.significand == 0; }

    // Every fact the reading has is one the family's numbers state.
    bool statesAllOf() const {
        const auto has = [&](Field field) { return hasField(family_, field); };
        const bool sizedPower = has(Field::Size) && !has(Field::Power) &&
                                std::ranges::any_of(family_.pieces, [](const Piece& p) {
                                    return p.field == Field::Size && !p.codes.front().power.empty();
                                });
        return (!reading_.package || has(Field::Size)) && (!reading_.moulded || has(Field::Case)) &&
               (!reading_.tolerance || has(Field::Tolerance)) &&
               (!reading_.can || has(Field::Can)) && (!reading_.voltage || has(Field::Voltage)) &&
               (!reading_.power || has(Field::Power) || sizedPower) &&
               (!reading_.temperatureCoefficient || has(Field::Tcr)) &&
               (dielectric_.has_value() == has(Field::Dielectric)) && !reading_.current &&
               !reading_.temperature &&
               (jumper() ? !family_.zero.empty() || !has(Field::Value)
                         : has(Field::Value) && inRange(family_, reading_.value)) &&
               outsideEnvelope(family_, reading_, dielectric_).empty();
    }

    // The first row of the piece the test takes, or nothing.
    template <typename Same> static const Code* rowWhere(const Piece& piece, Same same) {
        const auto found = std::ranges::find_if(piece.codes, same);
        return found == piece.codes.end() ? nullptr : &*found;
    }
    static std::optional<std::string_view> codeOf(const Code* row) {
        return row ? std::optional(row->code) : std::nullopt;
    }

    // A piece whose fact the reading does not give: its first code, or the code of the row it
    // follows.
    std::optional<std::string_view> unstated(const Piece& piece) const {
        if (piece.follows == Follows::Nothing)
            return piece.codes.front().code;
        const Code* row = rowFollowed(piece.follows);
        return row ? std::optional(pairedCode(*row, piece)) : std::nullopt;
    }

    std::optional<std::string_view> codeOf(const Piece& piece) {
        switch (piece.field) {
        case Field::Hyphen:
            return "-";
        case Field::Text:
            return unstated(piece);
        case Field::Size:
            return sizeCode(piece);
        case Field::Case:
            if (!reading_.moulded)
                return std::nullopt;
            size_ = rowWhere(piece, [&](const Code& c) { return c.meaning == *reading_.moulded; });
            return codeOf(size_);
        case Field::Value:
            if (jumper())
                return family_.zero;
            valueCode_ = writeValueCode(piece.style, reading_.value);
            return valueCode_ ? std::optional<std::string_view>(*valueCode_) : std::nullopt;
        case Field::Tolerance:
            if (jumper()) {
                tolerance_ = jumperTolerance(piece.codes);
                return codeOf(tolerance_);
            }
            if (!reading_.tolerance)
                return std::nullopt;
            tolerance_ = rowWhere(piece, [&](const Code& c) {
                return c.meaning != kJumper && toleranceOf(c.meaning) == reading_.tolerance;
            });
            return codeOf(tolerance_);
        case Field::Voltage:
            if (!reading_.voltage)
                return std::nullopt;
            return codeOf(rowWhere(
                piece, [&](const Code& c) { return number(c.meaning) == *reading_.voltage; }));
        case Field::Dielectric:
            dielectricRow_ = rowWhere(piece, [&](const Code& c) {
                return codes::readDielectric(c.meaning) == dielectric_;
            });
            return codeOf(dielectricRow_);
        case Field::Tcr:
            if (jumper())
                return codeOf(rowWhere(piece, [&](const Code& c) { return c.meaning == kJumper; }));
            // A TCR that follows the tolerance is the one that goes with it; another is a
            // fact the line must give, written with a code the row before it pairs with.
            if (!reading_.temperatureCoefficient)
                return piece.follows == Follows::Tolerance ? unstated(piece) : std::nullopt;
            return codeOf(rowWhere(piece, [&](const Code& c) {
                return c.meaning != kJumper &&
                       number(c.meaning) == *reading_.temperatureCoefficient &&
                       (piece.follows == Follows::Nothing ||
                        (rowFollowed(piece.follows) &&
                         pairsWith(*rowFollowed(piece.follows), piece, c.code)));
            }));
        case Field::Can:
            if (!reading_.can)
                return std::nullopt;
            canCode_ = value::spellWithPoint(reading_.can->diameter) + "X" +
                       value::spellWithPoint(reading_.can->length);
            return std::string_view(canCode_);
        case Field::Power: {
            const Decimal watts = reading_.power ? *reading_.power : number(size_->power);
            return codeOf(
                rowWhere(piece, [&](const Code& c) { return number(c.meaning) == watts; }));
        }
        }
        return std::nullopt;
    }

    // The row a piece follows, once that row is written.
    const Code* rowFollowed(Follows follows) const {
        return follows == Follows::Size        ? size_
               : follows == Follows::Tolerance ? tolerance_
                                               : dielectricRow_;
    }

    // The size's code, and with it the size row the pieces after it follow. A family whose
    // size names the power gives only the size of the reading's power.
    std::optional<std::string_view> sizeCode(const Piece& piece) {
        if (!reading_.package)
            return std::nullopt;
        const bool namesPower = !hasField(family_, Field::Power);
        size_ = rowWhere(piece, [&](const Code& c) {
            return c.meaning == reading_.package->inch &&
                   (!namesPower || !reading_.power || c.power.empty() ||
                    number(c.power) == *reading_.power);
        });
        return codeOf(size_);
    }

    const Family& family_;
    const Reading& reading_;
    const std::optional<codes::Dielectric>& dielectric_;
    const Code* size_ = nullptr;
    const Code* tolerance_ = nullptr;
    const Code* dielectricRow_ = nullptr;
    std::optional<std::string> valueCode_;
    std::string canCode_;
};

} // namespace

PartAnswer readPartNumber(std::string_view text) {
    const std::string code = normalised(text);
    PartAnswer answer;
    if (code.empty())
        return answer;
    std::size_t furthest = 0;
    for (const auto group : kGroups)
        for (const Family& family : group()) {
            if (!family.index.empty()) {
                const auto row = std::ranges::find(family.index, code, &IndexRow::code);
                if (row != family.index.end())
                    answer.readings.push_back(readingOf(family, *row));
                continue;
            }
            Walk walk(family, code);
            for (PartReading& found : walk.readings())
                answer.readings.push_back(std::move(found));
            if (!walk.reason().empty() && walk.reached() > furthest) {
                furthest = walk.reached();
                answer.reason = "номер детали " + familyName(family) + ": " + walk.reason();
            }
        }
    if (!answer.readings.empty())
        answer.reason.clear();
    return answer;
}

std::vector<PartNumber> partNumbersOf(const Reading& reading,
                                      const std::optional<codes::Dielectric>& dielectric) {
    std::vector<PartNumber> numbers;
    // Every family's number states a size or a case, and a tolerance unless it is a jumper's:
    // most markings give neither, and need no family tried.
    if ((!reading.package && !reading.moulded) ||
        (!reading.tolerance && reading.value.significand != 0))
        return numbers;
    for (const auto group : kGroups)
        for (const Family& family : group())
            if (family.offered)
                if (std::optional<std::string> text = partNumberOf(family, reading, dielectric))
                    numbers.push_back({&family, *std::move(text)});
    return numbers;
}

std::optional<std::string> partNumberOf(const Family& family, const Reading& reading,
                                        const std::optional<codes::Dielectric>& dielectric) {
    if (family.quantity != reading.quantity)
        return std::nullopt;
    if (!family.index.empty()) {
        for (const IndexRow& row : family.index)
            if (const PartReading ordered = readingOf(family, row);
                ordered.reading == reading && ordered.dielectric == dielectric)
                return std::string(row.code);
        return std::nullopt;
    }
    return Writer(family, reading, dielectric).write();
}

std::vector<const Family*> allFamilies() {
    std::vector<const Family*> all;
    for (const auto group : kGroups)
        for (const Family& family : group())
            all.push_back(&family);
    return all;
}

std::string familyName(const Family& family) {
    std::string name(family.maker);
    return family.name.empty() ? name : name.append(" ").append(family.name);
}

} // namespace vantrel::parts
