// The command line: what is answered before a window exists, and what is left to Qt.
#include "core/cli/command_line.h"
#include "core/cli/marking_answers.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>
#include <streambuf>
#include <vector>

using vantrel::cli::answerCommandLine;

namespace {

struct Answer {
    int exitCode;
    std::string standardOutput;
    std::string standardError;
};

std::optional<Answer> answer(std::vector<const char*> arguments, const std::string& input = {}) {
    arguments.insert(arguments.begin(), "vantrel");
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const std::optional<int> exitCode =
        answerCommandLine(static_cast<int>(arguments.size()), arguments.data(), in, out, err);
    if (!exitCode)
        return std::nullopt;
    return Answer{*exitCode, out.str(), err.str()};
}

} // namespace

TEST(CommandLine, StartsWithNoOptionsOrOnlyQtsOwn) {
    const std::vector<std::vector<const char*>> cases = {
        {},
        {"-platform", "offscreen"},
        {"--platform", "xcb:nodesktop", "-reverse"},
        {"-style", "Fusion", "-stylesheet", "a.qss"},
        {"-style=Fusion", "--stylesheet=a.qss", "-qmljsdebugger=port:1"},
        {"-display", ":1", "-name", "x", "-geometry", "10x10", "-title", "t", "-session", "s"},
        {"-platformpluginpath", "/p", "-platformtheme", "t", "-plugin", "p", "-widgetcount"},
        {"--"},
    };
    for (const auto& arguments : cases)
        EXPECT_FALSE(answer(arguments).has_value()) << arguments.size() << " arguments";
}

TEST(CommandLine, HelpAndVersionAnswerOnStandardOutput) {
    struct Case {
        std::vector<const char*> arguments;
        std::string_view firstLine;
    };
    const Case cases[] = {
        {{"--help"}, "Использование: vantrel [ПАРАМЕТР]... [МАРКИРОВКА]..."},
        {{"-h"}, "Использование: vantrel [ПАРАМЕТР]... [МАРКИРОВКА]..."},
        {{"-platform", "offscreen", "--help"},
         "Использование: vantrel [ПАРАМЕТР]... [МАРКИРОВКА]..."},
        {{"--version"}, "Vantrel " VANTREL_VERSION},
        {{"--version", "--help"}, "Vantrel " VANTREL_VERSION},
        {{"--help", "--bogus"}, "Использование: vantrel [ПАРАМЕТР]... [МАРКИРОВКА]..."},
    };
    for (const Case& c : cases) {
        const auto result = answer(c.arguments);
        ASSERT_TRUE(result.has_value()) << c.firstLine;
        EXPECT_EQ(result->exitCode, 0);
        EXPECT_EQ(result->standardOutput.substr(0, result->standardOutput.find('\n')), c.firstLine);
        EXPECT_EQ(result->standardError, "");
    }
}

TEST(CommandLine, AnythingElseIsOneLineOnStandardErrorAndExitCodeTwo) {
    struct Case {
        std::vector<const char*> arguments;
        std::string_view problem;
    };
    const Case cases[] = {
        {{"--bogus"}, "неизвестный параметр «--bogus»"},
        {{"-v"}, "неизвестный параметр «-v»"},
        {{"--help=x"}, "неизвестный параметр «--help=x»"},
        {{"-stylex"}, "неизвестный параметр «-stylex»"},
        {{"472", "--bogus"}, "неизвестный параметр «--bogus»"},
        {{"--json"}, "параметру «--json» нужна маркировка"},
        {{"-platform"}, "параметру «-platform» нужно значение"},
        {{"-reverse", "--style"}, "параметру «--style» нужно значение"},
        {{"-бяка"}, "неизвестный параметр «-бяка»"},
    };
    for (const Case& c : cases) {
        const auto result = answer(c.arguments);
        ASSERT_TRUE(result.has_value()) << c.problem;
        EXPECT_EQ(result->exitCode, 2);
        EXPECT_EQ(result->standardOutput, "");
        EXPECT_EQ(result->standardError,
                  "vantrel: " + std::string(c.problem) + "\nСправка: vantrel --help\n");
    }
}

