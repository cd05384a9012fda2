// The twelve band colours as the program paints them, in the order of the extended colour
// list: the colour windows' legend and the swatches of the marking window. The light ones are
// drawn with a black outline.
#pragma once

#include <QRgb>
#include <array>

namespace vantrel::ui {

struct BandColour {
    QRgb rgb;
    bool outlined;
};

inline constexpr std::array<BandColour, 12> kBandColours{{
    {qRgb(0, 0, 0), false},       // black
    {qRgb(128, 0, 0), false},     // brown
    {qRgb(255, 0, 0), false},     // red
    {qRgb(255, 128, 64), false},  // orange
    {qRgb(255, 255, 128), false}, // yellow
    {qRgb(0, 128, 0), false},     // green
    {qRgb(0, 255, 255), false},   // blue
    {qRgb(128, 0, 128), false},   // violet
    {qRgb(128, 128, 128), false}, // grey
    {qRgb(255, 255, 255), true},  // white
    {qRgb(192, 192, 192), true},  // silver
    {qRgb(255, 255, 128), true},  // gold
}};

} // namespace vantrel::ui
