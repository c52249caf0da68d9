#include "cli/Interrupt.h"

#include "script/ScriptInterrupt.h"

namespace {

extern "C" void RequestInterrupt(int) {
    RequestScriptInterrupt();
}

} // namespace

CInterruptHandler::CInterruptHandler() {
    ClearScriptInterrupt();
    struct sigaction action {};
    action.sa_handler = RequestInterrupt;
    // Output being written when Ctrl-C comes is finished, not cut off.
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &m_previous);
}

CInterruptHandler::~CInterruptHandler() {
    sigaction(SIGINT, &m_previous, nullptr);
}

bool CInterruptiblePlatform::CancelRequested() {
    return ScriptInterruptRequested() || CForwardingPlatform::CancelRequested();
}
