// A window's own thread, and the object living on it that the window's long work is queued
// to: the finder's search, the parts list's reading. The object's `latest` holds the number of
// the latest request, so that work queued behind a later request passes itself over.
#pragma once

#include <QString>
#include <QThread>
#include <cstdint>

namespace vantrel::ui {

template <typename Worker> class WorkerThread {
public:
    explicit WorkerThread(const QString& name)
        : worker_(new Worker) {
        thread_.setObjectName(name);
        worker_->moveToThread(&thread_);
        thread_.start();
    }
    // Waits for the work being done; what is queued behind it is done no more.
    ~WorkerThread() {
        worker_->latest = UINT64_MAX;
        thread_.quit();
        thread_.wait();
        delete worker_;
    }
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    Worker* worker() const { return worker_; }

private:
    QThread thread_;
    Worker* worker_; // lives on thread_, deleted after it ends
};

} // namespace vantrel::ui
