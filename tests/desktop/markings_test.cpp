// The real program reading markings with no display at all: its text, its JSON Lines parsed
// by Qt's own JSON reader, standard input, and its three exit codes.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#ifndef VANTREL_PROGRAM
#error "VANTREL_PROGRAM is the path of the program under test"
#endif

namespace {

struct ProgramRun {
    int exitCode = -1;
    std::string output;
    std::string errors;
};

std::string shellQuoted(std::string_view text) {
    std::string shell = "'";
    for (const char c : text)
        shell += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return shell + "'";
}

// The program with these arguments and this standard input, without DISPLAY or WAYLAND_DISPLAY.
ProgramRun run(const std::vector<std::string>& arguments, const std::string& input = {}) {
    const std::filesystem::path scratch = std::filesystem::temp_directory_path();
    const auto in = scratch / ("vantrel-in-" + std::to_string(::getpid()));
    const auto err = scratch / ("vantrel-err-" + std::to_string(::getpid()));
    std::ofstream(in) << input;
    std::string command =
        "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + shellQuoted(VANTREL_PROGRAM);
    for (const std::string& argument : arguments)
        command += " " + shellQuoted(argument);
    command += " <" + shellQuoted(in.string()) + " 2>" + shellQuoted(err.string());
    ProgramRun result;
    FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[4096];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        result.output.append(buffer, read);
    const int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream errors(err);
    result.errors.assign(std::istreambuf_iterator<char>(errors), {});
    std::filesystem::remove(in);
    std::filesystem::remove(err);
    return result;
}

QList<QJsonObject> jsonLines(const std::string& output) {
    QList<QJsonObject> objects;
    for (const QByteArray& line : QByteArray::fromStdString(output).split('\n')) {
        if (line.isEmpty())
            continue;
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(line, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
        EXPECT_TRUE(document.isObject()) << line.toStdString();
        objects.append(document.object());
    }
    return objects;
}

} // namespace

TEST(Markings, TextNamesEachReadingAndExitsZero) {
    const ProgramRun result = run({"2A104J", "68R"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.errors, "");
    EXPECT_EQ(result.output, "2A104J\n"
                             "  Конденсатор, код: 100 нФ ±5 %, 100 В; Ряд E6\n"
                             "    Трёхзначный код: 104\n"
                             "    Буква вместо запятой: 100n\n"
                             "    Буква вместо запятой: µ1\n"
                             "68R\n"
                             "  Резистор, SMD-код: 68 Ом; Ряд E6\n"
                             "    4 полосы: Гол. Сер. Чёрн. + полоса допуска детали\n"
                             "    5 полос: Гол. Сер. Чёрн. Золот. + полоса допуска детали\n"
                             "    SMD, 3 цифры: 680\n"
                             "    SMD с R: 68R0\n"
                             "    Буквенный код: 68R\n"
                             "  Резистор, EIA-96 с буквами R, S, H: 4,99 Ом ±1 %; Ряд E96\n"
                             "    5 полос: Жёлт. Бел. Бел. Сереб. Кор.\n"
                             "    SMD с R: 4R99\n"
                             "    EIA-96: 68Y\n"
                             "    Буквенный код: 4R99\n"
                             "  Конденсатор, код: 68 пФ; Ряд E6\n"
                             "    Трёхзначный код: 680\n"
                             "    Буква вместо запятой: 68p\n"
                             "  Катушка индуктивности, код: 68 мкГн; Ряд E6\n"
                             "    4 полосы: Гол. Сер. Чёрн. + полоса допуска детали\n"
                             "    Трёхзначный код: 680\n");
}

// Every key of every reading, with its JSON type, for markings from standard input.
TEST(Markings, JsonLinesFromStandardInputParse) {
    const ProgramRun result = run({"--json", "-"}, "472\r\nкор чёрн оранж зол\n\n2A104J\nhello\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errors, "");
    const QList<QJsonObject> lines = jsonLines(result.output);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0]["input"].toString(), "472");
    EXPECT_EQ(lines[3]["input"].toString(), "hello");
    EXPECT_TRUE(lines[3]["readings"].toArray().isEmpty());
    const QJsonArray threeReadings = lines[0]["readings"].toArray();
    ASSERT_EQ(threeReadings.size(), 3);
    const QStringList components = {"resistor", "capacitor", "inductor"};
    const QStringList values = {"4700", "0.0000000047", "0.0047"};
    const QStringList units = {"Ω", "F", "H"};
    for (qsizetype i = 0; i < 3; ++i) {
        const QJsonObject reading = threeReadings[i].toObject();
        EXPECT_EQ(reading.keys(),
                  (QStringList{"component", "form", "markings", "reversed", "series", "tempco",
                               "tempco_ppm", "text", "tolerance", "tolerance_limits", "unit",
                               "value", "voltage"}));
        EXPECT_EQ(reading["component"].toString(), components[i]);
        EXPECT_EQ(reading["value"].toString(), values[i]);
        EXPECT_EQ(reading["unit"].toString(), units[i]);
        EXPECT_EQ(reading["series"].toString(), "E6");
        EXPECT_TRUE(reading["tolerance"].isNull() && reading["tolerance_limits"].isNull() &&
                    reading["voltage"].isNull() && reading["tempco"].isNull() &&
                    reading["tempco_ppm"].isNull());
        EXPECT_EQ(reading["reversed"], QJsonValue(false));
    }
    const QJsonObject bands = lines[1]["readings"].toArray()[0].toObject();
    EXPECT_EQ(bands["form"].toString(), "bands");
    EXPECT_EQ(bands["tolerance"].toString(), "±5 %");
    EXPECT_EQ(bands["text"].toString(), "10 кОм ±5 %");
    QStringList markings; // each reading's markings as "form marking"
    for (const QJsonValue& reading : lines[1]["readings"].toArray())
        for (const QJsonValue& marking : reading["markings"].toArray())
            markings << marking["form"].toString() + ' ' + marking["marking"].toString();
    EXPECT_EQ(markings, (QStringList{"bands-4 Кор. Чёрн. Оранж. Золот.",
                                     "bands-5 Кор. Чёрн. Чёрн. Крас. Золот.", "smd-3 103",
                                     "smd-4 1002", "eia-96 01C", "letter-code 10K",
                                     "bands-4 Кор. Чёрн. Оранж. Золот.", "code-3 103"}));
    const QJsonObject film = lines[2]["readings"].toArray()[0].toObject();
    EXPECT_EQ(film["value"].toString(), "0.0000001");
    EXPECT_EQ(film["voltage"].toString(), "100");
}

TEST(Markings, ExitCodes) {
    EXPECT_EQ(run({"472", "4K7"}).exitCode, 0);
    const ProgramRun none = run({"472", "hello"});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(none.errors, "vantrel: «hello»: нет прочтения\n");
    const ProgramRun bad = run({"472", "--bogus"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_EQ(bad.output, "");
}

// Fed one line at a time through a pipe, by a program that waits for each answer, it answers
// each line before it waits for the next.
TEST(Markings, EachLineIsAnsweredBeforeTheNextIsRead) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VANTREL_PROGRAM), {QStringLiteral("-")});
    ASSERT_TRUE(program.waitForStarted(5000));
    for (const QByteArray& marking : {QByteArray("472"), QByteArray("4K7")}) {
        program.write(marking + '\n');
        ASSERT_TRUE(program.waitForReadyRead(5000)) << "no answer to " << marking.constData();
        EXPECT_TRUE(program.readAllStandardOutput().startsWith(marking + '\n'));
    }
    program.closeWriteChannel();
    ASSERT_TRUE(program.waitForFinished(5000));
    EXPECT_EQ(program.exitCode(), 0);
}
