// The pieces every JSON answer of the command line is written with.
#pragma once

#include "core/value/decimal.h"
#include "core/value/units.h"

#include <optional>
#include <string>
#include <string_view>

namespace vantrel::cli {

// "resistor", "capacitor", "inductor".
std::string_view componentOf(value::Quantity quantity);

// "4700", "0.0000001", "6.3": the value divided by 10^shift, no exponent, no trailing zeros, a
// point.
std::string plain(value::Decimal value, int shift = 0);

// The name in double quotes, for names that need no escaping: "resistor", "E24".
std::string jsonName(std::string_view name);

// A JSON object written key by key, in the order given.
class Object {
public:
    Object& add(std::string_view key, std::string_view json) {
        text_.append(text_.size() > 1 ? ", \"" : "\"").append(key).append("\": ").append(json);
        return *this;
    }
    template <typename T, typename Write>
    Object& addOrNull(std::string_view key, const std::optional<T>& value, Write write) {
        return add(key, value ? write(*value) : std::string("null"));
    }
    // The object's text, moved out: the object is spent.
    std::string close() {
        text_ += '}';
        return std::move(text_);
    }

private:
    std::string text_ = "{";
};

} // namespace vantrel::cli
