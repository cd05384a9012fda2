#include "core/codes/inductor_code.h"

#include "core/codes/typed_code.h"

namespace vantrel::codes {
namespace {

using value::Decimal;

constexpr int kMicrohenries = value::inSmallestUnit(value::Quantity::Inductance, value::kMicro);
constexpr int kLargestPower = 6; // of a three-digit code's last digit

std::optional<Decimal> nanohenries(std::string_view code) {
    const std::size_t point = code.find_first_of("RN");
    if (point != std::string_view::npos) {
        const int unit = code[point] == 'R' ? kMicrohenries : 0;
        return value::aroundPoint(code, point, 1, unit, 4);
    }
    if (code.size() != 3 || code.back() < '0' || code.back() > '0' + kLargestPower)
        return std::nullopt;
    return value::fromDigits(code.substr(0, 2), code.back() - '0' + kMicrohenries);
}

} // namespace

std::optional<value::Reading> inductorCode(std::string_view typed) {
    constexpr Typing kInductorTyping{.trimmed = true}; // as printed: capitals R and N
    const std::optional<Decimal> value = nanohenries(*cleaned(typed, kInductorTyping));
    if (!value || value->significand == 0)
        return std::nullopt;
    return value::Reading(value::Quantity::Inductance, *value);
}

InductorCodes inductorCodesFor(Decimal nanohenries) {
    InductorCodes codes{unitPointCode(nanohenries, "R", kMicrohenries, 2),
                        unitPointCode(nanohenries, "N", 0, 2)};
    const Decimal microhenries{nanohenries.significand, nanohenries.exponent - kMicrohenries};
    if (auto digits = powerOfTenCode(microhenries, 2, kLargestPower))
        codes.digits = std::move(digits); // from 10 мкГн up, in place of "10R"
    return codes;
}

} // namespace vantrel::codes