// Markings are answered in the order given, "-" taking the lines of standard input at its
// place; blank lines of a parts list are passed over, and the exit code says whether every
// marking read.
TEST(CommandLine, MarkingsAreAnsweredInOrderWithTheirExitCode) {
    struct Case {
        std::vector<const char*> arguments;
        std::string input;
        int exitCode;
        std::string_view output;
        std::string_view errors;
    };
    const Case cases[] = {
        {{"4K7"},
         "",
         0,
         "4K7\n  Резистор, буквенный код: 4,7 кОм; Ряд E6\n"
         "    4 полосы: Жёлт. Фиол. Крас. + полоса допуска детали\n"
         "    5 полос: Жёлт. Фиол. Чёрн. Кор. + полоса допуска детали\n"
         "    SMD, 3 цифры: 472\n    SMD, 4 цифры: 4701\n    Буквенный код: 4K7\n",
         ""},
        {{"000"},
         "",
         0,
         "000\n  Резистор, SMD-код: 0 Ом\n    SMD, 3 цифры: 000\n"
         "    SMD, 4 цифры: 0000\n    Одна полоса: Чёрн.\n",
         ""},
        {{"-platform", "offscreen", "9996"},
         "",
         0,
         "9996\n  Резистор, SMD-код: 999 МОм; Нет в рядах E6–E192, ближайшие: 988 МОм и 1000 "
         "МОм\n    5 полос: Бел. Бел. Бел. Гол. + полоса допуска детали\n    SMD, 4 цифры: 9996\n"
         "    Буквенный код: 999M\n  Конденсатор, код: 999 мкФ; Нет в рядах E6–E192, "
         "ближайшие: 988 мкФ и 1000 мкФ\n    Буква вместо запятой: 999µ\n",
         ""},
        {{"47", "-", "hello"},
         "4n7\r\n\n  \t\r\n p47 \n",
         1,
         "47\n  Конденсатор, код: 47 пФ; Ряд E6\n    Трёхзначный код: 470\n"
         "    Буква вместо запятой: 47p\n    SMD-конденсатор, EIA-198: S1\n"
         "4n7\n  Конденсатор, код: 4,7 нФ; Ряд E6\n"
         "    Трёхзначный код: 472\n    Буква вместо запятой: 4n7\n"
         "    SMD-конденсатор, EIA-198: S3\n"
         "p47\n  Конденсатор, код: 0,47 пФ; Ряд E6\n    Трёхзначный код: 478\n"
         "    Буква вместо запятой: p47\nhello\n",
         "vantrel: «hello»: нет прочтения\n"},
        {{"--", "-", "-4n7"},
         "47",
         1,
         "-\n-4n7\n",
         "vantrel: «-»: нет прочтения\nvantrel: «-4n7»: нет прочтения\n"},
        {{""}, "", 1, "\n", "vantrel: «»: нет прочтения\n"},
        {{"1N4148", "10k DNP"},
         "",
         1,
         "1N4148\n10k DNP\n",
         "vantrel: «1N4148»: нет прочтения: обозначение полупроводникового прибора (JEDEC), не "
         "пассивная деталь\nvantrel: «10k DNP»: нет прочтения: непонятное слово «DNP»\n"},
        {{"\x1b[2J"}, "", 1, "?[2J\n", "vantrel: «?[2J»: нет прочтения\n"},
        {{"--json", "-"}, "", 0, "", ""},
        {{"--json", "\"\\\n\xFF"},
         "",
         1,
         "{\"input\": \"\\\"\\\\\\u000a\uFFFD\", \"readings\": [], \"reason\": null}\n",
         ""},
    };
    for (const Case& c : cases) {
        const auto result = answer(c.arguments, c.input);
        ASSERT_TRUE(result.has_value()) << c.output;
        EXPECT_EQ(result->exitCode, c.exitCode) << c.output;
        EXPECT_EQ(result->standardOutput, c.output);
        EXPECT_EQ(result->standardError, c.errors) << c.output;
    }
}

