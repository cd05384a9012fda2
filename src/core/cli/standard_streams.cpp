// The command line on the process's standard streams, made here rather than taken from
// <iostream>: that header sets up std::cin, std::cout and std::cerr, and the C++ library's
// locale with them, when the program is loaded, a third of a megabyte of memory and some
// start-up time that a launch of the windows never uses. These streams write and read through
// C's stdio, in step with it, and remember why a write or a read failed.
#include "core/cli/command_line.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <istream>
#include <ostream>
#include <streambuf>
#include <string>
#include <unistd.h>

namespace vantrel::cli {
namespace {

// A stream buffer over one of C's standard streams. It keeps no output of its own, so what it
// writes reaches stdio in order. Input it reads itself, as much as is there at once: a read
// never waits for more than the line being typed, and the output tied to it is flushed only
// before a read that may wait, not after every answer.
class StdioBuffer final : public std::streambuf {
public:
    explicit StdioBuffer(std::FILE* file)
        : file_(file) {}
    StdioBuffer(const StdioBuffer&) = delete;
    StdioBuffer& operator=(const StdioBuffer&) = delete;

    // The errno of the first write, flush or read that failed; 0 while none has.
    int error() const { return error_; }
    // Whether an answer has named the failure as its own.
    bool named() const { return named_; }
    void name() { named_ = true; }
    // The output written out before each read that may wait for input.
    void flushBeforeWaiting(std::ostream& out) { waitsAfter_ = &out; }

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return sync() == 0 ? traits_type::not_eof(c) : traits_type::eof();
        if (std::fputc(c, file_) == EOF)
            return failed();
        return c;
    }
    std::streamsize xsputn(const char* text, std::streamsize size) override {
        const std::size_t written = std::fwrite(text, 1, static_cast<std::size_t>(size), file_);
        if (written < static_cast<std::size_t>(size))
            failed();
        return static_cast<std::streamsize>(written);
    }
    int sync() override { return std::fflush(file_) == 0 ? 0 : (failed(), -1); }
    int_type underflow() override {
        if (waitsAfter_ && !waitsAfter_->flush()) // nobody reads the answers any more
            return traits_type::eof();
        read_.resize(kReadAtOnce);
        ssize_t got = 0;
        do
            got = ::read(fileno(file_), read_.data(), read_.size());
        while (got < 0 && errno == EINTR);
        if (got <= 0) {
            if (got < 0)
                failed();
            return traits_type::eof();
        }
        setg(read_.data(), read_.data(), read_.data() + got);
        return traits_type::to_int_type(read_.front());
    }

private:
    int_type failed() {
        if (error_ == 0)
            error_ = errno != 0 ? errno : EIO;
        return traits_type::eof();
    }

    static constexpr std::size_t kReadAtOnce = 64 * 1024;
    std::FILE* file_;
    std::ostream* waitsAfter_ = nullptr;
    std::string read_;
    int error_ = 0;
    bool named_ = false;
};

// Why a stream failed, as a user reads it.
std::string reason(int error) {
    switch (error) {
    case ENOSPC:
        return "нет места на устройстве";
#ifdef EDQUOT // POSIX, not C++
    case EDQUOT:
        return "превышена дисковая квота";
#endif
    case EFBIG:
        return "файл слишком велик";
    case EIO:
        return "ошибка ввода-вывода";
    case EBADF:
        return "поток закрыт";
    case EISDIR:
        return "это каталог";
    default:
        return "ошибка " + std::to_string(error) + " (" + std::strerror(error) + ")";
    }
}

} // namespace

std::optional<std::string> readFailure(std::istream& in) {
    auto* buffer = dynamic_cast<StdioBuffer*>(in.rdbuf());
    if (!buffer || buffer->error() == 0)
        return std::nullopt;
    buffer->name();
    return reason(buffer->error());
}

std::optional<int> answerCommandLine(int argc, const char* const* argv, const Printer* printer) {
    if (argc < 2)
        return std::nullopt;
    StdioBuffer input(stdin), output(stdout), error(stderr);
    std::istream in(&input);
    std::ostream out(&output);
    std::ostream err(&error);
    err.tie(&out); // what was written is out before an error is written
    input.flushBeforeWaiting(out);
    err.setf(std::ios::unitbuf);
    std::optional<int> exitCode = answerCommandLine(argc, argv, in, out, err, printer);
    if (output.error() != 0) {
        if (output.error() != EPIPE) // the reader went away, as `vantrel - | head` does
            err << "vantrel: ответ не записан: " << reason(output.error()) << "\n";
        exitCode = kInputOutputError;
    }
    if (input.error() != 0 && !input.named()) {
        err << "vantrel: маркировки не прочитаны: " << reason(input.error()) << "\n";
        exitCode = kInputOutputError;
    }
    return exitCode;
}

} // namespace vantrel::cli
