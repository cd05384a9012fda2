#include "core/cli/command_line.h"

#include <algorithm>
#include <span>
#include <string_view>

#ifndef VANTREL_VERSION
#error "VANTREL_VERSION comes from the project's version in CMake"
#endif

namespace vantrel::cli {
namespace {

constexpr std::string_view kHelp =
    "Использование: vantrel [ПАРАМЕТР]...\n"
    "Номинал резистора, катушки индуктивности или конденсатора по маркировке.\n"
    "Без параметров открывает главное окно; окна выбираются в меню «Элемент»:\n"
    "  Резистор > Цветовая > 3 полосы, 4 полосы, 5 полос, 6 полос: цветные полосы;\n"
    "  Резистор > Кодовая: буквенный код резистора, например R33G;\n"
    "  Резистор > SMD-код: код чип-резистора, например 472, 4R7, 01C;\n"
    "  Конденсатор > Кодовая > 3-мя цифрами, 4-мя цифрами: цифровой код;\n"
    "  Конденсатор > Код с буквами: код с корпуса, например 2A104J, 4n7;\n"
    "  Индуктивность > 3 полосы, 4 полосы: цветные полосы катушки.\n"
    "\n"
    "  -h, --help     показать эту справку и выйти\n"
    "      --version  показать версию и выйти\n"
    "\n"
    "Принимаются и стандартные параметры Qt, например -platform, -style, -display.\n"
    "\n"
    "Подробнее: man vantrel\n";

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

CommandLineAnswer error(std::string problem) {
    return {2, {}, "vantrel: " + problem + "\nСправка: vantrel --help\n"};
}

std::string quoted(std::string_view text) {
    return "«" + std::string(text) + "»";
}

} // namespace

std::optional<CommandLineAnswer> answerCommandLine(int argc, const char* const* argv) {
    bool optionsEnded = false; // after "--" every argument is a plain one
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (optionsEnded || !argument.starts_with('-') || argument == "-")
            return error("лишний аргумент " + quoted(argument));
        if (argument == "--help" || argument == "-h")
            return CommandLineAnswer{0, std::string(kHelp), {}};
        if (argument == "--version")
            return CommandLineAnswer{0, std::string(kVersion), {}};
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        // Qt reads "--style" as "-style".
        const std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
        if (among(kQtFlags, name) || startsWithOneOf(kQtOptionsJoined, name))
            continue;
        if (among(kQtOptionsWithValue, name)) {
            if (++i == argc)
                return error("параметру " + quoted(argument) + " нужно значение");
            continue;
        }
        return error("неизвестный параметр " + quoted(argument));
    }
    return std::nullopt;
}

} // namespace vantrel::cli
