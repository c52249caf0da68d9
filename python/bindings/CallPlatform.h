#pragma once

#include "platform/Platform.h"

#include <Python.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <vector>

/// The platform of one call from Python into the core, installed on the calling thread (and
/// taken over by the threads the computation starts) for as long as the call runs. It opens no
/// window and never ends the interpreter: message boxes are kept as the call's messages and
/// answered as a batch run answers them, file questions are cancelled, and the cancel poll
/// reads Ctrl-C from Python's own signal handling when the call came from the main thread.
class CCallPlatform : public CPlatform {
public:
    CCallPlatform();
    ~CCallPlatform() override;
    CCallPlatform(const CCallPlatform&) = delete;
    CCallPlatform& operator=(const CCallPlatform&) = delete;

    EMsgAnswer MessageBox(const std::string& text, const std::string& title,
                          EMsgButtons buttons) override;
    void SetStatusText(int, const std::string&) override {}
    void SetWaitCursor(bool) override {}
    bool CancelRequested() override;
    std::string AskOpenFileName(const std::string&, const std::string&) override { return {}; }
    std::string AskSaveFileName(const std::string&, const std::string&,
                                const std::string&) override {
        return {};
    }
    std::string AskDataSource() override { return {}; }
    void RefreshViews() override {}
    void ExitProgram(int) override {}

    /// The texts of the message boxes shown during the call, in order.
    std::vector<std::string> Messages() const;
    /// Forgets the messages shown so far (a step whose notices are not the call's failure).
    void ClearMessages();
    /// After the call, with the interpreter's lock held: raises the exception a signal handler
    /// raised while the call ran (KeyboardInterrupt for Ctrl-C) as a C++ exception that
    /// pybind11 passes on to Python. Does nothing when no signal came.
    void RaisePendingSignal();

private:
    mutable std::mutex m_mutex;
    std::vector<std::string> m_messages;
    unsigned long m_mainThread = 0;
    bool m_pollsSignals = false;
    std::chrono::steady_clock::time_point m_lastPoll;
    std::atomic<bool> m_interrupted{false};
    PyObject* m_type = nullptr;
    PyObject* m_value = nullptr;
    PyObject* m_trace = nullptr;
};

/// The identity of the interpreter's main thread, which alone receives Ctrl-C; read once when
/// the module is imported.
void RememberMainThread(unsigned long ident);
