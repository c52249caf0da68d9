#pragma once

#include "document/DocumentDialogs.h"
#include "import/ImportFlow.h"
#include "platform/Platform.h"

#include <QString>

#include <atomic>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QWidget;

/// The platform seam over widgets: message boxes, the status bar's panes, the wait cursor,
/// file dialogs, and the Cancel button and Escape key that stop a long computation. Calls from
/// a worker thread are carried over to the user-interface thread.
class CWidgetPlatform : public CPlatform {
public:
    /// parent: the window dialogs belong to; statusBar: where panes, progress and Cancel live.
    CWidgetPlatform(QWidget* parent, QStatusBar* statusBar);

    EMsgAnswer MessageBox(const std::string& text, const std::string& title,
                          EMsgButtons buttons) override;
    void SetStatusText(int pane, const std::string& text) override;
    void SetWaitCursor(bool on) override;
    void SetProgressPercent(double percent) override;
    bool CancelRequested() override;
    std::string AskOpenFileName(const std::string& title, const std::string& filter) override;
    std::string AskSaveFileName(const std::string& title, const std::string& suggested,
                                const std::string& filter) override;
    void RefreshViews() override;
    void ExitProgram(int code) override;
    void CloseMainWindow() override;
    // The generators' dialogs and the benefit of the doubt (WidgetPlatformGenerators.cpp).
    std::optional<SRegularPolygonSettings>
    AskRegularPolygon(const SRegularPolygonSettings& initial) override;
    std::optional<SAgendaSettings> AskAgenda(const SAgendaSettings& initial) override;
    std::optional<SBenefitOfDoubtAnswer> AskBenefitOfDoubt(double current) override;

    // The document's questions answered with the desktop's dialogs (WidgetPlatformDialogs.cpp).
    std::optional<SMemberSubsetAnswer>
    AskMemberSubset(const std::string& title, const std::vector<SMemberChoice>& members) override;
    std::optional<SRationalityModelAnswer>
    AskRationalityModel(const std::vector<SCommitteeChoice>& committees) override;
    std::optional<SWinSetListAnswer>
    AskWinSetListEdits(const std::vector<std::string>& labels) override;
    void Ask(CDialogQuestion& question) override;

    /// What RefreshViews calls (the main window redraws its views).
    void SetRefreshHandler(std::function<void()> handler) { m_refresh = std::move(handler); }
    /// Shows or hides the progress bar and its Cancel button; either clears a previous cancel,
    /// and showing starts the bar as a busy indicator until a computation reports its percent.
    void ShowProgress(bool on);
    /// Asks the running computation to stop (the Cancel button, the Escape key).
    void RequestCancel() { m_cancel = true; }

    /// A dialog filter in the document's form ("Name (*.txt)|*.txt|...||") in the widgets' form.
    static QString DialogFilter(const std::string& filter);

private:
    std::optional<DisplayConfig> AskConfiguration(const DisplayConfig& current) const;
    std::optional<SColorCodeAnswer> AskColorCode(const DisplayConfig& config) const;
    std::optional<SImportSource> AskImport(const SImportSource& initial) const;
    /// Runs the "Monte Carlo" dialog over the session; whether it ended with OK.
    bool RunMonteCarloDialog(CMonteCarloSession& session);
    /// Runs a function on the user-interface thread, waiting for it when `wait` is set.
    void OnGuiThread(const std::function<void()>& function, bool wait) const;
    EMsgAnswer ShowMessageBox(const std::string& text, const std::string& title,
                              EMsgButtons buttons);

    QWidget* m_parent;
    /// Pane 0 carries file texts, pane 1 progress texts, pane 2 the cursor location.
    QLabel* m_panes[3] = {nullptr, nullptr, nullptr};
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancelButton = nullptr;
    std::function<void()> m_refresh;
    std::atomic<bool> m_cancel{false};
};
