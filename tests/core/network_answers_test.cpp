// --combine and --divider on the command line: their answers, text and JSON, and every way a
// question is refused with exit code 2 and nothing on standard output.
#include "core/cli/command_line.h"
#include "core/marking/any_marking.h"
#include "core/networks/stock.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace {

struct Answer {
    int exitCode;
    std::string standardOutput;
    std::string standardError;
};

Answer answer(std::vector<const char*> arguments, const std::string& input = {}) {
    arguments.insert(arguments.begin(), "vantrel");
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const std::optional<int> exitCode = vantrel::cli::answerCommandLine(
        static_cast<int>(arguments.size()), arguments.data(), in, out, err);
    EXPECT_TRUE(exitCode.has_value());
    return Answer{exitCode.value_or(-1), out.str(), err.str()};
}

// A file of the test's own, removed when the test ends.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& text)
        : path_(
              std::filesystem::temp_directory_path() /
              ("vantrel-stock-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++))) {
        std::ofstream(path_, std::ios::binary) << text;
    }
    ~TemporaryFile() { std::filesystem::remove(path_); }
    const char* path() const { return path_.c_str(); }

private:
    static inline int counter_ = 0;
    std::filesystem::path path_;
};

} // namespace

TEST(NetworkAnswers, TextAndJson) {
    const Answer text = answer({"--combine", "14,7 кОм", "--series", "E12"});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(text.standardError, "");
    EXPECT_EQ(text.standardOutput,
              "14,7 кОм, ряд E12 ±10 % (+ последовательно, ‖ параллельно):\n"
              "  12 кОм + 2,7 кОм = 14,7 кОм, ошибка 0 %, с допуском от 13,23 кОм до 16,17 кОм\n"
              "  15 кОм, ошибка +2,041 %, с допуском от 13,5 кОм до 16,5 кОм\n");
    // The same question however it is typed, and the options in any order.
    for (const std::vector<const char*>& same :
         {std::vector<const char*>{"--series=e12", "--combine=14k7"},
          {"--combine", "14.7k", "--series", "E12", "--parts", "3"}})
        EXPECT_EQ(answer(same).standardOutput, text.standardOutput);

    const Answer json = answer({"--json", "--combine", "4n7", "--series", "E3", "--parts", "2"});
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_EQ(
        json.standardOutput,
        R"({"target": "0.0000000047", "unit": "F", "component": "capacitor", "series": "E3", )"
        R"("parts_at_most": 2, "networks": [{"shape": "a", "parts": ["0.0000000047"], )"
        R"("value": "0.0000000047", "error_percent": "0", "least": null, "most": null, )"
        R"("text": "4,7 нФ, ошибка 0 %"}]})"
        "\n");
    // Capacitors in parallel add: "a||b" is the shape whose values add.
    const Answer both = answer({"--combine", "200n", "--series", "E6", "--json"});
    EXPECT_NE(both.standardOutput.find(
                  R"("networks": [{"shape": "a||b", "parts": ["0.0000001", "0.0000001"], )"
                  R"("value": "0.0000002", "error_percent": "0", "least": "0.00000016", )"
                  R"("most": "0.00000024", "text": "100 нФ ‖ 100 нФ = 200 нФ, ошибка 0 %, )"
                  R"(с допуском от 160 нФ до 240 нФ"}, {"shape": "a", "parts": ["0.00000022"], )"
                  R"("value": "0.00000022", "error_percent": "10", )"),
              std::string::npos)
        << both.standardOutput;

    const Answer divider = answer({"--divider", "5", "1,2 В"});
    EXPECT_EQ(divider.exitCode, 0);
    EXPECT_EQ(divider.standardOutput,
              "Делитель 5 В → 1,2 В, ряд E24 ±5 %, сумма около 10 кОм (+ последовательно, ‖ "
              "параллельно):\n"
              "  верх 7,5 кОм + 100 Ом = 7,6 кОм, низ 2,4 кОм: 1,2 В, ошибка 0 %, сумма 10 кОм, "
              "с допуском от 1,111 В до 1,294 В\n"
              "  верх 5,1 кОм, низ 1,6 кОм: 1,194 В, ошибка -0,4975 %, сумма 6,7 кОм, с допуском "
              "от 1,105 В до 1,287 В\n");
    const Answer ratio = answer({"--divider", "0,5", "--total", "2k", "--series", "E3", "--json"});
    EXPECT_EQ(ratio.standardOutput,
              R"({"ratio": "0.5", "input": null, "output": null, "total_aimed": "2000", )"
              R"("series": "E3", "dividers": [{"upper": {"shape": "a", "parts": ["1000"], )"
              R"("value": "1000"}, "lower": {"shape": "a", "parts": ["1000"], "value": "1000"}, )"
              R"("ratio": "0.5", "output": null, "error_percent": "0", "total": "2000", )"
              R"("ratio_least": null, "ratio_most": null, "text": "верх 1 кОм, низ 1 кОм: )"
              R"(коэффициент 0,5, ошибка 0 %, сумма 2 кОм"}]})"
              "\n");
}

