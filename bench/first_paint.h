// Benchmark builds only: prints the CLOCK_MONOTONIC time of a window's first painted frame
// in nanoseconds, then quits, so that a launcher can time launch to first paint.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace vantrel::bench {

class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* window)
        : QObject(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // The frame reaches the screen when the backing store is flushed, right after the
            // paint event; the zero timer runs once that is done.
            QTimer::singleShot(0, this, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("first-paint-ns %lld\n", now.tv_sec * 1000000000LL + now.tv_nsec);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

} // namespace vantrel::bench
