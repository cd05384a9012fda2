// The command line: --help, --version and the markings given to read are answered before
// any window or display exists. Plain C++, so the answer needs no X or Wayland connection.
#pragma once

#include <iosfwd>
#include <optional>

namespace vantrel::cli {

// Answers the command line on the streams and gives the exit code, or nothing when the
// program should start its windows. Markings are read one per argument, and one per line of
// `in` for the argument "-": exit code 0 when each has a reading, 1 when one has none. Qt's
// own options (-platform, -style, -display ...) are let through for QApplication to take; any
// other option is an error with exit code 2.
std::optional<int> answerCommandLine(int argc, const char* const* argv, std::istream& in,
                                     std::ostream& out, std::ostream& err);

// The same on standard input, output and error, which are only set up when there are
// arguments: a launch of the windows never pays for the C++ standard streams.
std::optional<int> answerCommandLine(int argc, const char* const* argv);

} // namespace vantrel::cli
