// The one colour-band window: a recipe of bands and result line, shown through a layout.
#pragma once

#include "core/bands/band_set.h"
#include "ui/window_frame.h"

#include <array>

class QPlainTextEdit;

namespace vantrel::ui {
class RadioGroup;
}

namespace vantrel::bands {

class BandWindow : public ui::Window {
    Q_OBJECT
public:
    const BandSet& bandSet() const { return bands_; }

protected:
    BandWindow(const ui::WindowFrame& frame, const WindowRecipe& recipe, QWidget* parent);

private slots:
    void RadioGroup1Click() { pick(0); }
    void RadioGroup2Click() { pick(1); }
    void RadioGroup3Click() { pick(2); }
    void RadioGroup4Click() { pick(3); }
    void RadioGroup5Click() { pick(4); }
    void RadioGroup6Click() { pick(5); }
    void Button1Click();

private:
    void controlsBuilt(const ui::Controls& controls) override;
    void pick(int band);

    BandSet bands_;
    std::array<ui::RadioGroup*, kMaxBands> RadioGroups{};
    QPlainTextEdit* Memo1 = nullptr;
};

} // namespace vantrel::bands
