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
