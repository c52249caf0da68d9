#pragma once

#include "platform/ForwardingPlatform.h"

#include <csignal>

/// Catches Ctrl-C (SIGINT) for as long as it lives: the signal asks the running work to stop
/// (the interrupt a running script polls) instead of ending the program.
class CInterruptHandler {
public:
    CInterruptHandler();
    ~CInterruptHandler();
    CInterruptHandler(const CInterruptHandler&) = delete;
    CInterruptHandler& operator=(const CInterruptHandler&) = delete;

private:
    struct sigaction m_previous {};
};

/// The platform the command installed, with Ctrl-C as the cancel request, so that the long
/// computations of a command stop where they poll for Cancel.
class CInterruptiblePlatform : public CForwardingPlatform {
public:
    using CForwardingPlatform::CForwardingPlatform;
    bool CancelRequested() override;
};
