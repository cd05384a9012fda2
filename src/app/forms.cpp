#include "app/forms.h"

#include "ui/fonts.h"

namespace vantrel::app {

std::unique_ptr<Forms> createForms() {
    ui::registerFontSubstitutes();
    auto forms = std::make_unique<Forms>();
    forms->Form1 = std::make_unique<TForm1>(*forms);
    QWidget* main = forms->Form1.get();
    forms->Form2 = std::make_unique<bands::TForm2>(main);
    forms->Form3 = std::make_unique<bands::TForm3>(main);
    forms->Form4 = std::make_unique<bands::TForm4>(main);
    forms->Form5 = std::make_unique<bands::TForm5>(main);
    forms->Form6 = std::make_unique<TForm6>(main);
    forms->Form7 = std::make_unique<TForm7>(main);
    forms->Form8 = std::make_unique<codes::TForm8>(main);
    forms->Form9 = std::make_unique<codes::TForm9>(main);
    forms->Form10 = std::make_unique<codes::TForm10>(main);
    forms->Form11 = std::make_unique<TForm11>(main);
    forms->Form12 = std::make_unique<bands::TForm12>(main);
    forms->Form13 = std::make_unique<bands::TForm13>(main);
    return forms;
}

} // namespace vantrel::app
