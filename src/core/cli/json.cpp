#include "core/cli/json.h"

#include <algorithm>

namespace vantrel::cli {

std::string_view componentOf(value::Quantity quantity) {
    switch (quantity) {
    case value::Quantity::Resistance:
        return "resistor";
    case value::Quantity::Capacitance:
        return "capacitor";
    case value::Quantity::Inductance:
        return "inductor";
    }
    return {};
}

std::string plain(value::Decimal value, int shift) {
    return value::spellWithPoint(value, shift);
}

std::string jsonName(std::string_view name) {
    return std::string("\"").append(name).append("\"");
}

} // namespace vantrel::cli
