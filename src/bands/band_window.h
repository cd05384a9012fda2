// The one colour-band window: a recipe of bands and result line, shown through a layout.
#pragma once

#include "bands/band_set.h"
#include "ui/window_frame.h"

#include <QVector>

class QPlainTextEdit;

namespace vantrel::ui {
class RadioGroup;
}

namespace vantrel::bands {

class BandWindow : public ui::Window {
    Q_OBJECT
public:
    BandWindow(const ui::WindowFrame& frame, const WindowRecipe& recipe, QWidget* parent);

    const BandSet& bandSet() const { return bands_; }

private slots:
    void RadioGroup1Click() { pick(0); }
    void RadioGroup2Click() { pick(1); }
    void RadioGroup3Click() { pick(2); }
    void RadioGroup4Click() { pick(3); }
    void RadioGroup5Click() { pick(4); }
    void RadioGroup6Click() { pick(5); }
    void Button1Click();

private:
    void setUpControls();
    void pick(int band);

    BandSet bands_;
    QVector<ui::RadioGroup*> RadioGroups;
    QPlainTextEdit* Memo1 = nullptr;
};

} // namespace vantrel::bands