// The exit code counts every marking, wherever the one without a reading stands, among the
// arguments and the lines of standard input alike.
TEST(CommandLine, ExitCodeWhereverTheUnreadMarkingStands) {
    const struct {
        std::vector<const char*> arguments;
        std::string input;
        int exitCode;
    } cases[] = {
        {{"hello", "472", "4K7"}, "", 1},    {{"472", "hello", "4K7"}, "", 1},
        {{"472", "4K7", "hello"}, "", 1},    {{"472", "4K7", "2A104J"}, "", 0},
        {{"-"}, "hello\n472\n4K7\n", 1},     {{"-"}, "472\nhello\n4K7\n", 1},
        {{"-"}, "472\n4K7\nhello", 1},       {{"472", "-", "4K7"}, "hello\n", 1},
        {{"-"}, "472\n\n4K7\n", 0},          {{"--json", "472", "-"}, "4K7\nhello\n", 1},
        {{"--json", "hello", "472"}, "", 1},
    };
    for (const auto& c : cases) {
        const auto result = answer(c.arguments, c.input);
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(result->exitCode, c.exitCode) << c.arguments.front() << " " << c.input;
    }
}

// A marking of 256 bytes, spaces at its ends left out, is read and echoed whole; one of 257 is
// no marking and is echoed up to its 256th byte, whole characters only, and «…». A line of
// standard input longer than 64 KiB is no marking either, and the next line is read.
TEST(CommandLine, TheLimitOfAMarkingOnBothSides) {
    const std::string value = std::string(247, '0') + "47 кОм"; // 256 bytes, 47 кОм
    const std::string longer = "0" + value;
    ASSERT_EQ(value.size(), 256u);
    const auto read = answer({value.c_str(), longer.c_str()});
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->exitCode, 1);
    const std::string echoedLonger = std::string(248, '0') + "47 кО…"; // cut before «м»
    EXPECT_EQ(read->standardOutput.substr(0, read->standardOutput.find('\n')), value);
    EXPECT_NE(read->standardOutput.find("\n  Резистор, номинал с единицей: 47 кОм"),
              std::string::npos);
    EXPECT_NE(read->standardOutput.find("\n" + echoedLonger + "\n"), std::string::npos);
    EXPECT_EQ(read->standardError, "vantrel: «" + echoedLonger + "»: нет прочтения\n");

    const auto json = answer({"--json", value.c_str(), longer.c_str()});
    ASSERT_TRUE(json.has_value());
    EXPECT_EQ(json->standardOutput.substr(0, 12 + value.size()), "{\"input\": \"" + value + "\"");
    EXPECT_NE(json->standardOutput.find("{\"input\": \"" + echoedLonger +
                                        "\", \"readings\": [], \"reason\": null}"),
              std::string::npos);

    const std::string line(64 * 1024 + 1, '4');
    const auto lines =
        answer({"-"}, "  472" + std::string(64 * 1024 - 5, ' ') + "\n" + line + "\n4K7\n");
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(lines->exitCode, 1);
    EXPECT_EQ(lines->standardError, "vantrel: «" + std::string(256, '4') + "…»: нет прочтения\n");
    EXPECT_TRUE(lines->standardOutput.starts_with("472\n  Резистор, SMD-код")); // 64 KiB
    EXPECT_NE(lines->standardOutput.find("\n4K7\n  Резистор, буквенный код"), std::string::npos);
}

