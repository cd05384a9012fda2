#include "core/cli/paper_answers.h"

#include "core/cli/check_answers.h"
#include "core/cli/command_line.h"
#include "core/cli/network_answers.h"
#include "core/cli/option_value.h"
#include "core/marking/echo.h"
#include "core/networks/stock.h"

#include <algorithm>
#include <ostream>
#include <string_view>
#include <utility>

namespace vantrel::cli {
namespace {

int refused(std::ostream& err, const std::string& problem) {
    err << "vantrel: " << problem << "\n";
    return kUsageError;
}

bool wanted(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--")
            return false;
        for (const std::string_view option : {"--sheet", "--labels"})
            if (argument == option ||
                (argument.starts_with(option) && argument[option.size()] == '='))
                return true;
    }
    return false;
}

// A list's file, or standard input for "-", whole; or why it cannot be read.
std::variant<std::string, std::string> listText(std::string_view name, std::istream& in,
                                                std::size_t most, std::string_view what) {
    auto text = readList(name, in, most, what);
    if (auto* refusal = std::get_if<networks::Refusal>(&text))
        return std::variant<std::string, std::string>(std::in_place_index<1>,
                                                      std::move(refusal->message));
    return std::variant<std::string, std::string>(std::in_place_index<0>,
                                                  std::move(std::get<std::string>(text)));
}

// Labels for a list of values, one or more a line, as the finder keeps its own; or else for the
// values of a parts list, one a row of its sorting sheet, where a line of it names a part by
// its designator and value.
std::variant<std::vector<paper::Label>, std::string> labelsOf(std::string_view text,
                                                              std::string_view name) {
    std::vector<paper::Label> labels;
    auto values = paper::readLabelValues(text, listName(name, "номиналов "));
    const auto checked = std::holds_alternative<std::string>(values)
                             ? lists::checkPartsList(text)
                             : std::variant<lists::CheckedList, lists::Unreadable>();
    const auto* list = std::get_if<lists::CheckedList>(&checked);
    if (list && std::ranges::any_of(list->lines, [](const lists::CheckedLine& line) {
            return !line.line.expanded.empty() && !line.readings.empty();
        })) {
        for (const paper::SheetRow& row : paper::sortingSheet(list->lines).rows)
            if (row.reading)
                labels.push_back(paper::labelOf(*row.reading));
    } else if (auto* refusal = std::get_if<std::string>(&values)) {
        return std::move(*refusal);
    } else {
        for (const value::Reading& reading : std::get<std::vector<value::Reading>>(values))
            labels.push_back(paper::labelOf(reading));
    }
    if (labels.empty())
        return listName(name) + ": нет ни одного номинала для этикеток";
    return labels;
}

std::string baseName(std::string_view name) {
    if (name == "-")
        return "стандартный ввод";
    return std::string(name.substr(name.rfind('/') + 1));
}

// What the command line asks for.
struct PaperOptions {
    std::optional<std::string_view> sheet, labels, output, paper, preset, grid, size, gaps;
    std::optional<std::string> stock; // --stock's file, or the finder's
    bool labelsAsked = false;         // --labels, with or without its list
    bool qr = false;
};

std::variant<PaperOptions, std::string> readOptions(int argc, const char* const* argv) {
    PaperOptions asked;
    struct Valued {
        std::string_view name;
        std::optional<std::string_view> PaperOptions::*into;
    };
    constexpr Valued kValued[] = {
        {"--sheet", &PaperOptions::sheet},   {"--output", &PaperOptions::output},
        {"-o", &PaperOptions::output},       {"--paper", &PaperOptions::paper},
        {"--preset", &PaperOptions::preset}, {"--grid", &PaperOptions::grid},
        {"--label", &PaperOptions::size},    {"--gap", &PaperOptions::gaps}};
    // A list named after --labels or --stock: a word that is no option, or "-".
    const auto listFollows = [&](int i) {
        return i + 1 < argc && (!std::string_view(argv[i + 1]).starts_with('-') ||
                                std::string_view(argv[i + 1]) == "-");
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        bool matched = false;
        for (const Valued& option : kValued) {
            const auto value = optionValue(option.name, argument, i, argc, argv, matched);
            if (matched && !value)
                return "параметру " + marking::quoted(option.name) +
                       " нужно значение\nСправка: vantrel --help";
            if (matched) {
                asked.*option.into = value;
                break;
            }
        }
        if (matched)
            continue;
        if (argument == "--labels" || argument.starts_with("--labels=")) {
            asked.labelsAsked = true;
            if (argument != "--labels")
                asked.labels = argument.substr(9);
            else if (listFollows(i))
                asked.labels = argv[++i];
        } else if (argument == "--stock" || argument.starts_with("--stock=")) {
            if (argument != "--stock")
                asked.stock = std::string(argument.substr(8));
            else if (listFollows(i))
                asked.stock = argv[++i];
            else if (std::optional<std::string> own = ownValuesFile())
                asked.stock = std::move(own);
            else
                return "параметру «--stock» нужен файл: каталог данных не известен (нет HOME)";
        } else if (argument == "--qr") {
            asked.qr = true;
        } else {
            return "с «--sheet» и «--labels» задаются только -o, --paper, --preset, --grid, "
                   "--label, --gap, --qr и --stock, а не " +
                   marking::quoted(argument) + "\nСправка: vantrel --help";
        }
    }
    if (asked.sheet && asked.labelsAsked)
        return "«--sheet» и «--labels» не задаются вместе";
    if (asked.sheet &&
        (asked.preset || asked.grid || asked.size || asked.gaps || asked.qr || asked.stock))
        return "--preset, --grid, --label, --gap, --qr и --stock только для «--labels»";
    if (asked.labels && asked.stock)
        return "этикетки берутся из одного списка: файла «--labels» или своих номиналов "
               "«--stock»";
    if (!asked.output)
        return "нужен файл, куда писать: -o ФАЙЛ.pdf";
    std::string lower(*asked.output);
    std::ranges::transform(lower, lower.begin(), [](unsigned char c) {
        return static_cast<char>(c < 0x80 ? std::tolower(c) : c);
    });
    if (!lower.ends_with(".pdf") || lower.size() == 4)
        return "листы пишутся в PDF: имя файла кончается на .pdf, а не " +
               marking::quoted(*asked.output);
    return asked;
}

// The sheet of labels asked for: a preset, the first where none is named, or one typed.
std::variant<paper::LabelSheet, std::string> labelSheetOf(const PaperOptions& asked,
                                                          paper::Size page) {
    if (asked.preset && (asked.grid || asked.size || asked.gaps))
        return "«--preset» или «--grid» с «--label»: не вместе";
    if (asked.grid || asked.size) {
        if (!asked.grid || !asked.size)
            return "«--grid» задаётся с «--label»: сетка и размер этикетки";
        return paper::typedLabelSheet(*asked.grid, *asked.size, asked.gaps.value_or(""), page);
    }
    if (asked.gaps)
        return "«--gap» задаётся с «--grid» и «--label»";
    const paper::LabelPreset* chosen =
        paper::labelPreset(asked.preset.value_or(paper::labelPresets().front().name));
    if (chosen)
        return chosen->sheet;
    std::string names;
    for (const paper::LabelPreset& known : paper::labelPresets())
        names.append(names.empty() ? "" : ", ").append(known.name);
    return "нет листа этикеток " + marking::quoted(*asked.preset) + "; есть " + names;
}

// The job's sheet or labels, read from their list; or why they cannot be.
std::optional<std::string> fillJob(PaperJob& job, const PaperOptions& asked, std::istream& in) {
    if (asked.sheet) {
        auto text = listText(*asked.sheet, in, lists::kLongestList, "деталей ");
        if (text.index() == 1)
            return std::get<1>(text);
        paper::SheetBuilder sheet;
        const auto checked = lists::checkPartsList(
            std::get<0>(text), nullptr, [&sheet](lists::CheckedLine&& line) { sheet.add(line); });
        if (const auto* unreadable = std::get_if<lists::Unreadable>(&checked))
            return listName(*asked.sheet, "деталей ") + ": " + unreadable->reason;
        job.sheet = std::move(sheet).done();
        job.title = baseName(*asked.sheet);
        return std::nullopt;
    }
    const paper::Size page = paper::paperSize(job.paper);
    auto sheet = labelSheetOf(asked, page);
    if (auto* problem = std::get_if<std::string>(&sheet))
        return std::move(*problem);
    job.labelSheet = std::get<paper::LabelSheet>(sheet);
    if (auto problem = paper::labelSheetProblem(job.labelSheet, page, paper::paperName(job.paper)))
        return problem;
    const std::string_view source = asked.labels  ? *asked.labels
                                    : asked.stock ? std::string_view(*asked.stock)
                                                  : "-";
    auto text = listText(source, in, networks::kLongestStockText, "номиналов ");
    if (text.index() == 1)
        return std::get<1>(text);
    auto made = labelsOf(std::get<0>(text), source);
    if (auto* problem = std::get_if<std::string>(&made))
        return std::move(*problem);
    job.labels = std::get<std::vector<paper::Label>>(std::move(made));
    job.title = baseName(source);
    return std::nullopt;
}

} // namespace

std::optional<int> answerPaper(int argc, const char* const* argv, std::istream& in,
                               std::ostream& err, const Printer* printer) {
    if (!wanted(argc, argv))
        return std::nullopt;
    auto read = readOptions(argc, argv);
    if (auto* problem = std::get_if<std::string>(&read))
        return refused(err, *problem);
    const PaperOptions& asked = std::get<PaperOptions>(read);
    PaperJob job;
    job.qr = asked.qr;
    job.output = std::string(*asked.output);
    // The label sheets named are A4 sheets; a sheet typed, and the sorting sheet, are on the
    // paper of the locale.
    const bool onLocalePaper = asked.sheet || asked.grid || asked.size;
    job.paper = printer && onLocalePaper ? printer->localePaper() : paper::Paper::A4;
    if (asked.paper) {
        const auto named = paper::paperNamed(*asked.paper);
        if (!named)
            return refused(err, "бумага A4 или Letter, а не " + marking::quoted(*asked.paper));
        job.paper = *named;
    }
    if (const auto problem = fillJob(job, asked, in))
        return refused(err, *problem);
    if (!printer)
        return refused(err, "эта сборка не рисует листов");
    return printer->print(job, err);
}

} // namespace vantrel::cli
