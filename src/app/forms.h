// The program's thirteen windows, created once at start-up in their fixed order.
#pragma once

#include "app/main_window.h"
#include "app/shell_windows.h"
#include "bands/colour_windows.h"
#include "codes/code_windows.h"

#include <array>
#include <memory>

namespace vantrel::app {

// Declared in creation order, so they are destroyed the other way round: every secondary
// window goes before the main window that parents it.
struct Forms {
    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<bands::TForm2> Form2;
    std::unique_ptr<bands::TForm3> Form3;
    std::unique_ptr<bands::TForm4> Form4;
    std::unique_ptr<bands::TForm5> Form5;
    std::unique_ptr<TForm6> Form6;
    std::unique_ptr<TForm7> Form7;
    std::unique_ptr<codes::TForm8> Form8;
    std::unique_ptr<codes::TForm9> Form9;
    std::unique_ptr<codes::TForm10> Form10;
    std::unique_ptr<TForm11> Form11;
    std::unique_ptr<bands::TForm12> Form12;
    std::unique_ptr<bands::TForm13> Form13;

    // Every window but the main one, in creation order.
    std::array<ui::Window*, 12> secondary() const {
        return {Form2.get(), Form3.get(), Form4.get(),  Form5.get(),  Form6.get(),  Form7.get(),
                Form8.get(), Form9.get(), Form10.get(), Form11.get(), Form12.get(), Form13.get()};
    }
};

// Registers the font stand-ins and creates every window, the main window first; only the
// main window is to be shown.
std::unique_ptr<Forms> createForms();

} // namespace vantrel::app
