// The six colour-band windows: each is a recipe and a layout for the one band window.
#pragma once

#include "windows/band_window.h"

namespace vantrel::bands {

class TForm2 final : public BandWindow { // resistor, 3 bands
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
};

class TForm3 final : public BandWindow { // resistor, 4 bands
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
};

class TForm4 final : public BandWindow { // resistor, 5 bands
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);
};

class TForm5 final : public BandWindow { // resistor, 6 bands
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);
};

class TForm12 final : public BandWindow { // inductor, 3 bands
    Q_OBJECT
public:
    explicit TForm12(QWidget* parent = nullptr);
};

class TForm13 final : public BandWindow { // inductor, 4 bands
    Q_OBJECT
public:
    explicit TForm13(QWidget* parent = nullptr);
};

} // namespace vantrel::bands
