// The six colour-band windows: each is a recipe and a layout for the one band window.
#pragma once

#include "bands/band_window.h"

namespace vantrel::bands {

enum class ColourWindowKind { Resistor3, Resistor4, Resistor5, Resistor6, Inductor3, Inductor4 };

template <ColourWindowKind Which> class ColourWindow final : public BandWindow {
public:
    explicit ColourWindow(QWidget* parent = nullptr);
};

using TForm2 = ColourWindow<ColourWindowKind::Resistor3>;
using TForm3 = ColourWindow<ColourWindowKind::Resistor4>;
using TForm4 = ColourWindow<ColourWindowKind::Resistor5>;
using TForm5 = ColourWindow<ColourWindowKind::Resistor6>;
using TForm12 = ColourWindow<ColourWindowKind::Inductor3>;
using TForm13 = ColourWindow<ColourWindowKind::Inductor4>;

} // namespace vantrel::bands
