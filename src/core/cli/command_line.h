// The command line: --help and --version are answered before any window or display exists.
// Plain C++, so the answer needs no X or Wayland connection.
#pragma once

#include <optional>
#include <string>

namespace vantrel::cli {

struct CommandLineAnswer {
    int exitCode = 0;
    std::string standardOutput;
    std::string standardError;
};

// The answer to print before exiting, or nothing when the program should start. Qt's own
// options (-platform, -style, -display ...) are let through for QApplication to take; any
// other option, or an argument the program has no use for, is an error with exit code 2.
std::optional<CommandLineAnswer> answerCommandLine(int argc, const char* const* argv);

} // namespace vantrel::cli
