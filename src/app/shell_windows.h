// The windows of the shell that decode nothing: About, and two windows nothing shows.
#pragma once

#include "ui/window_frame.h"

namespace vantrel::app {

class TForm6 final : public ui::Window { // About
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);
};

class TForm7 final : public ui::Window { // a code-entry window that is never shown
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);
};

class TForm11 final : public ui::Window { // an empty window that is never shown
    Q_OBJECT
public:
    explicit TForm11(QWidget* parent = nullptr);
};

} // namespace vantrel::app