TEST(NetworkAnswers, TheBuildersOwnList) {
    const TemporaryFile box("# ящик\n1K0F\n2K2F; 330 Ом ±1 %\n");
    const Answer answered = answer({"--combine", "1k33", "--series", box.path()});
    EXPECT_EQ(answered.exitCode, 0) << answered.standardError;
    EXPECT_EQ(answered.standardOutput,
              "1,33 кОм, список «" + std::string(box.path()) +
                  "» (+ последовательно, ‖ параллельно):\n"
                  "  1 кОм + 330 Ом = 1,33 кОм, ошибка 0 %, с допуском от 1,317 кОм до 1,343 кОм\n"
                  "  1 кОм, ошибка -24,81 %, с допуском от 990 Ом до 1,01 кОм\n");
    const Answer fromInput = answer({"--combine", "1k33", "--series", "-"}, "1k\n330\n");
    EXPECT_EQ(fromInput.exitCode, 0);
    EXPECT_NE(fromInput.standardOutput.find("1 кОм + 330 Ом = 1,33 кОм, ошибка 0 %\n"),
              std::string::npos)
        << fromInput.standardOutput;
    // No pair of this list sums to about 10 кОм: no answer, and it is said.
    const Answer none = answer({"--divider", "0,5", "--series", "-"}, "1\n1M\n");
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(none.standardOutput, "");
    EXPECT_NE(none.standardError.find(
                  "нет делителя с суммой около 10 кОм (список со стандартного ввода)"),
              std::string::npos);
}

TEST(NetworkAnswers, RefusedWithExitCodeTwoAndNothingWritten) {
    const TemporaryFile empty("");
    const TemporaryFile unread("1k\nтри ома\n");
    const TemporaryFile capacitors("100n\n");
    const std::string missing = std::string(empty.path()) + "-missing";
    struct Case {
        std::vector<const char*> arguments;
        std::string message; // the first line on standard error, without "vantrel: "
        std::string input = {};
    };
    const Case cases[] = {
        {{"--combine", "0"}, "«0»: ноль, а нужно больше"},
        {{"--combine", "-4k7"}, "«-4k7»: меньше нуля, а нужно больше"},
        {{"--combine", "кот"}, "«кот» не номинал: пишите, например, 4,7 кОм, 4k7, 100 нФ"},
        {{"--combine", ""}, "не задано: номинал"},
        {{"--combine", "50M"},
         "50 МОм не собрать: из трёх деталей (ряд E24 ±5 %) получается от 0,3333 Ом до 30 МОм"},
        {{"--combine", "0,5", "--parts", "1"},
         "0,5 Ом не собрать: из одной детали (ряд E24 ±5 %) получается от 1 Ом до 10 МОм"},
        {{"--combine", "1k", "--parts", "4"}, "«--parts»: 1, 2 или 3 детали, а не «4»"},
        {{"--combine", "1k", "--series", "E7"}, "не удалось открыть список номиналов «E7»"},
        {{"--combine", "1k", "--series", empty.path()},
         "список «" + std::string(empty.path()) + "»: в списке нет ни одного номинала"},
        {{"--combine", "1k", "--series", missing.c_str()},
         "не удалось открыть список номиналов «" + missing + "»"},
        {{"--combine", "1k", "--series", unread.path()},
         "список «" + std::string(unread.path()) +
             "», строка 2: «три ома» не номинал: пишите, например, 4,7 кОм, 4k7, 100 нФ"},
        {{"--combine", "1k", "--series", capacitors.path()},
         "список «" + std::string(capacitors.path()) +
             "», строка 1: «100n» — ёмкость, а нужно сопротивление"},
        {{"--combine", "1k", "--series", "-"},
         "список со стандартного ввода: в списке нет ни одного номинала"},
        {{"--divider", "5", "6"}, "выходное напряжение делителя должно быть меньше входного"},
        {{"--divider", "5", "-1"}, "«-1»: меньше нуля, а нужно больше"},
        {{"--divider", "1,5"}, "«1,5»: коэффициент делителя должен быть меньше 1"},
        {{"--divider", "5", "1", "--total", "1"},
         "сумма делителя 1 Ом вне того, что дают две детали (ряд E24 ±5 %): от 2 Ом до 20 МОм"},
        {{"--divider", "5", "1", "--total", "1n"},
         "«1n»: сумма делителя — сопротивление, а это ёмкость"},
        {{"--divider", "5", "1", "--total", "10uH"},
         "«10uH»: сумма делителя — сопротивление, а это индуктивность"},
        {{"--combine", "кор чёрн крас"},
         "«кор чёрн крас» не номинал: пишите, например, 4,7 кОм, 4k7, 100 нФ"},
        // Options the questions do not take.
        {{"--combine", "1k", "--total", "10k"}, "параметр «--total» только для «--divider»"},
        {{"--divider", "0,5", "--parts", "2"}, "параметр «--parts» только для «--combine»"},
        {{"--series", "E12", "472"}, "параметр «--series» только для «--combine» и «--divider»"},
        {{"--combine", "1k", "472"}, "с «--combine» и «--divider» маркировки не читаются: «472»"},
        {{"--combine", "1k", "--divider", "0,5"},
         "«--combine» и «--divider» не задаются вместе и дважды"},
        {{"--combine"}, "параметру «--combine» нужен номинал"},
        {{"--divider"},
         "параметру «--divider» нужны входное и выходное напряжения или коэффициент"},
        {{"--combine", "1k", "--series"}, "параметру «--series» нужно значение"},
    };
    for (const Case& c : cases) {
        const Answer refused = answer(c.arguments, c.input);
        const std::string where = c.arguments.front() + std::string(" ") + c.message;
        EXPECT_EQ(refused.exitCode, 2) << where;
        EXPECT_EQ(refused.standardOutput, "") << where;
        EXPECT_EQ(refused.standardError.substr(0, refused.standardError.find('\n')),
                  "vantrel: " + c.message)
            << where;
    }
}

