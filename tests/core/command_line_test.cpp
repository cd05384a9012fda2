// The command line: what is answered before a window exists, and what is left to Qt.
#include "core/cli/command_line.h"

#include <gtest/gtest.h>
#include <sstream>
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
         "    SMD, 4 цифры: 0000\n",
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
         "    Буква вместо запятой: 47p\n4n7\n  Конденсатор, код: 4,7 нФ; Ряд E6\n"
         "    Трёхзначный код: 472\n    Буква вместо запятой: 4n7\n"
         "p47\n  Конденсатор, код: 0,47 пФ; Ряд E6\n    Трёхзначный код: 478\n"
         "    Буква вместо запятой: p47\nhello\n",
         "vantrel: «hello»: нет прочтения\n"},
        {{"--", "-", "-4n7"},
         "47",
         1,
         "-\n-4n7\n",
         "vantrel: «-»: нет прочтения\nvantrel: «-4n7»: нет прочтения\n"},
        {{""}, "", 1, "\n", "vantrel: «»: нет прочтения\n"},
        {{"\x1b[2J"}, "", 1, "?[2J\n", "vantrel: «?[2J»: нет прочтения\n"},
        {{"--json", "-"}, "", 0, "", ""},
        {{"--json", "\"\\\n\xFF"},
         "",
         1,
         "{\"input\": \"\\\"\\\\\\u000a\uFFFD\", \"readings\": []}\n",
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
