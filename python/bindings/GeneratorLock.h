#pragma once

#include <mutex>

/// The Monte Carlo generators keep one random sequence for the whole process (the desktop's
/// dialog draws on from where the last draw stopped), so the module lets one thread at a time
/// draw: Monte Carlo scenarios and scripts, which may draw, hold this lock while they run.
inline std::mutex& GeneratorMutex() {
    static std::mutex mutex;
    return mutex;
}
