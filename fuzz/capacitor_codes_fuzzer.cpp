// libFuzzer target for the capacitor codes typed as text: both digit-code presses with any
// typed texts, and the printed-code reader and the any-marking reader with the whole input.
#include "any_marking_oracle.h"
#include "core/codes/capacitor_code.h"
#include "core/codes/printed_capacitor_code.h"
#include "fuzz_input.h"
#include "line_forms.h"

#include <algorithm>
#include <cstdlib>

namespace {

// A line says "C=" and then what its three-line readout says first; the readout goes on with
// the series and the value in every unit.
void checkPrintedCapacitorCode(std::string_view typed) {
    const vantrel::codes::PressResult result = vantrel::codes::readPrintedCapacitorCode(typed);
    if (result.messages.empty() == result.line.empty() ||
        result.line.empty() != result.readout.empty())
        std::abort();
    if (result.line.empty())
        return;
    const std::string_view line = result.line;
    const std::string_view readout = result.readout;
    const std::size_t second = readout.find('\n') + 1;
    const std::size_t third = readout.find('\n', second) + 1;
    if (!line.starts_with("C=") || second == 0 || third == 0 ||
        readout.substr(0, second - 1) != line.substr(2) ||
        !(readout.substr(second).starts_with("Ряд E") ||
          readout.substr(second).starts_with("Нет в рядах")) ||
        !readout.substr(third).starts_with("= ") || readout.find('\n', third) != readout.npos)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vantrel;
    const std::string_view whole(reinterpret_cast<const char*>(data), size);
    checkPrintedCapacitorCode(whole);
    fuzz::checkAnyMarking(whole);
    const auto texts = fuzz::fields(data, size, 2);
    const codes::PressResult first = codes::pressThreeDigitCode(texts[0], texts[1]);
    if (first.messages.size() > 2 || (!first.messages.empty() && !first.line.empty()))
        std::abort();
    if (!first.line.empty() && !forms::isThreeDigitLine(first.line, texts[0]))
        std::abort();
    const codes::PressResult second = codes::pressFourDigitCode(texts[0], texts[1]);
    if (!forms::isCodeReadout(first.line, first.readout, texts[0], 2) ||
        !forms::isCodeReadout(second.line, second.readout, texts[0], 3))
        std::abort();
    if (second.messages.size() > 1 || (!second.messages.empty() && !second.line.empty()))
        std::abort();
    if (!second.messages.empty() || second.line.empty())
        return 0;
    if (!forms::isFourDigitLine(second.line, texts[0]))
        std::abort();
    return 0;
}
