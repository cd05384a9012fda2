// libFuzzer target: both capacitor presses with any typed texts, one memory each across inputs.
#include "codes/capacitor_code.h"
#include "fuzz_input.h"
#include "line_forms.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vantrel;
    static codes::ThreeDigitMemory three;
    static codes::FourDigitMemory four;
    const auto texts = fuzz::fields(data, size, 2);
    const codes::PressResult first = codes::pressThreeDigitCode(texts[0], texts[1], three);
    if (first.messages.size() > 2 || (!first.messages.empty() && !first.line.empty()))
        std::abort();
    if (!first.line.empty() && !forms::isThreeDigitLine(first.line, texts[0]))
        std::abort();
    const codes::PressResult second = codes::pressFourDigitCode(texts[0], texts[1], four);
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
