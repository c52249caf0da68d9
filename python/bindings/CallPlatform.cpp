#include "CallPlatform.h"

#include <pybind11/pybind11.h>

namespace py = pybind11;

namespace {

/// How often a computation on the main thread looks for Ctrl-C: often enough to stop at once
/// for a person, seldom enough to cost nothing.
constexpr std::chrono::milliseconds kSignalPollInterval{20};

unsigned long& MainThread() {
    static unsigned long ident = 0;
    return ident;
}

} // namespace

void RememberMainThread(unsigned long ident) {
    MainThread() = ident;
}

CCallPlatform::CCallPlatform()
    : m_mainThread(MainThread()), m_pollsSignals(PyThread_get_thread_ident() == MainThread()) {}

CCallPlatform::~CCallPlatform() {
    // An interrupt that was never raised is dropped with the interpreter's lock held.
    if (m_type || m_value || m_trace) {
        py::gil_scoped_acquire gil;
        Py_XDECREF(m_type);
        Py_XDECREF(m_value);
        Py_XDECREF(m_trace);
    }
}

EMsgAnswer CCallPlatform::MessageBox(const std::string& text, const std::string&,
                                     EMsgButtons buttons) {
    {
        std::lock_guard lock(m_mutex);
        m_messages.push_back(text);
    }
    // A command that replaces the scenario goes on without saving the one it leaves: Python
    // writes files only where it is asked to.
    if (buttons == EMsgButtons::YesNoCancel && text == "Do you want to save changes?")
        return EMsgAnswer::No;
    if (buttons == EMsgButtons::YesNo || buttons == EMsgButtons::YesNoCancel)
        return EMsgAnswer::Yes;
    return EMsgAnswer::Ok;
}

bool CCallPlatform::CancelRequested() {
    if (m_interrupted)
        return true;
    if (!m_pollsSignals || PyThread_get_thread_ident() != m_mainThread)
        return false;
    const auto now = std::chrono::steady_clock::now();
    if (now - m_lastPoll < kSignalPollInterval)
        return false;
    m_lastPoll = now;
    py::gil_scoped_acquire gil;
    if (PyErr_CheckSignals() == 0)
        return false;
    PyErr_Fetch(&m_type, &m_value, &m_trace);
    m_interrupted = true;
    return true;
}

std::vector<std::string> CCallPlatform::Messages() const {
    std::lock_guard lock(m_mutex);
    return m_messages;
}

void CCallPlatform::ClearMessages() {
    std::lock_guard lock(m_mutex);
    m_messages.clear();
}

void CCallPlatform::RaisePendingSignal() {
    if (!m_interrupted)
        return;
    PyErr_Restore(m_type, m_value, m_trace);
    m_type = m_value = m_trace = nullptr;
    throw py::error_already_set();
}