// Whatever is typed, given or read reaches standard error echoed: no control byte of the input
// is ever written, on any path that refuses.
TEST(NetworkAnswers, ControlBytesNeverReachTheTerminal) {
    const std::string bytes = "\x1b[2J\x07\x9b\xe2\x80\xae";
    const TemporaryFile list("1k\n" + bytes + "1k\n");
    const std::string named = std::string(list.path()) + bytes;
    const std::string value = bytes + "1k";
    const std::vector<std::vector<const char*>> questions = {
        {"--combine", value.c_str()},
        {"--combine", "1k", "--series", named.c_str()},
        {"--combine", "1k", "--series", list.path()},
        {"--combine", "1k", "--parts", value.c_str()},
        {"--divider", value.c_str(), "1"},
        {"--divider", "5", value.c_str()},
        {"--divider", value.c_str()},
        {"--divider", "5", "1", "--total", value.c_str()},
        {"--combine", "1k", value.c_str()},
        {value.c_str()},
        {"--combine", "1k", "--series", "-"},
    };
    for (const auto& arguments : questions) {
        const Answer refused = answer(arguments, bytes + "\n");
        EXPECT_NE(refused.exitCode, 0) << arguments.back();
        for (const std::string& written : {refused.standardOutput, refused.standardError}) {
            EXPECT_EQ(written.find_first_of("\x1b\x07\x7f\r"), std::string::npos) << written;
            EXPECT_EQ(written.find("\xe2\x80\xae"), std::string::npos) << written;
        }
    }
}

