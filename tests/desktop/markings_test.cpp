// The real program reading markings with no display at all: its text, its JSON Lines parsed
// by Qt's own JSON reader, standard input, and its three exit codes.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>

#if !defined(VANTREL_PROGRAM) || !defined(VANTREL_README) || !defined(VANTREL_MANUAL_PAGE)
#error                                                                                             \
    "VANTREL_PROGRAM is the program under test, VANTREL_README and VANTREL_MANUAL_PAGE its documents"
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

// A shell command line with this standard input, without DISPLAY or WAYLAND_DISPLAY; the
// program under test is "$V" in it.
ProgramRun runShell(const std::string& commandLine, const std::string& input = {}) {
    const std::filesystem::path scratch = std::filesystem::temp_directory_path();
    const auto in = scratch / ("vantrel-in-" + std::to_string(::getpid()));
    const auto err = scratch / ("vantrel-err-" + std::to_string(::getpid()));
    std::ofstream(in) << input;
    const std::string command =
        "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM V=" + shellQuoted(VANTREL_PROGRAM) +
        " bash -c " + shellQuoted(commandLine) + " <" + shellQuoted(in.string()) + " 2>" +
        shellQuoted(err.string());
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

// The program with these arguments and this standard input.
ProgramRun run(const std::vector<std::string>& arguments, const std::string& input = {}) {
    std::string command = "exec \"$V\"";
    for (const std::string& argument : arguments)
        command.append(" ").append(shellQuoted(argument)); // not " " + a temporary: GCC 12 warns
    return runShell(command, input);
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
                             "    SMD-конденсатор, EIA-198: A5\n"
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
                             "    SMD-конденсатор, EIA-198: W1\n"
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
        EXPECT_EQ(reading.keys(), (QStringList{"can",      "case",       "component",
                                               "current",  "dielectric", "family",
                                               "form",     "maker",      "markings",
                                               "note",     "package",    "power",
                                               "reversed", "series",     "table",
                                               "tempco",   "tempco_ppm", "temperature",
                                               "text",     "tolerance",  "tolerance_limits",
                                               "unit",     "value",      "voltage"}));
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
    // Sent to one file, each answer and its refusal come in the order of the markings.
    EXPECT_EQ(runShell("\"$V\" hello 100 2>&1").output.substr(0, 56),
              "hello\nvantrel: «hello»: нет прочтения\n100\n");
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

// An answer that cannot be written, or markings that cannot be read, end with the reason on
// standard error and exit code 3, whatever was asked; a reader that goes away ends it quietly.
TEST(Markings, FailedOutputOrInputEndsWithExitCodeThree) {
    const std::string full = "vantrel: ответ не записан: нет места на устройстве\n";
    const struct {
        std::string commandLine;
        std::string errors;
    } cases[] = {
        {"\"$V\" 472 >/dev/full", full},
        {"\"$V\" --json 472 hello >/dev/full", full},
        {"\"$V\" --help >/dev/full", full},
        {"\"$V\" --version >/dev/full", full},
        {"echo 472 | \"$V\" - >/dev/full", full},
        {"\"$V\" 472 >&-", "vantrel: ответ не записан: поток закрыт\n"},
        {"\"$V\" - </", "vantrel: маркировки не прочитаны: это каталог\n"},
        {"\"$V\" 472 - <&-", "vantrel: маркировки не прочитаны: поток закрыт\n"},
        // SIGPIPE ignored, as some parents leave it: the write fails and nothing is said.
        {"trap '' PIPE; yes 472 2>&- | head -n 20000 2>&- | { \"$V\" -; echo \"exit $?\" >&2; } | "
         "true; exit 3",
         "exit 3\n"},
    };
    for (const auto& c : cases) {
        const ProgramRun result = runShell(c.commandLine);
        EXPECT_EQ(result.exitCode, 3) << c.commandLine;
        EXPECT_EQ(result.errors, c.errors) << c.commandLine;
    }
    // With SIGPIPE as it is by default, a closed pipe ends the program, also without a word.
    const ProgramRun piped =
        runShell("yes 472 2>&- | head -n 20000 2>&- | { env "
                 "--default-signal=PIPE \"$V\" -; echo \"status $?\" >&2; } | true");
    EXPECT_EQ(piped.errors, "status 141\n");
}

// The standard EIA-96 code is its own form, the other makers' letters another; and the
// tolerance, the temperature coefficient, the voltage and the part's own band come as data.
TEST(Markings, JsonFormsAndValuesAsData) {
    const ProgramRun result =
        run({"--json", "68X", "68R", "1C", "10 мкФ +80/-20 %", "кор чёрн чёрн красн кор красн",
             "1000uF 6.3v", "кор чёрн оранж", "4,7 кОм ±10 Ом"});
    EXPECT_EQ(result.exitCode, 0);
    const QList<QJsonObject> lines = jsonLines(result.output);
    ASSERT_EQ(lines.size(), 8);
    const auto first = [&](qsizetype line) { return lines[line]["readings"][0].toObject(); };
    EXPECT_EQ(first(0)["form"].toString(), "eia-96");
    EXPECT_EQ(first(0)["value"].toString(), "49.9");
    EXPECT_EQ(lines[1]["readings"][1]["form"].toString(), "eia-96-other-makers");
    const auto limits = [&](qsizetype line, qsizetype reading = 0) {
        return QJsonDocument(lines[line]["readings"][reading]["tolerance_limits"].toObject())
            .toJson(QJsonDocument::Compact);
    };
    EXPECT_EQ(limits(2), R"({"kind":"absolute","minus":"0.00000000000025",)"
                         R"("plus":"0.00000000000025","unit":"F"})");
    EXPECT_EQ(limits(3), R"({"kind":"percent","minus":"20","plus":"80","unit":null})");
    EXPECT_EQ(limits(4), R"({"kind":"percent","minus":"1","plus":"1","unit":null})");
    EXPECT_EQ(limits(7), R"({"kind":"absolute","minus":"10","plus":"10","unit":"Ω"})");
    EXPECT_EQ(first(4)["tempco_ppm"].toString(), "50");
    EXPECT_EQ(first(4)["tempco"].toString(), "±50 ppm/°C");
    EXPECT_EQ(first(5)["voltage"].toString(), "6.3");
    QStringList bands; // the 10 кОм ±20 % reading's band markings: text and the part's band
    for (const QJsonValue& marking : first(6)["markings"].toArray())
        if (marking["form"].toString().startsWith("bands"))
            bands << marking["marking"].toString() + " " +
                         QString::number(marking["own_band"].toInt());
    EXPECT_EQ(bands, (QStringList{"Кор. Чёрн. Оранж. + полоса допуска детали 4",
                                  "Кор. Чёрн. Чёрн. Крас. + полоса допуска детали 5"}));
    EXPECT_TRUE(first(4)["markings"][0]["own_band"].isNull()); // its tolerance band is given
}

// The markings a repairer meets, as data: a dielectric and a rating alone have a null value
// and no markings, a power resistor its rating, a tantalum its note, and readings of
// disagreeing tables the table each follows.
TEST(Markings, JsonOfMarkingsOnPartsInHand) {
    const ProgramRun result = run({"--json", "X7R", "U2J", "5W", "5W 10RJ", "107C", "0L104"});
    EXPECT_EQ(result.exitCode, 0);
    const QList<QJsonObject> lines = jsonLines(result.output);
    ASSERT_EQ(lines.size(), 6);
    const auto first = [&](qsizetype line) { return lines[line]["readings"][0].toObject(); };
    const auto compact = [](const QJsonValue& value) {
        return QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
    };
    for (const qsizetype noValue : {0, 1, 2}) {
        EXPECT_TRUE(first(noValue)["value"].isNull()) << noValue;
        EXPECT_TRUE(first(noValue)["series"].isNull()) << noValue;
        EXPECT_TRUE(first(noValue)["markings"].toArray().isEmpty()) << noValue;
    }
    EXPECT_EQ(compact(first(0)["dielectric"]),
              R"({"change_limits":{"kind":"percent","minus":"15","plus":"15","unit":null},)"
              R"("class":2,"code":"X7R","coldest_celsius":-55,"hottest_celsius":125,)"
              R"("tempco_ppm":null,"tempco_tolerance_ppm":null})");
    EXPECT_EQ(compact(first(1)["dielectric"]),
              R"({"change_limits":null,"class":1,"code":"U2J","coldest_celsius":-55,)"
              R"("hottest_celsius":125,"tempco_ppm":"-750","tempco_tolerance_ppm":"120"})");
    EXPECT_EQ(first(2)["power"].toString(), "5");
    EXPECT_EQ(first(2)["text"].toString(), "5 Вт");
    EXPECT_EQ(first(3)["form"].toString(), "power-resistor");
    EXPECT_EQ(first(3)["value"].toString(), "10");
    EXPECT_EQ(first(3)["power"].toString(), "5");
    EXPECT_TRUE(first(3)["voltage"].isNull());
    EXPECT_EQ(first(4)["form"].toString(), "tantalum");
    EXPECT_EQ(first(4)["voltage"].toString(), "16");
    EXPECT_EQ(first(4)["note"].toString(), "полоса у вывода +, у алюминиевого — у −");
    EXPECT_TRUE(first(3)["note"].isNull());
    const QJsonArray zeroL = lines[5]["readings"].toArray();
    ASSERT_EQ(zeroL.size(), 2);
    EXPECT_EQ(zeroL[0]["voltage"].toString() + " " + zeroL[0]["table"].toString(),
              "5.5 0L = 5,5 В по таблице EIA");
    EXPECT_EQ(zeroL[1]["voltage"].toString() + " " + zeroL[1]["table"].toString(),
              "5 0L = 5 В по другим таблицам");
    EXPECT_EQ(run({"5W", "X7R"}).output,
              "5W\n  Резистор, маркировка мощного резистора: 5 Вт\n"
              "X7R\n  Конденсатор, диэлектрик: X7R, класс 2: от -55 до +125 °C, изменение "
              "ёмкости ±15 %\n");
}

// Every control character of a marking is escaped in JSON and reads back as itself; none
// reaches the output raw.
TEST(Markings, JsonEscapesEveryControlCharacter) {
    std::vector<std::string> arguments{"--json", "--"};
    QStringList expected;
    for (char32_t c = 1; c <= 0x9F; ++c) {
        if (c >= 0x20 && c < 0x7F)
            continue;
        const QString text = QString::fromUcs4(&c, 1) + u'x';
        arguments.push_back(text.toStdString());
        expected << text;
    }
    const ProgramRun result = run(arguments);
    EXPECT_EQ(result.exitCode, 1);
    QStringList inputs;
    for (const QJsonObject& line : jsonLines(result.output))
        inputs << line["input"].toString();
    EXPECT_EQ(inputs, expected);
    for (std::size_t i = 0; i < result.output.size(); ++i) {
        const auto byte = static_cast<unsigned char>(result.output[i]);
        ASSERT_TRUE(byte >= 0x20 || byte == '\n') << "a raw control at " << i;
        ASSERT_FALSE(byte == 0xC2 && i + 1 < result.output.size() &&
                     static_cast<unsigned char>(result.output[i + 1]) < 0xA0)
            << "a raw C1 control at " << i;
    }
}

namespace {

// A list of JSON keys in the README, the block whose first key is `first`: each key's path,
// and its values where they are a closed set.
using Documented = std::map<QString, std::optional<QSet<QString>>>;
Documented documentedKeys(std::string_view first = "input") {
    std::ifstream readme(VANTREL_README);
    Documented keys;
    bool inList = false;
    for (std::string line; std::getline(readme, line);) {
        if (!inList) {
            if (line == "```text") {
                std::string next;
                const auto at = readme.tellg();
                std::getline(readme, next);
                readme.seekg(at);
                inList = next.starts_with(std::string(first) + " ");
            }
            continue;
        }
        if (line == "```")
            break;
        const QString text = QString::fromStdString(line);
        const qsizetype gap = text.indexOf(u' ');
        const QString key = text.left(gap);
        const QString about = text.mid(gap).trimmed();
        const QStringList values = about.split(QStringLiteral(" | "));
        const bool closed = values.size() > 1 && std::ranges::none_of(values, [](const QString& v) {
                                return v.contains(u' ') || v.contains(u',');
                            });
        keys[key] =
            closed ? std::optional(QSet<QString>(values.begin(), values.end())) : std::nullopt;
    }
    return keys;
}

// Every key path the JSON has, and every value each path takes.
void collect(const QJsonValue& value, const QString& path, std::map<QString, QSet<QString>>& seen) {
    if (value.isArray()) {
        seen[path];
        for (const QJsonValue& item : value.toArray())
            collect(item, path, seen);
    } else if (value.isObject()) {
        if (!path.isEmpty())
            seen[path] << QStringLiteral("object");
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            collect(*it, path.isEmpty() ? it.key() : path + u'.' + it.key(), seen);
    } else if (value.isNull()) {
        seen[path] << QStringLiteral("null");
    } else if (value.isBool()) {
        seen[path] << (value.toBool() ? QStringLiteral("true") : QStringLiteral("false"));
    } else {
        seen[path] << value.toVariant().toString();
    }
}

} // namespace

// The keys the output's JSON has are the documented ones, each closed set of values exactly
// what the output writes, and the manual page names every key and value.
void expectDocumented(const Documented& documented, const std::string& output) {
    std::map<QString, QSet<QString>> seen;
    for (const QJsonObject& line : jsonLines(output))
        collect(line, {}, seen);
    QStringList documentedPaths, seenPaths;
    for (const auto& [path, values] : documented)
        documentedPaths << path;
    for (const auto& [path, values] : seen)
        seenPaths << path;
    EXPECT_EQ(seenPaths, documentedPaths);
    for (const auto& [path, values] : documented)
        if (values && seen.contains(path)) {
            QStringList want(values->begin(), values->end()),
                got(seen[path].begin(), seen[path].end());
            want.sort();
            got.sort();
            EXPECT_EQ(got, want) << path.toStdString();
        }

    std::ifstream page(VANTREL_MANUAL_PAGE);
    std::string manual(std::istreambuf_iterator<char>(page), {});
    for (std::string_view escaped : {"\\-", "\\(*W"})
        for (std::size_t at; (at = manual.find(escaped)) != std::string::npos;)
            manual.replace(at, escaped.size(), escaped == "\\-" ? "-" : "Ω");
    for (const auto& [path, values] : documented) {
        const std::string key = path.split(u'.').constLast().toStdString();
        EXPECT_NE(manual.find(key), std::string::npos) << key;
        for (const QString& value : values.value_or(QSet<QString>{}))
            EXPECT_NE(manual.find(value.toStdString()), std::string::npos) << value.toStdString();
    }
}

// The README's keys are exactly the keys the program writes, and each closed set of values is
// exactly what markings of every form write; the manual page names them all.
TEST(Markings, JsonKeysAndFormsAreTheDocumentedOnes) {
    const auto documented = documentedKeys();
    ASSERT_GT(documented.size(), 20u);
    const ProgramRun result = run({"--json",
                                   "472",
                                   "100uF 6.3x11",
                                   "01C",
                                   "68X",
                                   "68R",
                                   "4K7",
                                   "4R7",
                                   "кор чёрн оранж зол",
                                   "зол оранж чёрн кор",
                                   "кор чёрн чёрн красн кор красн",
                                   "2A104J",
                                   "1C",
                                   "4,7 кОм ±10 Ом",
                                   "10 мкГн ±1 нГн",
                                   "12 кОм",
                                   "11 кОм",
                                   "1,05 кОм",
                                   "9,2 кОм",
                                   "4,8 кОм",
                                   "47N",
                                   "Чёрн.",
                                   "5W 10RJ",
                                   "5W",
                                   "107C",
                                   "A4",
                                   "b8",
                                   "X7R",
                                   "C0G",
                                   "0L104",
                                   "0.1uF 50V X7R 10% 0603",
                                   "220uF 25V 105C",
                                   "10uH 2A",
                                   "1N4148",
                                   "GRM188R71H104KA93D",
                                   "TAJA106K016RNJ",
                                   "hello"});
    expectDocumented(documented, result.output);
}

namespace {

// The JSON answers of one option to each question, with this standard input, one after another.
std::string answersOf(const std::string& option,
                      const std::vector<std::vector<std::string>>& questions,
                      const std::string& input) {
    std::string output;
    for (const std::vector<std::string>& question : questions) {
        std::vector<std::string> arguments{"--json", option};
        arguments.insert(arguments.end(), question.begin(), question.end());
        const ProgramRun answer = run(arguments, input);
        EXPECT_EQ(answer.exitCode, 0) << question.front() << answer.errors;
        output += answer.output;
    }
    return output;
}

} // namespace

// The same for the answers of --combine and --divider: every shape, series and component
// they write, with a range and without, from a series and from a list.
TEST(Markings, JsonOfNetworksAndDividersIsTheDocumentedOne) {
    const Documented combine = documentedKeys("target");
    ASSERT_GT(combine.size(), 10u);
    expectDocumented(combine, answersOf("--combine",
                                        {{"4k32", "--series", "E12"},
                                         {"4n7", "--series", "E3"},
                                         {"10 мкГн", "--series", "E6"},
                                         {"1k", "--series", "E24"},
                                         {"5k", "--series", "E48"},
                                         {"3.21k", "--series", "E96"},
                                         {"30", "--series", "E192"},
                                         {"30", "--series", "E3"},
                                         {"5", "--series", "E3"},
                                         {"0,4", "--series", "E3"},
                                         {"12.4", "--series", "E6"},
                                         {"4.7k", "--series", "-"},
                                         {"14.1", "--series", "E3"},
                                         {"2.5", "--series", "E3"},
                                         {"1.1k", "--series", "E12"},
                                         {"11", "--series", "E3"},
                                         {"160n", "--series", "E3"}},
                                        "4,7 кОм ±1 %\n1K0F\n"));

    const Documented divider = documentedKeys("ratio");
    ASSERT_GT(divider.size(), 10u);
    expectDocumented(divider, answersOf("--divider",
                                        {{"5", "1,2", "--series", "E12"},
                                         {"5", "1,2", "--series", "E12", "--total", "47k"},
                                         {"0,2", "--series", "E48"},
                                         {"0,35", "--series", "E3"},
                                         {"0,3", "--series", "E24"},
                                         {"0,1234", "--series", "E96"},
                                         {"12", "3,3", "--series", "E6"},
                                         {"5", "2", "--series", "E192"},
                                         {"0,7", "--series", "-", "--total", "4k"}},
                                        "1k\n2k2\n3k3\n"));
}

// A whole line's facts as data at the end of its reading, and the reason a line has none.
TEST(Markings, JsonFactsOfWholeLines) {
    const struct {
        const char* line;
        QString key;
        QJsonValue value;
    } cases[] = {
        {"0.1uF 50V X7R 10% 0603", "package", QJsonObject{{"inch", "0603"}, {"metric", "1608"}}},
        {"10k 1608M", "package", QJsonObject{{"inch", "0603"}, {"metric", "1608"}}},
        {"10k", "package", QJsonValue::Null},
        {"4,7 мкГн 1,5 А", "current", "1.5"},
        {"10uH 300 мА", "current", "0.3"},
        {"220uF 25V 105C", "temperature", 105},
        {"220uF 25V 105C", "voltage", "25"},
        {"470R 1/4W", "power", "0.25"},
        {"GRM188R71H104KA93D", "maker", "Murata"},
        {"GRM188R71H104KA93D", "family", "GRM"},
        {"TAJB106K016RNJ", "case", "3528-21"},
        {"10k", "maker", QJsonValue::Null},
    };
    for (const auto& c : cases) {
        const QList<QJsonObject> lines = jsonLines(run({"--json", c.line}).output);
        ASSERT_EQ(lines.size(), 1) << c.line;
        const QJsonArray readings = lines[0]["readings"].toArray();
        ASSERT_FALSE(readings.isEmpty()) << c.line;
        EXPECT_EQ(readings[0].toObject()[c.key], c.value) << c.line;
        EXPECT_EQ(lines[0]["reason"], QJsonValue::Null) << c.line;
    }
    const ProgramRun refused = run({"--json", "BC547B", "10k X7R"});
    EXPECT_EQ(refused.exitCode, 1);
    const QList<QJsonObject> lines = jsonLines(refused.output);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0]["reason"].toString(),
              "обозначение полупроводникового прибора (Pro Electron), не пассивная деталь");
    EXPECT_EQ(lines[1]["reason"].toString(), "«X7R» не бывает у резистора");
    // The new keys come last, after the ones a reading had before.
    const std::string text = run({"--json", "10k 0603"}).output;
    EXPECT_LT(text.find("\"markings\""), text.find("\"package\"")) << text;
    EXPECT_LT(text.find("\"temperature\""), text.find("\"reason\"")) << text;
}

// A list whose lines each name a thousand designators, 240 KB of them, is checked within half
// a gigabyte of address space, and its answer grows with the list, not with the parts its
// ranges name: about a kilobyte and a half a line. Not under the sanitizers, whose shadow
// memory takes terabytes of address space.
TEST(Memory, AListOfLongRangesIsCheckedWithinHalfAGigabyte) {
    std::string list = "Ref,Value\n";
    for (int line = 0; line < 20'000; ++line)
        list += "R1-R999,10k\n";
    const ProgramRun result =
        runShell("ulimit -v 500000; \"$V\" --check - --json | wc -c; exit ${PIPESTATUS[0]}", list);
    EXPECT_EQ(result.exitCode, 1) << result.errors;
    EXPECT_EQ(result.errors, "");
    const long bytes = std::stol(result.output);
    EXPECT_GT(bytes, 20'000L * 500);
    EXPECT_LT(bytes, 20'000L * 2'000);
}
