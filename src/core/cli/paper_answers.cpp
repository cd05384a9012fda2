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

// A list's file, or standard input for "-", whole.
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
            return !line.line.expanded.each.empty() && !line.readings.empty();
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

} // namespace

std::optional<int> answerPaper(int argc, const char* const* argv, std::istream& in,
                               std::ostream& err, const Printer* printer) {
    if (!wanted(argc, argv))
        return std::nullopt;
    std::optional<std::string_view> sheet, labels, output, paperName, preset, grid, size, gaps;
    std::optional<std::string> stock;
    bool labelsAsked = false;
    PaperJob job;
    struct Valued {
        std::string_view name;
        std::optional<std::string_view>* into;
    };
    const Valued valued[] = {{"--sheet", &sheet},     {"--output", &output}, {"-o", &output},
                             {"--paper", &paperName}, {"--preset", &preset}, {"--grid", &grid},
                             {"--label", &size},      {"--gap", &gaps}};
    const auto fileFollows = [&](int i) {
        return i + 1 < argc && (!std::string_view(argv[i + 1]).starts_with('-') ||
                                std::string_view(argv[i + 1]) == "-");
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        bool matched = false;
        const Valued* option = nullptr;
        for (const Valued& candidate : valued) {
            const auto value = optionValue(candidate.name, argument, i, argc, argv, matched);
            if (!matched)
                continue;
            if (!value)
                return refused(err, "параметру " + marking::quoted(candidate.name) +
                                        " нужно значение\nСправка: vantrel --help");
            *candidate.into = value;
            option = &candidate;
            break;
        }
        if (option)
            continue;
        if (argument == "--labels" || argument.starts_with("--labels=")) {
            labelsAsked = true;
            if (argument != "--labels")
                labels = argument.substr(9);
            else if (fileFollows(i))
                labels = argv[++i];
        } else if (argument == "--stock" || argument.starts_with("--stock=")) {
            if (argument != "--stock")
                stock = std::string(argument.substr(8));
            else if (fileFollows(i))
                stock = argv[++i];
            else if (std::optional<std::string> own = ownValuesFile())
                stock = std::move(own);
            else
                return refused(err, "параметру «--stock» нужен файл: каталог данных не известен "
                                    "(нет HOME)");
        } else if (argument == "--qr") {
            job.qr = true;
        } else {
            return refused(err, "с «--sheet» и «--labels» задаются только -o, --paper, "
                                "--preset, --grid, --label, --gap, --qr и --stock, а не " +
                                    marking::quoted(argument) + "\nСправка: vantrel --help");
        }
    }
    if (sheet && labelsAsked)
        return refused(err, "«--sheet» и «--labels» не задаются вместе");
    if (!output)
        return refused(err, "нужен файл, куда писать: -o ФАЙЛ.pdf");
    std::string lower(*output);
    std::ranges::transform(lower, lower.begin(), [](unsigned char c) {
        return static_cast<char>(c < 0x80 ? std::tolower(c) : c);
    });
    if (!lower.ends_with(".pdf") || lower.size() == 4)
        return refused(err, "листы пишутся в PDF: имя файла кончается на .pdf, а не " +
                                marking::quoted(*output));
    job.output = std::string(*output);
    // The label sheets named are A4 sheets; a sheet typed, and the sorting sheet, are on the
    // paper of the locale.
    const bool typedSheet = grid || size;
    job.paper = printer && (sheet || typedSheet) ? printer->localePaper() : paper::Paper::A4;
    if (paperName) {
        const auto named = paper::paperNamed(*paperName);
        if (!named)
            return refused(err, "бумага A4 или Letter, а не " + marking::quoted(*paperName));
        job.paper = *named;
    }
    const paper::Size page = paper::paperSize(job.paper);
    if (sheet) {
        if (preset || grid || size || gaps || job.qr || stock)
            return refused(err, "--preset, --grid, --label, --gap, --qr и --stock только для "
                                "«--labels»");
        auto text = listText(*sheet, in, lists::kLongestList, "деталей ");
        if (text.index() == 1)
            return refused(err, std::get<1>(text));
        auto checked = lists::checkPartsList(std::get<0>(text));
        if (const auto* unreadable = std::get_if<lists::Unreadable>(&checked))
            return refused(err, listName(*sheet, "деталей ") + ": " + unreadable->reason);
        job.sheet = paper::sortingSheet(std::get<lists::CheckedList>(checked).lines);
        job.title = baseName(*sheet);
    } else {
        if (labels && stock)
            return refused(err, "этикетки берутся из одного списка: файла «--labels» или "
                                "своих номиналов «--stock»");
        const std::string_view source = labels ? *labels : stock ? std::string_view(*stock) : "-";
        if (preset && (grid || size || gaps))
            return refused(err, "«--preset» или «--grid» с «--label»: не вместе");
        if (grid || size) {
            if (!grid || !size)
                return refused(err, "«--grid» задаётся с «--label»: сетка и размер этикетки");
            auto typed = paper::typedLabelSheet(*grid, *size, gaps.value_or(""), page);
            if (auto* problem = std::get_if<std::string>(&typed))
                return refused(err, *problem);
            job.labelSheet = std::get<paper::LabelSheet>(typed);
        } else if (gaps) {
            return refused(err, "«--gap» задаётся с «--grid» и «--label»");
        } else {
            const paper::LabelPreset* chosen =
                paper::labelPreset(preset.value_or(paper::labelPresets().front().name));
            if (!chosen) {
                std::string names;
                for (const paper::LabelPreset& known : paper::labelPresets())
                    names.append(names.empty() ? "" : ", ").append(known.name);
                return refused(err, "нет листа этикеток " + marking::quoted(*preset) + "; есть " +
                                        names);
            }
            job.labelSheet = chosen->sheet;
        }
        if (const auto problem =
                paper::labelSheetProblem(job.labelSheet, page, paper::paperName(job.paper)))
            return refused(err, *problem);
        auto text = listText(source, in, networks::kLongestStockText, "номиналов ");
        if (text.index() == 1)
            return refused(err, std::get<1>(text));
        auto made = labelsOf(std::get<0>(text), source);
        if (auto* problem = std::get_if<std::string>(&made))
            return refused(err, *problem);
        job.labels = std::get<std::vector<paper::Label>>(std::move(made));
        job.title = baseName(source);
    }
    if (!printer)
        return refused(err, "эта сборка не рисует листов");
    return printer->print(job, err);
}

} // namespace vantrel::cli
