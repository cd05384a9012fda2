// Every window of a running program, found among the main window's children by class: for
// the tests, the benchmark and the screenshot tool, which drive the windows from inside. The
// main window owns them all; the program itself never looks them up.
#pragma once

#include "app/main_window.h"
#include "app/shell_windows.h"
#include "windows/any_marking_window.h"
#include "windows/check_window.h"
#include "windows/code_windows.h"
#include "windows/colour_windows.h"
#include "windows/combine_window.h"
#include "windows/labels_window.h"
#include "windows/marking_windows.h"

#include <array>

namespace vantrel::test {

struct Windows {
    app::TForm1* Form1;
    bands::TForm2* Form2;
    bands::TForm3* Form3;
    bands::TForm4* Form4;
    bands::TForm5* Form5;
    app::TForm6* Form6;
    app::TForm7* Form7;
    codes::TForm8* Form8;
    codes::TForm9* Form9;
    codes::TForm10* Form10;
    app::TForm11* Form11;
    bands::TForm12* Form12;
    bands::TForm13* Form13;
    codes::SmdCodeWindow* SmdCode; // these seven are null until their menu items first show them
    codes::PrintedCapacitorCodeWindow* PrintedCapacitorCode;
    marking::AnyMarkingWindow* AnyMarking;
    windows::CombineWindow* Combine;
    windows::CheckWindow* CheckList;
    windows::LabelsWindow* Labels;

    // Every window but the main one, in creation order.
    std::array<ui::Window*, 12> secondary() const {
        return {Form2, Form3, Form4,  Form5,  Form6,  Form7,
                Form8, Form9, Form10, Form11, Form12, Form13};
    }
};

Windows windowsOf(app::TForm1* main);

} // namespace vantrel::test