// What reaches a terminal is printable: controls, the characters that reorder or break a
// line, and bytes that are no UTF-8 are shown as «?»; letters of any script pass.
TEST(CommandLine, EchoedMarkingsAreOnlyPrintable) {
    const std::pair<std::string, std::string> cases[] = {
        {"\x1b[2J", "?[2J"},
        {"a\x7f"
         "b",
         "a?b"},
        {"\xc2\x9b"
         "31m",
         "?31m"}, // U+009B, the C1 CSI
        {"\xc2\x85"
         "x",
         "?x"}, // U+0085, next line
        {"\xe2\x80\xae"
         "cba",
         "?cba"}, // U+202E, right-to-left override
        {"\xe2\x81\xa6"
         "x\xe2\x81\xa9",
         "?x?"}, // an isolate and its end
        {"\xe2\x80\xa8"
         "x",
         "?x"}, // U+2028, line separator
        {"\xff\xfe"
         "47",
         "??47"},                // no UTF-8
        {"\xc0\xb1", "??"},      // an overlong «1»
        {"\xed\xa0\x80", "???"}, // a surrogate
        {"\xe2\x82", "??"},      // cut short
        {"кОм 電阻 Ω µ 😀", "кОм 電阻 Ω µ 😀"},
        {"\xc2\xa0"
         "x",
         "\xc2\xa0"
         "x"}, // a no-break space is printable
    };
    for (const auto& [typed, shown] : cases) {
        const auto result = answer({"--", typed.c_str()});
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(result->standardOutput, shown + "\n") << shown;
        EXPECT_TRUE(result->standardError.starts_with("vantrel: «" + shown + "»: нет прочтения"))
            << result->standardError;
    }
}

// JSON strings escape every control character and the two separators, carry every other
// character as it is, and give U+FFFD for each byte that is no UTF-8.
TEST(CommandLine, JsonStringsAtTheEdgesOfUtf8) {
    using vantrel::cli::jsonString;
    for (char32_t c = 0; c <= 0x9F; ++c) {
        if (c >= 0x20 && c < 0x7F)
            continue;
        std::string utf8;
        if (c < 0x80) {
            utf8 = std::string(1, static_cast<char>(c));
        } else {
            utf8 = {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
        }
        char expected[16];
        std::snprintf(expected, sizeof expected, "\"\\u%04x\"", static_cast<unsigned>(c));
        EXPECT_EQ(jsonString(utf8), expected) << static_cast<unsigned>(c);
    }
    const std::pair<std::string, std::string> cases[] = {
        {"\"\\/", "\"\\\"\\\\/\""},
        {"\xe2\x80\xa8\xe2\x80\xa9", "\"\\u2028\\u2029\""},
        {"\xed\x9f\xbf", "\"\xed\x9f\xbf\""},         // U+D7FF, the last before the surrogates
        {"\xee\x80\x80", "\"\xee\x80\x80\""},         // U+E000, the first after them
        {"\xf4\x8f\xbf\xbf", "\"\xf4\x8f\xbf\xbf\""}, // U+10FFFF
        {"\xc2\x80", "\"\\u0080\""},                  // the smallest two-byte form
        {"\xdf\xbf", "\"\xdf\xbf\""},                 // the largest
        {"\xed\xa0\x80", "\"\uFFFD\uFFFD\uFFFD\""},   // U+D800, a surrogate
        {"\xed\xbf\xbf", "\"\uFFFD\uFFFD\uFFFD\""},   // U+DFFF
        {"\xf4\x90\x80\x80", "\"\uFFFD\uFFFD\uFFFD\uFFFD\""}, // beyond U+10FFFF
        {"\xc0\x80", "\"\uFFFD\uFFFD\""},                     // overlong forms of NUL
        {"\xc1\xbf", "\"\uFFFD\uFFFD\""},
        {"\xe0\x80\x80", "\"\uFFFD\uFFFD\uFFFD\""},
        {"\xe0\x9f\xbf", "\"\uFFFD\uFFFD\uFFFD\""}, // U+07FF in three bytes
        {"\xf0\x80\x80\x80", "\"\uFFFD\uFFFD\uFFFD\uFFFD\""},
        {"\xf0\x8f\xbf\xbf", "\"\uFFFD\uFFFD\uFFFD\uFFFD\""},
        {"\xf5\x80\x80\x80", "\"\uFFFD\uFFFD\uFFFD\uFFFD\""},
        {"\x80"
         "a",
         "\"\uFFFD"
         "a\""}, // a lone continuation byte
        {"\xe2\x82"
         "a",
         "\"\uFFFD\uFFFD"
         "a\""}, // a sequence cut short
        {"ё\xff", "\"ё\uFFFD\""},
    };
    for (const auto& [text, json] : cases)
        EXPECT_EQ(jsonString(text), json) << json;
}

namespace {

// An output that takes so many bytes and then fails, as a full disk does.
class FullDisk : public std::streambuf {
public:
    explicit FullDisk(std::size_t room)
        : room_(room) {}
    std::string written;

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        if (written.size() == room_)
            return traits_type::eof();
        written += traits_type::to_char_type(c);
        return c;
    }

private:
    std::size_t room_;
};

} // namespace

