#include "core/marking/semiconductors.h"

#include "core/codes/typed_code.h"
#include "core/marking/line_words.h"

#include <algorithm>

namespace vantrel::marking {
namespace {

bool isLetter(char c) {
    return c >= 'A' && c <= 'Z';
}

// The run of characters of one kind at the front of the text, and the rest.
std::size_t runOf(std::string_view text, bool (*kind)(char)) {
    return static_cast<std::size_t>(std::ranges::find_if_not(text, kind) - text.begin());
}

// Digits from least to most, then what may follow them: at most `letters` letters, or a Zener
// diode's voltage «C5V1».
bool designationNumber(std::string_view rest, std::size_t least, std::size_t most,
                       std::size_t letters) {
    const std::size_t digits = runOf(rest, isDigit);
    if (digits < least || digits > most)
        return false;
    rest.remove_prefix(digits);
    if (rest.starts_with('-')) // «2SC1815-GR»: the maker's gain group
        rest.remove_prefix(1);
    const std::size_t tail = runOf(rest, isLetter);
    if (tail == rest.size())
        return tail <= letters;
    // A Zener voltage: a tolerance letter, digits, V as the point, digits.
    const std::size_t letter = std::min<std::size_t>(tail, 1);
    const std::string_view voltage = rest.substr(letter);
    const std::size_t whole = runOf(voltage, isDigit);
    return tail <= 1 && whole >= 1 && whole <= 3 && voltage.substr(whole).starts_with('V') &&
           runOf(voltage.substr(whole + 1), isDigit) == voltage.size() - whole - 1;
}

// JEDEC EIA-370: a digit for the number of junctions less one, N, a serial number: 1N4148,
// 2N2222A. Two digits after N only with a letter, for «1N34A»; «1N50» is a capacitor's code.
bool isJedec(std::string_view code) {
    if (code.size() < 4 || code[0] < '1' || code[0] > '3' || code[1] != 'N')
        return false;
    const std::string_view rest = code.substr(2);
    return designationNumber(rest, 3, 5, 3) ||
           (designationNumber(rest, 2, 2, 3) && isLetter(rest.back()));
}

// Pro Electron: the material (A germanium, B silicon, C and D others; the rare R is left out,
// for «RC0603» is a chip resistor), the kind of device, a third letter for industrial types,
// and a serial number: BC547B, BAT54, BZX55C5V1. The second letter is never I, J, O or V.
bool isProElectron(std::string_view code) {
    constexpr std::string_view kMaterials = "ABCD", kNotKinds = "IJOV";
    if (code.size() < 4 || kMaterials.find(code[0]) == std::string_view::npos ||
        !isLetter(code[1]) || kNotKinds.find(code[1]) != std::string_view::npos)
        return false;
    const std::string_view rest = code.substr(isLetter(code[2]) ? 3 : 2);
    return designationNumber(rest, 2, 4, 2);
}

// JIS C 7012: 2S, the kind (A and B PNP, C and D NPN transistors, J and K field-effect ones),
// and a serial number: 2SC1815, 2SK30A.
bool isJis(std::string_view code) {
    constexpr std::string_view kKinds = "ABCDJK";
    return code.size() >= 5 && code.starts_with("2S") &&
           kKinds.find(code[2]) != std::string_view::npos &&
           designationNumber(code.substr(3), 2, 4, 3);
}

} // namespace

std::optional<std::string> semiconductorDesignation(std::string_view text) {
    for (const Word& word : wordsOf(text)) {
        const std::string code = codes::inCapitals(text.substr(word.begin, word.end - word.begin));
        const char* system = isJedec(code)         ? "JEDEC"
                             : isProElectron(code) ? "Pro Electron"
                             : isJis(code)         ? "JIS"
                                                   : nullptr;
        if (system)
            return std::string("обозначение полупроводникового прибора (")
                .append(system)
                .append("), не пассивная деталь");
    }
    return std::nullopt;
}

} // namespace vantrel::marking
