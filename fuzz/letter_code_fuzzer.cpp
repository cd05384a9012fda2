// libFuzzer target: the letter-code press with any typed texts, one memory across inputs.
#include "codes/letter_code.h"
#include "fuzz_input.h"
#include "line_forms.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vantrel;
    static codes::LetterCodeMemory memory;
    const auto texts = fuzz::fields(data, size, 5);
    const auto digitCount =
        !texts[0].empty() && texts[0][0] == '3' ? codes::DigitCount::Three : codes::DigitCount::Two;
    const codes::PressResult result =
        codes::pressLetterCode({digitCount, texts[1], texts[2], texts[3], texts[4]}, memory);
    if (result.messages.size() > 3 || (!result.messages.empty() && !result.line.empty()))
        std::abort();
    if (!result.line.empty() && !forms::isLetterCodeLine(result.line, texts[1]))
        std::abort();
    if (!forms::isCodeReadout(result.line, result.readout, texts[1], 15))
        std::abort();
    return 0;
}
