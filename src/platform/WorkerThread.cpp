#include "platform/WorkerThread.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>

#include <memory>

void RunOnWorkerThread(const std::function<void()>& work, int quietMs) {
    std::unique_ptr<QThread> thread(QThread::create(work));
    QEventLoop loop;
    // The thread's end reaches the loop as a queued event, so an end before exec() still stops
    // it; after a quick end the event dies with the loop.
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    if (!thread->wait(QDeadlineTimer(quietMs)))
        loop.exec();
    thread->wait();
}
