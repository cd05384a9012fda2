#include "core/cli/command_line.h"

#include "core/cli/check_answers.h"
#include "core/cli/marking_answers.h"
#include "core/cli/network_answers.h"
#include "core/cli/option_value.h"
#include "core/cli/paper_answers.h"
#include "core/marking/echo.h"
#include "core/networks/stock.h"
#include "core/networks/typed_values.h"
#include "core/value/readout.h"
#include "core/value/series.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#ifndef VANTREL_VERSION
#error "VANTREL_VERSION comes from the project's version in CMake"
#endif

namespace vantrel::cli {
namespace {

constexpr std::string_view kHelp =
    "Использование: vantrel [ПАРАМЕТР]... [МАРКИРОВКА]...\n"
    "  или:  vantrel --combine НОМИНАЛ [--series РЯД|ФАЙЛ] [--parts N] [--json]\n"
    "  или:  vantrel --divider ВХОД ВЫХОД|КОЭФФИЦИЕНТ [--total R] [--series ...] [--json]\n"
    "  или:  vantrel --check ПЕРЕЧЕНЬ [--stock [ФАЙЛ]] [--json]\n"
    "  или:  vantrel --sheet ПЕРЕЧЕНЬ -o ЛИСТ.pdf [--paper A4|Letter]\n"
    "  или:  vantrel --labels [СПИСОК] -o ЭТИКЕТКИ.pdf [--preset ЛИСТ] [--qr] ...\n"
    "Номинал резистора, катушки индуктивности или конденсатора по маркировке.\n"
    "\n"
    "С маркировками пишет все их прочтения и не открывает окон: для каждой маркировки\n"
    "её саму, затем по строке на прочтение (элемент и вид маркировки, номинал с допуском\n"
    "и напряжением, ряд), а под ней все маркировки этого номинала: полосы, SMD-коды,\n"
    "EIA-96, буквенный и трёхзначный коды. Читает и коды тантала и EIA-198,\n"
    "диэлектрики керамики, мощные резисторы, перемычку. Маркировка «-» значит:\n"
    "читать маркировки из стандартного ввода, по одной в строке.\n"
    "  vantrel 472            резистор 4,7 кОм, конденсатор 4,7 нФ, катушка 4,7 мГн\n"
    "  vantrel 2A104J 4K7J    конденсатор 100 нФ ±5 %, 100 В; резистор 4,7 кОм ±5 %\n"
    "  vantrel 'кор чёрн оранж зол'   резистор 10 кОм ±5 % или катушка 10 мГн ±5 %\n"
    "  vantrel 107C A4 X7R    тантал 100 мкФ, 16 В; SMD-конденсатор 10 нФ; диэлектрик\n"
    "  vantrel '5W 10RJ'      мощный резистор 10 Ом ±5 %, 5 Вт\n"
    "  vantrel GRM188R71H104KA93D   номер детали Murata GRM: 100 нФ ±10 %, 50 В, 0603, X7R\n"
    "  vantrel --json - < спецификация.txt\n"
    "\n"
    "Без параметров открывает главное окно; окна выбираются в меню «Элемент»:\n"
    "  Резистор > Цветовая > 3 полосы, 4 полосы, 5 полос, 6 полос: цветные полосы;\n"
    "  Резистор > Кодовая: буквенный код резистора, например R33G;\n"
    "  Резистор > SMD-код: код чип-резистора, например 472, 4R7, 01C;\n"
    "  Конденсатор > Кодовая > 3-мя цифрами, 4-мя цифрами: цифровой код;\n"
    "  Конденсатор > Код с буквами: код с корпуса, например 2A104J, 4n7;\n"
    "  Индуктивность > 3 полосы, 4 полосы: цветные полосы катушки;\n"
    "  Что за маркировка?: любая маркировка или номинал в одном поле, все прочтения\n"
    "  и все маркировки выбранного номинала;\n"
    "  Подобрать из стандартных: номинал из 1-3 деталей ряда и делители;\n"
    "  Проверка перечня: перечень деталей из файла, по строке с её замечаниями,\n"
    "  и лист для сортировки деталей по номиналам (PDF или печать);\n"
    "  Этикетки: этикетки для ящиков и пакетов с номиналом, полосами и кодами.\n"
    "\n"
    "Подбор из стандартных деталей (+ последовательно, ‖ параллельно):\n"
    "  vantrel --combine 4,32k --series E12   лучшие сети из одной, двух и трёх деталей\n"
    "                 (a+b, a‖b, a+(b‖c), a‖(b+c), a+b+c, a‖b‖c), с ошибкой и допуском\n"
    "  vantrel --divider 5 1,2                делитель 5 В → 1,2 В: пара и пара,\n"
    "                 где одно плечо из двух деталей\n"
    "      --combine НОМИНАЛ  резистор, конденсатор или катушка: 4k32, 4,32 кОм, 100n\n"
    "      --divider ВХОД ВЫХОД  напряжения делителя (5, 1,2 В) или один коэффициент (0,24)\n"
    "      --series РЯД|ФАЙЛ  {series} от 1 Ом\n"
    "                 до 10 МОм, или файл своих номиналов по одному в строке («-»: ввод)\n"
    "      --parts N  не больше N деталей в сети: 1, 2 или 3 (по умолчанию)\n"
    "      --total R  сумма делителя, около которой искать ({total})\n"
    "\n"
    "Проверка перечня деталей (CSV или TSV из KiCad, для сборки, из таблицы; или список):\n"
    "  vantrel --check bom.csv   по строке на замечание: номер детали не того номинала,\n"
    "                 размер не тот, что у посадочного места, номинала нет в рядах,\n"
    "                 единица не та, что у обозначения, обозначение дважды, номинал\n"
    "                 не читается; затем итог. Код выхода 1, если замечания есть\n"
    "      --check ПЕРЕЧЕНЬ  файл перечня («-»: ввод); файл не меняется\n"
    "      --stock [ФАЙЛ]  и нет ли номинала среди своих: без файла те, что хранит окно\n"
    "                 «Подобрать из стандартных» (и для --combine вместо --series)\n"
    "\n"
    "На бумаге, в PDF (окна и дисплей не нужны):\n"
    "  vantrel --sheet bom.csv -o лист.pdf   лист для сортировки: по строке на номинал,\n"
    "                 по возрастанию, с обозначениями и количеством, полосами (и названиями\n"
    "                 цветов) и кодами, которые искать на детали; замечания отмечены\n"
    "  vantrel --labels номиналы.txt --qr -o этикетки.pdf   этикетки для ящиков: номинал\n"
    "                 крупно, допуск и размер, полосы и коды, QR-код с номиналом\n"
    "      --sheet ПЕРЕЧЕНЬ  перечень деталей («-»: ввод)\n"
    "      --labels [СПИСОК]  номиналы, по одному или нескольку в строке через «;», или\n"
    "                 перечень деталей; без списка ввод, а с --stock свои номиналы\n"
    "  -o, --output ФАЙЛ.pdf  куда писать: файл пишется целиком или не пишется вовсе\n"
    "      --paper A4|Letter  бумага (по умолчанию по настройкам языка; листы\n"
    "                 этикеток --preset на A4)\n"
    "      --preset ЛИСТ  лист этикеток A4: {presets}\n"
    "      --grid 3x8 --label 70x37 [--gap 2,5x0]  свой лист этикеток: столбцы и строки,\n"
    "                 размер этикетки и промежутки в мм, по центру бумаги\n"
    "      --qr       на этикетке QR-код с номиналом, как его пишет vantrel\n"
    "\n"
    "      --json     писать прочтения в JSON, по объекту на маркировку в строке;\n"
    "                 у прочтения в \"markings\" его маркировки, в \"tolerance_limits\"\n"
    "                 допуск числами (все ключи: man vantrel)\n"
    "  -h, --help     показать эту справку и выйти\n"
    "      --version  показать версию и выйти\n"
    "\n"
    "Код выхода: 0, когда у каждой маркировки есть прочтение; 1, когда у какой-то нет\n"
    "(или нет делителя с такой суммой); 2 при ошибке в параметрах или в номинале\n"
    "(и когда перечень не прочитан, лист не помещается или PDF не записан);\n"
    "3, когда ответ не удалось записать или маркировки не удалось прочитать\n"
    "(диск полон, поток закрыт).\n"
    "\n"
    "Принимаются и стандартные параметры Qt, например -platform, -style, -display.\n"
    "\n"
    "Подробнее: man vantrel\n";

// The help with its series and the total aimed at written in: «{series}» and «{total}» above.
std::string help() {
    std::string series;
    for (const value::SeriesName& named : value::seriesNames()) {
        series.append(series.empty() ? "" : ", ").append(named.name);
        if (named.name == networks::kDefaultSeries)
            series += " (по умолчанию)";
    }
    std::string presets;
    for (const paper::LabelPreset& preset : paper::labelPresets())
        presets.append(presets.empty() ? "" : ", ")
            .append(preset.name)
            .append(&preset == paper::labelPresets().data() ? " (по умолчанию)" : "");
    std::string text(kHelp);
    for (const auto& [field, written] :
         {std::pair<std::string_view, std::string>{"{series}", series},
          {"{presets}", presets},
          {"{total}", value::quantityText(value::Quantity::Resistance, networks::kAimedTotal)}})
        text.replace(text.find(field), field.size(), written);
    return text;
}

constexpr std::string_view kVersion =
    "Vantrel " VANTREL_VERSION "\n"
    "Copyright (C) 2026 The Vantrel team\n"
    "Лицензия GPL-3.0-or-later: GNU GPL версии 3 или новее <https://gnu.org/licenses/gpl.html>.\n"
    "Это свободная программа: её можно изменять и распространять.\n"
    "Нет НИКАКИХ ГАРАНТИЙ в той мере, в какой это допускает закон.\n";

// Qt's own options, as QApplication, QGuiApplication and the xcb platform read them.
constexpr std::string_view kQtOptionsWithValue[] = {"platform",
                                                    "platformpluginpath",
                                                    "platformtheme",
                                                    "plugin",
                                                    "qwindowgeometry",
                                                    "geometry",
                                                    "qwindowicon",
                                                    "icon",
                                                    "qwindowtitle",
                                                    "title",
                                                    "session",
                                                    "display",
                                                    "name",
                                                    "style",
                                                    "stylesheet"};
constexpr std::string_view kQtFlags[] = {"reverse", "widgetcount", "nograb",
                                         "dograb",  "sync",        "testability"};
constexpr std::string_view kQtOptionsJoined[] = {"style=", "stylesheet=", "qmljsdebugger="};

bool among(std::span<const std::string_view> names, std::string_view name) {
    return std::ranges::find(names, name) != names.end();
}

bool startsWithOneOf(std::span<const std::string_view> prefixes, std::string_view name) {
    return std::ranges::any_of(
        prefixes, [name](std::string_view prefix) { return name.starts_with(prefix); });
}

int error(std::ostream& err, const std::string& problem) {
    err << "vantrel: " << problem << "\nСправка: vantrel --help\n";
    return kUsageError;
}

// The exit code of an answer once it is all written out: the one given, or kInputOutputError
// where the output took less than all of it.
int finished(std::ostream& out, int exitCode) {
    return out.flush() ? exitCode : kInputOutputError;
}

// One line of a parts list, through its line break, of which the first kLongestLine bytes are
// kept; `cutShort` says that more followed. False at the end of the input.
constexpr std::size_t kLongestLine = 64 * 1024;
bool readLine(std::streambuf& in, std::string& line, bool& cutShort) {
    using Traits = std::streambuf::traits_type;
    line.clear();
    cutShort = false;
    for (Traits::int_type c; !Traits::eq_int_type(c = in.sbumpc(), Traits::eof());) {
        if (Traits::to_char_type(c) == '\n')
            return true;
        if (line.size() < kLongestLine)
            line += Traits::to_char_type(c);
        else
            cutShort = true;
    }
    return !line.empty() || cutShort;
}

// Each line of the input in turn, while the answers can be written. The standard input writes
// every answer out before the next line is waited for.
void answerLines(std::istream& in, std::ostream& out, MarkingAnswers& answers) {
    std::string line;
    bool cutShort = false;
    while (out && in.rdbuf() && readLine(*in.rdbuf(), line, cutShort))
        answers.answerLine(line, cutShort);
}

// The options of a question about networks and dividers, which take a value each, given as
// the next argument or after "=".
struct ValueOption {
    std::string_view name;
    std::optional<std::string_view> NetworkQuestion::*value;
    std::optional<NetworkQuestion::Kind> onlyFor;
};
constexpr ValueOption kValueOptions[] = {
    {"--series", &NetworkQuestion::series, std::nullopt},
    {"--parts", &NetworkQuestion::parts, NetworkQuestion::Combine},
    {"--total", &NetworkQuestion::total, NetworkQuestion::Divider},
};

} // namespace

std::optional<int> answerCommandLine(int argc, const char* const* argv, std::istream& in,
                                     std::ostream& out, std::ostream& err, const Printer* printer) {
    if (const auto printed = answerPaper(argc, argv, in, err, printer))
        return printed;
    bool optionsEnded = false; // after "--" every argument is a marking, "-" too
    bool json = false;
    std::vector<std::pair<std::string_view, bool>> markings; // each with "read standard input"
    bool networkAsked = false;                               // --combine or --divider
    NetworkQuestion question; // its values, and --series, --parts and --total wherever they stand
    std::string_view firstValueOption;
    std::optional<std::string_view> checked; // --check: the parts list
    std::optional<std::string> stock;        // --stock: a file of own values, or the window's
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--")
            break;
        if (argument != "--stock" && !argument.starts_with("--stock="))
            continue;
        if (argument != "--stock")
            stock = std::string(argument.substr(8));
        else if (i + 1 < argc && !std::string_view(argv[i + 1]).starts_with('-'))
            stock = argv[i + 1];
        else if (std::optional<std::string> own = ownValuesFile())
            stock = std::move(own);
        else
            return error(err, "параметру «--stock» нужен файл: каталог данных не известен "
                              "(нет HOME)");
    }
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (optionsEnded || !argument.starts_with('-') || argument == "-") {
            markings.emplace_back(argument, !optionsEnded && argument == "-");
            continue;
        }
        bool matched = false;
        if (const auto value = optionValue("--combine", argument, i, argc, argv, matched);
            matched) {
            if (!value)
                return error(err, "параметру «--combine» нужен номинал");
            if (std::exchange(networkAsked, true))
                return error(err, "«--combine» и «--divider» не задаются вместе и дважды");
            question.kind = NetworkQuestion::Combine;
            question.values = {*value};
            continue;
        }
        if (argument == "--divider" || argument.starts_with("--divider=")) {
            if (std::exchange(networkAsked, true))
                return error(err, "«--combine» и «--divider» не задаются вместе и дважды");
            question.kind = NetworkQuestion::Divider;
            if (argument != "--divider") // "--divider=5 1,2", as "--combine=" is taken
                question.values.push_back(argument.substr(argument.find('=') + 1));
            // The input and the output voltage, or a ratio alone: what follows up to an option.
            while (question.values.size() < 2 && i + 1 < argc &&
                   !std::string_view(argv[i + 1]).starts_with("--"))
                question.values.emplace_back(argv[++i]);
            if (question.values.empty())
                return error(err, "параметру «--divider» нужны входное и выходное напряжения "
                                  "или коэффициент");
            continue;
        }
        if (const auto value = optionValue("--check", argument, i, argc, argv, matched); matched) {
            if (!value)
                return error(err, "параметру «--check» нужен файл перечня деталей");
            checked = value;
            continue;
        }
        if (argument == "--stock" || argument.starts_with("--stock=")) {
            if (argument == "--stock" && i + 1 < argc &&
                !std::string_view(argv[i + 1]).starts_with('-'))
                ++i; // its file, taken above
            continue;
        }
        const ValueOption* option = nullptr;
        for (const ValueOption& candidate : kValueOptions) {
            const auto value = optionValue(candidate.name, argument, i, argc, argv, matched);
            if (!matched)
                continue;
            if (!value)
                return error(err,
                             "параметру " + marking::quoted(candidate.name) + " нужно значение");
            question.*candidate.value = value;
            option = &candidate;
            break;
        }
        if (option) {
            if (firstValueOption.empty())
                firstValueOption = option->name;
            continue;
        }
        if (argument == "--help" || argument == "-h") {
            out << help();
            return finished(out, kEveryMarkingRead);
        }
        if (argument == "--version") {
            out << kVersion;
            return finished(out, kEveryMarkingRead);
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "--json") {
            json = true;
            continue;
        }
        // Qt reads "--style" as "-style".
        const std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
        if (among(kQtFlags, name) || startsWithOneOf(kQtOptionsJoined, name))
            continue;
        if (among(kQtOptionsWithValue, name)) {
            if (++i == argc)
                return error(err, "параметру " + marking::quoted(argument) + " нужно значение");
            continue;
        }
        return error(err, "неизвестный параметр " + marking::quoted(argument));
    }
    if (checked) {
        if (networkAsked || !markings.empty() || !firstValueOption.empty())
            return error(err, "с «--check» задаются только «--stock» и «--json»");
        return answerCheck(
            {*checked, stock ? std::optional<std::string_view>(*stock) : std::nullopt, json}, in,
            out, err);
    }
    if (networkAsked) {
        if (stock && !question.series)
            question.series = *stock;
        if (!markings.empty())
            return error(err, "с «--combine» и «--divider» маркировки не читаются: " +
                                  marking::quoted(markings.front().first));
        for (const ValueOption& option : kValueOptions)
            if (question.*option.value && option.onlyFor && option.onlyFor != question.kind)
                return error(err,
                             "параметр " + marking::quoted(option.name) + " только для " +
                                 (*option.onlyFor == NetworkQuestion::Combine ? "«--combine»"
                                                                              : "«--divider»"));
        question.json = json;
        return answerNetworkQuestion(question, in, out, err);
    }
    if (!firstValueOption.empty())
        return error(err, "параметр " + marking::quoted(firstValueOption) +
                              " только для «--combine» и «--divider»");
    if (stock)
        return error(err, "параметр «--stock» только для «--check» и «--combine»");
    if (markings.empty())
        return json ? std::optional(error(err, "параметру «--json» нужна маркировка"))
                    : std::nullopt;
    MarkingAnswers answers(json ? MarkingAnswers::Json : MarkingAnswers::Text, out, err);
    for (const auto& [marking, fromInput] : markings) {
        if (!out)
            return kInputOutputError; // nothing more could be written
        if (fromInput)
            answerLines(in, out, answers);
        else
            answers.answer(marking);
    }
    return finished(out, answers.everyMarkingRead() ? kEveryMarkingRead : kNoAnswer);
}

} // namespace vantrel::cli
