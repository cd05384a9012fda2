#include "ui/window_frame.h"

#include <QEvent>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWindow>

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

// Watches one window from its first showing to its first painting, then goes. The window
// manager frames a window between the two: the first placement can only guess the frame,
// the second knows it.
class Centring : public QObject {
public:
    explicit Centring(QWidget* window)
        : QObject(window)
        , window_(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show && !shown_) {
            shown_ = true;
            centre();
        } else if (event->type() == QEvent::Paint && shown_) {
            centre();
            window_->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    // move() places the outer frame's top-left corner.
    void centre() {
        const QScreen* screen = window_->screen();
        if (!screen)
            return;
        const QWindow* handle = window_->windowHandle();
        const QMargins frame = handle ? handle->frameMargins() : QMargins();
        const QSize outer = window_->size().grownBy(frame);
        const QSize free = screen->geometry().size() - outer;
        window_->move(std::max(0, free.width() / 2), std::max(0, free.height() / 2));
    }

    QWidget* window_;
    bool shown_ = false;
};

} // namespace

void centreWhenShown(QWidget* window) {
    new Centring(window);
}

Window::Window(const WindowFrame& frame, QWidget* parent)
    : QDialog(parent, flagsFor(frame.border))
    , frame_(frame) {
    setWindowTitle(QString::fromUtf8(frame.caption));
    setFont(makeFont(frame.font));
    if (frame.border == Border::FixedTool)
        setFixedSize(frame.client);
    else
        resize(frame.client);
    if (frame.firstPosition.x() >= 0)
        move(frame.firstPosition);
    else
        centreWhenShown(this);
}

void Window::ensureBuilt() {
    if (built_)
        return;
    built_ = true;
    QWidget* canvas =
        frame_.border == Border::SizeableTool ? scrolledCanvas(this, frame_.client) : this;
    controlsBuilt(buildControls(canvas, frame_.controls));
}

void Window::setVisible(bool visible) {
    if (visible)
        ensureBuilt();
    QDialog::setVisible(visible);
}

} // namespace vantrel::ui
