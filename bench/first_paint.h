// Benchmark builds only: marks the phases of start-up and prints, at a window's first painted
// frame, the CLOCK_MONOTONIC time of each mark and of the frame in nanoseconds, then quits, so
// that a launcher can time launch to first paint and see where the time went.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <utility>
#include <vector>

namespace vantrel::bench {

inline long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

inline std::vector<std::pair<const char*, long long>>& marks() {
    static std::vector<std::pair<const char*, long long>> all;
    return all;
}

// The end of a phase of start-up: "main" (the program loaded), "application" (the
// QApplication made), "window" (the main window built), "shown".
inline void mark(const char* phase) {
    marks().emplace_back(phase, monotonicNs());
}

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
                const long long painted = monotonicNs();
                for (const auto& [phase, at] : marks())
                    std::printf("mark-ns %s %lld\n", phase, at);
                std::printf("first-paint-ns %lld\n", painted);
                timespec cpu{};
                clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
                std::printf("cpu-ns %lld\n", cpu.tv_sec * 1000000000LL + cpu.tv_nsec);
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
