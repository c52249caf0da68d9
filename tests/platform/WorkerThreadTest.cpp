#include "platform/WorkerThread.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

TEST(WorkerThreadTest, LongWorkRunsElsewhereWhileTheCallersEventsFlow) {
    // The work waits for a flag that only the caller's timer sets: it ends only if the caller
    // processes its events meanwhile (and gives up after a minute rather than hang).
    std::atomic<bool> answered{false};
    QThread* workThread = nullptr;
    bool sawAnswer = false;
    QTimer::singleShot(150, [&answered] { answered = true; });
    RunOnWorkerThread([&] {
        workThread = QThread::currentThread();
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (!answered && std::chrono::steady_clock::now() < giveUp)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        sawAnswer = answered;
    });
    EXPECT_TRUE(sawAnswer);
    EXPECT_NE(workThread, nullptr);
    EXPECT_NE(workThread, QThread::currentThread());
}

TEST(WorkerThreadTest, QuickWorkReturnsBeforeAnyEventIsProcessed) {
    bool fired = false;
    QTimer::singleShot(0, [&fired] { fired = true; });
    int result = 0;
    // A quiet time no loaded machine needs to start and end a thread: the job ends within it
    // however busy the machine, so the caller's events must wait for its own loop.
    RunOnWorkerThread([&result] { result = 42; }, 600000);
    EXPECT_EQ(result, 42);
    EXPECT_FALSE(fired) << "a quick job leaves the caller's events for its own loop";
    // The timer is still due; let it fire so that it does not reach a later test.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_TRUE(fired);
}

} // namespace
