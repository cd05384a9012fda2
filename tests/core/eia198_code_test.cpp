// The EIA-198 code of SMD ceramics checked against encodings of its own: the capitals against
// the E24 series by its definition, the small letters against each source's table as that
// source prints it, the digit against powers of ten; and what is no such code.
#include "core/codes/eia198_code.h"
#include "printers.h"
#include "series_definition.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace vantrel::codes {
inline void PrintTo(const Eia198Reading& r, std::ostream* out) {
    value::PrintTo(r.picofarads, out);
    *out << " " << r.tables;
}
} // namespace vantrel::codes

using vantrel::codes::eia198CodeFor;
using vantrel::codes::Eia198Reading;
using vantrel::codes::readEia198Code;
using vantrel::value::Decimal;

namespace {

// The two sources of the small letters, each as one line of letter and figures.
constexpr std::string_view kNic = "a25 b30 c35 d40 e45 f50 m60 n70 t80 g90";
constexpr std::string_view kK7itm = "a25 b35 d40 e45 f50 m60 n70 t80 y90";

std::map<char, int> smallLetters(std::string_view line) {
    std::map<char, int> letters;
    for (std::size_t at = 0; at + 3 <= line.size(); at += 4)
        letters[line[at]] = (line[at + 1] - '0') * 10 + (line[at + 2] - '0');
    return letters;
}

// The readings a letter and a digit must give, in the order tables are named: each figure the
// letter has in some source, each power the digit has, and the sources named where they part.
std::vector<Eia198Reading> expected(char letter, char digit) {
    std::vector<std::pair<int, std::string>> figures;
    if (letter >= 'A' && letter <= 'Z' && letter != 'I' && letter != 'O') {
        // The capitals, I and O left out, are the E24 series in order.
        int index = letter - 'A' - (letter > 'I') - (letter > 'O');
        figures.emplace_back(vantrel::test::definition(24)[static_cast<std::size_t>(index)] / 10,
                             "");
    } else {
        const auto nic = smallLetters(kNic), k7itm = smallLetters(kK7itm);
        const bool inNic = nic.contains(letter), inK7itm = k7itm.contains(letter);
        if (inNic && inK7itm && nic.at(letter) == k7itm.at(letter)) {
            figures.emplace_back(nic.at(letter), "");
        } else {
            if (inNic)
                figures.emplace_back(nic.at(letter), "по таблице NIC Components");
            if (inK7itm)
                figures.emplace_back(k7itm.at(letter), "по таблице K7ITM");
        }
    }
    std::vector<std::pair<int, std::string>> powers;
    const int d = digit - '0';
    if (d <= 7)
        powers.emplace_back(d, "");
    else // 8 and 9: the power of ten itself, or 0,01 and 0,1 as in the three-digit code
        powers = {{d, "множитель 10 в степени цифры"},
                  {d - 10, "множитель как в трёхзначном коде"}};
    std::vector<Eia198Reading> readings;
    for (const auto& [figure, figureTable] : figures)
        for (const auto& [power, powerTable] : powers) {
            std::string tables = figureTable;
            if (!tables.empty() && !powerTable.empty())
                tables += ", ";
            readings.push_back({Decimal{figure, power - 1}, tables + powerTable});
        }
    return readings;
}

} // namespace

// Every ASCII letter with every digit, alone and after a maker's letter: the readings its
// sources give, none for a letter no source has.
TEST(Eia198Code, EveryLetterAndDigitReadsAsItsSourcesSay) {
    int read = 0;
    for (char letter = 'A'; letter <= 'z'; ++letter) {
        if (!std::isalpha(static_cast<unsigned char>(letter)))
            continue;
        for (char digit = '0'; digit <= '9'; ++digit) {
            const std::string code{letter, digit};
            const std::vector<Eia198Reading> want = expected(letter, digit);
            EXPECT_EQ(readEia198Code(code), want) << code;
            EXPECT_EQ(readEia198Code("K" + code), want) << code;
            read += !want.empty();
        }
    }
    EXPECT_EQ(read, (24 + 11) * 10); // the capitals and a b c d e f g m n t y
}

// Look-alikes, the maker's letter, the case, and what is no code.
TEST(Eia198Code, TypingAndWhatIsNoCode) {
    const std::vector<Eia198Reading> a4{{{10, 3}, ""}};
    EXPECT_EQ(readEia198Code(" А4 "), a4); // a Cyrillic А, spaces around
    EXPECT_EQ(readEia198Code("NА4"), a4);
    EXPECT_EQ(readEia198Code("а4"), (std::vector<Eia198Reading>{{{25, 3}, ""}})); // small а
    for (const std::string_view none :
         {"", "A", "4", "A44", "4A", "kA2", "1A2", "KKA2", "I3", "O3", "A-", "A 4", "ÄA4"})
        EXPECT_TRUE(readEia198Code(none).empty()) << none;
}

// The code is written where every table reads it the same: a capital, or a small letter both
// sources give alike, and a power 0 to 7; each code written reads back to its value alone.
TEST(Eia198Code, WrittenWhereEveryTableAgreesAndReadBack) {
    std::set<std::string> written;
    for (int exponent = -3; exponent <= 9; ++exponent)
        for (int figures = 10; figures <= 99; ++figures)
            if (const auto code = eia198CodeFor({figures, exponent})) {
                written.insert(*code);
                EXPECT_EQ(readEia198Code(*code),
                          (std::vector<Eia198Reading>{{Decimal{figures, exponent}, ""}}))
                    << *code;
            }
    EXPECT_EQ(written.size(), (24u + 7u) * 8u);      // a d e f m n t, powers 0 to 7
    EXPECT_EQ(eia198CodeFor({35, 3}), std::nullopt); // b or c
    EXPECT_EQ(eia198CodeFor({10, 7}), std::nullopt); // the digit 8
    EXPECT_EQ(eia198CodeFor({101, 1}), std::nullopt);
    EXPECT_EQ(eia198CodeFor({0}), std::nullopt);
}
