#include "thermograph/ThermographPool.h"

#include "platform/Platform.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace {

/// Shows the progress of row `row` of `rows` and polls the cancel request; true to go on.
bool ReportRow(int row, int rows) {
    const double percent = row * 100.0 / rows;
    Platform().SetStatusText(1, PercentDoneText(percent));
    Platform().SetProgressPercent(percent);
    return !Platform().CancelRequested();
}

bool RunHere(int rows, const std::function<void(int, int)>& job) {
    for (int row = 0; row < rows; ++row) {
        if (!ReportRow(row, rows))
            return false;
        job(row, 0);
    }
    return true;
}

/// The rows shared by the workers and the calling thread's view of how far they are.
class CRowQueue {
public:
    CRowQueue(int rows, const std::function<void(int, int)>& job)
        : m_rows(rows), m_job(job), m_done(static_cast<std::size_t>(rows), 0) {}

    void Work(int worker) {
        for (int row = m_next++; row < m_rows && !m_stop; row = m_next++) {
            try {
                m_job(row, worker);
            } catch (...) {
                std::lock_guard lock(m_mutex);
                if (!m_error)
                    m_error = std::current_exception();
                m_stop = true;
            }
            std::lock_guard lock(m_mutex);
            m_done[static_cast<std::size_t>(row)] = 1;
            m_changed.notify_all();
        }
        std::lock_guard lock(m_mutex);
        ++m_finished;
        m_changed.notify_all();
    }

    /// Waits until every row above `row` is done (or the workers stopped).
    void WaitForRowsAbove(int row, int threads) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] {
            while (m_ready < row && m_done[static_cast<std::size_t>(m_ready)])
                ++m_ready;
            return m_ready >= row || m_finished == threads;
        });
    }

    void Stop() { m_stop = true; }
    std::exception_ptr Error() const { return m_error; }

private:
    const int m_rows;
    const std::function<void(int, int)>& m_job;
    std::atomic<int> m_next{0};
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<char> m_done;
    int m_ready = 0;
    int m_finished = 0;
    std::exception_ptr m_error;
};

} // namespace

std::string PercentDoneText(double percent) {
    char text[48];
    std::snprintf(text, sizeof text, "Percent done: %2.1f", percent);
    return text;
}

int CThermographPool::ThreadCount(int requested, int rows) {
    int threads = requested > 0 ? requested : static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(threads, 1, std::max(rows, 1));
}

bool CThermographPool::Run(int rows, int threads, const std::function<void(int, int)>& job) {
    threads = ThreadCount(threads, rows);
    if (threads == 1)
        return RunHere(rows, job);
    CRowQueue queue(rows, job);
    std::vector<std::thread> workers;
    bool cancelled = false;
    CPlatform& platform = Platform();
    for (int worker = 0; worker < threads; ++worker)
        workers.emplace_back([&queue, &platform, worker] {
            const CScopedPlatform scope(platform);
            queue.Work(worker);
        });
    for (int row = 0; row < rows && !cancelled; ++row) {
        queue.WaitForRowsAbove(row, threads);
        if (queue.Error())
            break;
        cancelled = !ReportRow(row, rows);
    }
    if (cancelled)
        queue.Stop();
    for (std::thread& worker : workers)
        worker.join();
    if (queue.Error())
        std::rethrow_exception(queue.Error());
    return !cancelled;
}

void CThermographPool::Halves(int count, const std::function<void(int, int)>& part) {
    const int half = count / 2;
    if (half == 0 || std::thread::hardware_concurrency() < 2) {
        part(0, count);
        return;
    }
    std::exception_ptr error;
    CPlatform& platform = Platform();
    std::thread second([&] {
        const CScopedPlatform scope(platform);
        try {
            part(half, count);
        } catch (...) {
            error = std::current_exception();
        }
    });
    try {
        part(0, half);
    } catch (...) {
        second.join();
        throw;
    }
    second.join();
    if (error)
        std::rethrow_exception(error);
}
