// The command line: --help, --version and the markings given to read are answered before
// any window or display exists. Plain C++, so the answer needs no X or Wayland connection.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

namespace vantrel::cli {

struct Printer;

// The exit codes of an answer on the command line.
inline constexpr int kEveryMarkingRead = 0; // and for --help and --version
inline constexpr int kNoAnswer = 1;   // a marking has no reading (it still has its line), or no
                                      // divider has a total near the aim
inline constexpr int kUsageError = 2; // an unknown option, or one without its value
inline constexpr int kInputOutputError = 3; // the answer could not be written, or the input read

// Answers the command line on the streams and gives the exit code, or nothing when the
// program should start its windows. Markings are read one per argument, and one per line of
// `in` for the argument "-" (a line's first 64 KiB, which is no marking when more follows).
// Qt's own options (-platform, -style, -display ...) are let through for QApplication to
// take; any other option is an error. When `out` fails, nothing more is read or written.
// --sheet and --labels draw with the printer; without one they are refused.
std::optional<int> answerCommandLine(int argc, const char* const* argv, std::istream& in,
                                     std::ostream& out, std::ostream& err,
                                     const Printer* printer = nullptr);

// The same on standard input, output and error, which are only set up when there are
// arguments: a launch of the windows never pays for the C++ standard streams. An output that
// could not be written, or an input that could not be read, is named on standard error
// (a closed pipe ends quietly) and the exit code is kInputOutputError.
std::optional<int> answerCommandLine(int argc, const char* const* argv,
                                     const Printer* printer = nullptr);

// Why reading the process's standard input through `in` failed ("это каталог"), or nothing
// where it did not or `in` reads something else. The answer that asks names the failure as its
// own, and it is not named again.
std::optional<std::string> readFailure(std::istream& in);

} // namespace vantrel::cli
