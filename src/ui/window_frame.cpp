#include "ui/window_frame.h"

#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace vantrel::ui {
namespace {

Qt::WindowFlags flagsFor(Border border) {
    if (border == Border::Sizeable)
        return Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
               Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
    return Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}

// The controls of a sizeable tool window stand on a canvas of the client size, in a scroll
// area: the window can grow or shrink around them while they keep their places.
QWidget* scrolledCanvas(QWidget* window, QSize client) {
    auto* area = new QScrollArea(window);
    area->setObjectName(QStringLiteral("ScrollArea"));
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus); // Tab goes round the controls only
    area->setWidgetResizable(false);
    auto* canvas = new QWidget;
    canvas->setFixedSize(client);
    area->setWidget(canvas);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
    return canvas;
}

} // namespace

Window::Window(const WindowFrame& frame, QWidget* parent)
    : QDialog(parent, flagsFor(frame.border))
    , frame_(frame) {
    setWindowTitle(QString::fromUtf8(frame.caption));
    setFont(makeFont(frame.font));
    if (frame.border == Border::FixedTool)
        setFixedSize(frame.client);
    else
        resize(frame.client);
}

void Window::ensureBuilt() {
    if (built_)
        return;
    built_ = true;
    QWidget* canvas =
        frame_.border == Border::SizeableTool ? scrolledCanvas(this, frame_.client) : this;
    buildControls(canvas, frame_.controls);
    for (const auto& setUp : setUps_)
        setUp();
    setUps_.clear();
}

void Window::setVisible(bool visible) {
    if (visible)
        ensureBuilt();
    QDialog::setVisible(visible);
}

void Window::whenBuilt(std::function<void()> setUp) {
    setUps_.push_back(std::move(setUp));
}

void Window::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        if (frame_.firstPosition.x() >= 0) {
            move(frame_.firstPosition);
        } else if (const QScreen* screen = this->screen()) {
            const QRect area = screen->geometry();
            move(std::max(0, (area.width() - width()) / 2),
                 std::max(0, (area.height() - height()) / 2));
        }
    }
    QDialog::showEvent(event);
}

} // namespace vantrel::ui
