#include "paper/qr_code.h"

#include <QLibrary>
#include <memory>
#include <mutex>
#include <qrencode.h>

namespace vantrel::paper {
namespace {

// The functions of libqrencode the codes need, resolved once.
struct Encoder {
    decltype(&QRinput_new2) newInput = nullptr;
    decltype(&QRinput_appendECIheader) appendEci = nullptr;
    decltype(&QRinput_append) append = nullptr;
    decltype(&QRcode_encodeInput) encode = nullptr;
    decltype(&QRinput_free) freeInput = nullptr;
    decltype(&QRcode_free) freeCode = nullptr;
    std::string problem;
};

const Encoder& encoder() {
    static Encoder loaded;
    static std::once_flag once;
    std::call_once(once, [] {
        static QLibrary library(QStringLiteral("qrencode"), 4);
        const auto resolve = [](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
                library.resolve(name));
            return function != nullptr;
        };
        if (!(resolve(loaded.newInput, "QRinput_new2") &&
              resolve(loaded.appendEci, "QRinput_appendECIheader") &&
              resolve(loaded.append, "QRinput_append") &&
              resolve(loaded.encode, "QRcode_encodeInput") &&
              resolve(loaded.freeInput, "QRinput_free") && resolve(loaded.freeCode, "QRcode_free")))
            loaded.problem = "QR-коды не нарисовать: " + library.errorString().toStdString();
    });
    return loaded;
}

} // namespace

std::optional<std::string> qrProblem() {
    const Encoder& qr = encoder();
    return qr.problem.empty() ? std::nullopt : std::optional(qr.problem);
}

std::optional<QrCode> qrCodeOf(const std::string& payload) {
    constexpr unsigned kUtf8Eci = 26;
    const Encoder& qr = encoder();
    if (!qr.problem.empty())
        return std::nullopt;
    const std::unique_ptr<QRinput, decltype(qr.freeInput)> input(qr.newInput(0, QR_ECLEVEL_M),
                                                                 qr.freeInput);
    if (!input || qr.appendEci(input.get(), kUtf8Eci) != 0 ||
        qr.append(input.get(), QR_MODE_8, static_cast<int>(payload.size()),
                  reinterpret_cast<const unsigned char*>(payload.data())) != 0)
        return std::nullopt;
    const std::unique_ptr<QRcode, decltype(qr.freeCode)> code(qr.encode(input.get()), qr.freeCode);
    if (!code)
        return std::nullopt;
    QrCode made{code->width, {}};
    made.dark.reserve(static_cast<std::size_t>(code->width * code->width));
    for (int i = 0; i < code->width * code->width; ++i)
        made.dark.push_back(code->data[i] & 1);
    return made;
}

} // namespace vantrel::paper
