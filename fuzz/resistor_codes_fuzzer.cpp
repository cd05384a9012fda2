// libFuzzer target for the resistor codes typed as text: the letter-code press with any typed
// texts, and the SMD code decoder and the any-marking reader with the whole input.
#include "any_marking_oracle.h"
#include "core/codes/letter_code.h"
#include "core/codes/smd_code.h"
#include "fuzz_input.h"
#include "line_forms.h"

#include <algorithm>
#include <cstdlib>

namespace {

// An SMD code is at most four characters; a line says "R=" and then what its readout says
// first, a value with its unit, and "±1 %" only for the three-character EIA-96 codes.
void checkSmdCode(std::string_view typed) {
    const vantrel::codes::PressResult result = vantrel::codes::readSmdCode(typed);
    if (result.messages.empty() == result.line.empty() ||
        result.line.empty() != result.readout.empty())
        std::abort();
    if (result.line.empty())
        return;
    const auto characters = std::count_if(typed.begin(), typed.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    const std::string_view line = result.line;
    const bool percent = line.ends_with(" ±1 %");
    if (characters > 4 || (percent && characters != 3) || !line.starts_with("R=") ||
        line.substr(2) != std::string_view(result.readout).substr(0, result.readout.find('\n')) ||
        !(percent || line.ends_with("Ом")))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vantrel;
    const std::string_view whole(reinterpret_cast<const char*>(data), size);
    checkSmdCode(whole);
    fuzz::checkAnyMarking(whole);
    const auto texts = fuzz::fields(data, size, 5);
    const auto digitCount =
        !texts[0].empty() && texts[0][0] == '3' ? codes::DigitCount::Three : codes::DigitCount::Two;
    const codes::PressResult result =
        codes::pressLetterCode({digitCount, texts[1], texts[2], texts[3], texts[4]});
    if (result.messages.size() > 3 || (!result.messages.empty() && !result.line.empty()))
        std::abort();
    if (!result.line.empty() && !forms::isLetterCodeLine(result.line, texts[1]))
        std::abort();
    if (!forms::isCodeReadout(result.line, result.readout, texts[1], 15))
        std::abort();
    return 0;
}
