#pragma once

#include <functional>

/// Runs `work` on a thread of its own and returns once it has finished, processing the calling
/// thread's events meanwhile (repaints, timers, input), so that a window stays live and can ask
/// the work to stop through state the two share. Work that ends within `quietMs` returns
/// before any event is processed, so a quick job never shows its window's locked state (0:
/// events are processed from the start, for work whose window shows its lock at once).
/// Whatever the work wrote is visible to the caller on return. Calls nest as event loops do:
/// keep disabled what the user could start meanwhile.
void RunOnWorkerThread(const std::function<void()>& work, int quietMs = 100);
