// Fonts in pixels, and the installed families that stand in for the ones the windows name.
#pragma once

#include <QFont>

namespace vantrel::ui {

struct FontSpec {
    const char* family = nullptr; // nullptr: the window's own font
    int pixels = 0;
    bool bold = false;
    bool underline = false;
};

// The secondary windows' own font; the headings and edit boxes of the windows that read codes.
inline constexpr FontSpec kSansSerif11{"MS Sans Serif", 11};
inline constexpr FontSpec kTitle{"MS Sans Serif", 16, true};
inline constexpr FontSpec kBold13{"MS Sans Serif", 13, true};

// Maps "MS Sans Serif", "Arial", "Courier New" and the rest to what Debian installs, for Qt.
void registerFontSubstitutes();

// The font wanted, in the named family where it is installed and else in the family that
// stands in for it, so that Qt does not search for it.
QFont makeFont(const FontSpec& wanted);

} // namespace vantrel::ui
