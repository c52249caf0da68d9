#include "app/LongWork.h"

#include "app/WidgetPlatform.h"
#include "platform/WorkerThread.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

#include <atomic>

void CLongWork::Lock(bool locked) {
    m_window.menuBar()->setEnabled(!locked);
    for (QToolBar* bar : m_window.findChildren<QToolBar*>())
        bar->setEnabled(!locked);
    if (QWidget* central = m_window.centralWidget())
        central->setEnabled(!locked);
}

bool CLongWork::Run(const std::vector<SLongConcept>& work) {
    if (work.empty() || m_running)
        return true;
    m_running = true;
    Lock(true);
    m_platform.ShowProgress(true);
    std::atomic<int> done{0};
    const int count = static_cast<int>(work.size());
    RunOnWorkerThread([&work, &done, this] {
        for (const SLongConcept& item : work) {
            if (m_platform.CancelRequested())
                break;
            m_platform.SetStatusText(1, "Computing the " + item.name + "...");
            item.compute();
            ++done;
        }
    }, 0);
    const bool cancelled = m_platform.CancelRequested() || done < count;
    m_platform.ShowProgress(false);
    m_platform.SetStatusText(1, cancelled ? "Cancelled" : " ");
    Lock(false);
    m_running = false;
    return !cancelled;
}
