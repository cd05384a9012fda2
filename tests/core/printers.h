// How the tests' failure messages show the core's values.
#pragma once

#include "core/value/decimal.h"

#include <ostream>

namespace vantrel::value {

inline void PrintTo(const Decimal& d, std::ostream* out) {
    *out << d.significand << "e" << d.exponent;
}

} // namespace vantrel::value
