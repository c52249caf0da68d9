#pragma once

#include <functional>
#include <string>

/// The progress text shown in status pane 1 before each row of a long map.
std::string PercentDoneText(double percent);

/// Runs one job per row of a map on a fixed number of worker threads. Each row's results go to
/// places of their own, so the map does not depend on the number of threads. The calling
/// thread alone talks to the platform: before each row, in row order and once the rows above
/// are done, it shows "Percent done: %2.1f" and polls the cancel request, exactly as a
/// synchronous run would.
class CThermographPool {
public:
    /// The threads a map uses: the requested number, one per core when 0, at most one per row.
    static int ThreadCount(int requested, int rows);
    /// Calls job(row, worker) for every row, worker counting from 0 below the thread count.
    /// False when the cancel poll stopped the run (rows not yet started are then skipped).
    /// An exception thrown by a job is raised again here after every worker has stopped.
    static bool Run(int rows, int threads, const std::function<void(int row, int worker)>& job);
    /// Calls part(first, last) for the halves of 0 .. count - 1, the second on a thread of its
    /// own while the calling thread takes the first, for short work that only reads what it
    /// shares and writes places of its own (no platform calls). An exception thrown by either
    /// half is raised again here once both are done.
    static void Halves(int count, const std::function<void(int first, int last)>& part);
};
