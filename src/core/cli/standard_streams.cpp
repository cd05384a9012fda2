// The command line on the process's standard streams, made here rather than taken from
// <iostream>: that header sets up std::cin, std::cout and std::cerr, and the C++ library's
// locale with them, when the program is loaded, a third of a megabyte of memory and some
// start-up time that a launch of the windows never uses. These streams are made as std::cout
// is made, over C's stdio and in step with it, and are tied to each other the same way.
#include "core/cli/command_line.h"

#include <cstdio>
#include <ext/stdio_sync_filebuf.h>
#include <istream>
#include <ostream>

namespace vantrel::cli {

std::optional<int> answerCommandLine(int argc, const char* const* argv) {
    if (argc < 2)
        return std::nullopt;
    __gnu_cxx::stdio_sync_filebuf<char> input(stdin), output(stdout), error(stderr);
    std::istream in(&input);
    std::ostream out(&output);
    std::ostream err(&error);
    in.tie(&out);  // what was written is out before the program waits to read
    err.tie(&out); // and before an error is written
    err.setf(std::ios::unitbuf);
    return answerCommandLine(argc, argv, in, out, err);
}

} // namespace vantrel::cli
