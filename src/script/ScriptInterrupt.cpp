#include "script/ScriptInterrupt.h"

#include <atomic>

namespace {

// Lock-free, so a signal handler may set it; polled on every line of a running script.
std::atomic<bool> g_interruptRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free);

} // namespace

void RequestScriptInterrupt() {
    g_interruptRequested.store(true, std::memory_order_relaxed);
}

bool ScriptInterruptRequested() {
    return g_interruptRequested.load(std::memory_order_relaxed);
}

void ClearScriptInterrupt() {
    g_interruptRequested.store(false, std::memory_order_relaxed);
}