// Once the output takes no more, the answer stops there: nothing more is read, and the exit
// code says the answer is not all written, whatever the markings were.
TEST(CommandLine, AnOutputThatFailsEndsTheAnswerWithExitCodeThree) {
    const struct {
        std::vector<const char*> arguments;
        std::size_t room;
    } cases[] = {
        {{"--help"}, 10},      {{"--version"}, 0}, {{"472"}, 5}, {{"472", "4K7", "hello"}, 40},
        {{"--json", "-"}, 30}, {{"-"}, 0},
    };
    for (const auto& c : cases) {
        std::vector<const char*> arguments = c.arguments;
        arguments.insert(arguments.begin(), "vantrel");
        std::istringstream in("472\n4K7\n");
        FullDisk disk(c.room);
        std::ostream out(&disk);
        std::ostringstream err;
        const auto exitCode = vantrel::cli::answerCommandLine(static_cast<int>(arguments.size()),
                                                              arguments.data(), in, out, err);
        EXPECT_EQ(exitCode, 3) << c.arguments.front();
        EXPECT_EQ(disk.written.size(), c.room) << c.arguments.front();
        if (c.arguments.back() == std::string_view("-")) {
            EXPECT_EQ(in.tellg(), 4) << "one line read: " << c.arguments.front();
        }
    }
}

// The facts of a reading in JSON as the manual page gives them: values in ohms and farads,
// sizes both ways, a rating alone without a value, the reason where there is no reading. The
// core's own tests hold them, so that a change to the JSON is caught without the program.
TEST(CommandLine, JsonFactsInTheDocumentedUnits) {
    struct Case {
        const char* marking;
        std::string fragment;
    };
    const Case cases[] = {
        {"10k 0603", R"("package": {"inch": "0603", "metric": "1608"})"},
        {"5W 10RJ", R"("voltage": null, "power": "5")"},
        {"X7R", R"("form": "dielectric", "table": null, "value": null, "unit": "F")"},
        {"X7R",
         R"("change_limits": {"kind": "percent", "plus": "15", "minus": "15", "unit": null})"},
        {"100C", R"("value": "0.00000000001", "unit": "F")"},
        {"100C",
         R"({"kind": "absolute", "plus": "0.00000000000025", "minus": "0.00000000000025", "unit": "F"})"},
        {"10k 1% 100ppm", R"("tempco": "±100 ppm/°C", "tempco_ppm": "100")"},
        {"BC547",
         R"("readings": [], "reason": "обозначение полупроводникового прибора (Pro Electron), не пассивная деталь")"},
    };
    for (const Case& c : cases) {
        const std::optional<Answer> json = answer({"--json", c.marking});
        ASSERT_TRUE(json);
        EXPECT_NE(json->standardOutput.find(c.fragment), std::string::npos) << c.marking << "\n"
                                                                            << json->standardOutput;
    }
}
