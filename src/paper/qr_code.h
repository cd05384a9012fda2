// QR codes by libqrencode, loaded the first time a code is drawn, so that the program starts
// without it.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vantrel::paper {

struct QrCode {
    int width = 0;          // modules a side, without the quiet zone
    std::vector<bool> dark; // row by row
    bool at(int x, int y) const { return dark[static_cast<std::size_t>(y * width + x)]; }
};

// The payload's UTF-8 bytes behind the ECI that names UTF-8, so that a reader does not guess
// another encoding for the Cyrillic, at error correction level M; nothing where it does not
// fit a QR code or libqrencode cannot be loaded.
std::optional<QrCode> qrCodeOf(const std::string& payload);

// Why QR codes cannot be drawn ("libqrencode.so.4: …"), or nothing where they can.
std::optional<std::string> qrProblem();

} // namespace vantrel::paper
