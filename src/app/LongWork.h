#pragma once

#include "views/LongConcepts.h"

#include <vector>

class CWidgetPlatform;
class QMainWindow;

/// Runs long computations of the document on a worker thread while the window stays responsive:
/// the window is locked against edits (menus, toolbars, form and chart disabled), the status
/// bar shows a progress bar with a Cancel button, and the Escape key cancels too. The worker
/// runs exactly the functions a synchronous run would, so the results are the same.
class CLongWork {
public:
    CLongWork(CWidgetPlatform& platform, QMainWindow& window)
        : m_platform(platform), m_window(window) {}

    /// Runs the computations in order, returning when they are done or the user cancelled
    /// (false); events are processed meanwhile.
    bool Run(const std::vector<SLongConcept>& work);
    /// Whether a computation is running (the document must not be touched).
    bool IsRunning() const { return m_running; }

private:
    void Lock(bool locked);

    CWidgetPlatform& m_platform;
    QMainWindow& m_window;
    bool m_running = false;
};