TEST(NetworkAnswers, WorkedCommands) {
    struct Case {
        std::vector<const char*> arguments;
        int exitCode;
        std::string firstLine; // the first line of standard output after the heading
    };
    const Case cases[] = {
        // Ties go to the fewest distinct values.
        {{"--combine", "260", "--series", "E12"},
         0,
         "  390 Ом ‖ (390 Ом + 390 Ом) = 260 Ом, ошибка 0 %, с допуском от 234 Ом до 286 Ом"},
        {{"--combine", "6180", "--series", "E12"},
         0,
         "  180 Ом + (12 кОм ‖ 12 кОм) = 6,18 кОм, ошибка 0 %, с допуском от 5,562 кОм до "
         "6,798 кОм"},
        {{"--combine", "69300nH", "--series", "E48"},
         0,
         "  30,1 мкГн + 19,6 мкГн + 19,6 мкГн = 69,3 мкГн, ошибка 0 %, с допуском от 67,91 мкГн "
         "до 70,69 мкГн"},
        // Exact, though a double makes 3,3 + 5,6 and 1,2 / (1,8 + 1,2) a little off.
        {{"--combine", "8,9", "--series", "E12"},
         0,
         "  5,6 Ом + 3,3 Ом = 8,9 Ом, ошибка 0 %, с допуском от 8,01 Ом до 9,79 Ом"},
        {{"--divider", "0,4", "--total", "3", "--series", "E12"},
         0,
         "  верх 1,8 Ом, низ 1,2 Ом: коэффициент 0,4, ошибка 0 %, сумма 3 Ом, с допуском от "
         "0,3529 до 0,449"},
        // Series typed with a Cyrillic Е; an option glued to its value.
        {{"--combine", "1k", "--series", "Е12"},
         0,
         "  1 кОм, ошибка 0 %, с допуском от 900 Ом до 1,1 кОм"},
        {{"--divider=5", "1,2", "--series", "E48"},
         0,
         "  верх 28,7 кОм ‖ 13,3 кОм ≈ 9,088 кОм, низ 2,87 кОм: 1,2 В, ошибка 0 %, сумма "
         "11,96 кОм, с допуском от 1,164 В до 1,237 В"},
        {{"--divider", "12 в", "5 в", "--series", "E6", "--total", "1,5 кОм"},
         0,
         "  верх 47 кОм ‖ 2,2 кОм ≈ 2,102 кОм, низ 1,5 кОм: 4,998 В, ошибка -0,04515 %, сумма "
         "3,602 кОм, с допуском от 3,869 В до 6,205 В"},
    };
    for (const Case& c : cases) {
        const Answer answered = answer(c.arguments);
        EXPECT_EQ(answered.exitCode, c.exitCode) << c.arguments[1];
        const std::size_t heading = answered.standardOutput.find('\n') + 1;
        EXPECT_EQ(answered.standardOutput.substr(
                      heading, answered.standardOutput.find('\n', heading) - heading),
                  c.firstLine)
            << answered.standardOutput;
    }
    // No divider: an empty list in JSON, the reason on standard error, exit code 1.
    const Answer none = answer({"--json", "--divider", "0,5", "--series", "-"}, "1\n1M\n");
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_NE(none.standardOutput.find(R"("series": null, "dividers": []})"), std::string::npos)
        << none.standardOutput;
    EXPECT_NE(none.standardError.find("нет делителя"), std::string::npos);
    // JSON's figures are ten, enough to tell a divider's range apart from its neighbours'.
    EXPECT_NE(answer({"--json", "--divider", "5", "1,2", "--series", "E48"})
                  .standardOutput.find(R"("ratio_least": "0.2327790974", )"),
              std::string::npos);
    // The bounds taken exactly: a list of 1 МиБ, by file and on standard input, and a value of
    // 256 bytes are read; a byte more is refused. A divider's parts are resistors.
    using vantrel::marking::kLongestMarking;
    using vantrel::networks::kLongestStockText;
    const std::string list = "1k\n" + std::string(kLongestStockText - 3, '#');
    const std::string value = std::string(kLongestMarking - 2, '0') + "1k";
    for (const bool over : {false, true}) {
        const TemporaryFile file(list + std::string(over, '#'));
        const std::string longer = std::string(over, '0') + value;
        const Answer answers[] = {
            answer({"--combine", "1k", "--series", file.path()}),
            answer({"--combine", "1k", "--series", "-"}, list + std::string(over, '#')),
            answer({"--combine", longer.c_str()})};
        for (const Answer& answered : answers)
            EXPECT_EQ(answered.exitCode, over ? 2 : 0) << answered.standardError;
    }
    EXPECT_EQ(answer({"--divider", "5", "1", "--series", "-"}, "1n\n").standardError,
              "vantrel: список со стандартного ввода, строка 1: «1n» — ёмкость, а нужно "
              "сопротивление\n");
    // A list that is a folder is named as what failed, once.
    const Answer folder = answer({"--combine", "1k", "--series", "/"});
    EXPECT_EQ(folder.exitCode, 2);
    EXPECT_EQ(folder.standardError,
              "vantrel: не удалось прочитать список номиналов «/»: это каталог\n");
}
