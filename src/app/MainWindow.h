#pragma once

#include "views/LongConcepts.h"

#include <QMainWindow>

#include <memory>
#include <string>

class CChartActions;
class CCommandMenus;
class CDialogWindows;
class CEditActions;
class CShellActions;
class CDocScriptModel;
class CInputView;
class CLongWork;
class CVisualView;
class CQueltaDoc;
class CWidgetPlatform;
class QScrollArea;
class QSplitter;

/// The main window: the scenario form and the chart side by side in a splitter, the menus and
/// toolbars, and the status bar with its panes, progress bar and Cancel button.
class CQueltaFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CQueltaFrame(CQueltaDoc& doc, QWidget* parent = nullptr);
    ~CQueltaFrame() override;

    /// The platform seam the core talks to while this window lives.
    CWidgetPlatform& WidgetPlatform() { return *m_platform; }
    CInputView& InputView() { return *m_input; }
    CVisualView& ChartView() { return *m_chart; }
    /// Redraws the chart and re-reads the form from the document.
    void RefreshViews();
    /// Opens a scenario file named on the command line.
    bool OpenStartupFile(const QString& path);
    /// The Script window and the open member dialogs.
    CDialogWindows& Dialogs() { return *m_dialogs; }
    /// The chart's own commands: fitting, zooming, copying and saving the graphics.
    CChartActions& ChartActions() { return *m_chartActions; }
    /// The menus and toolbars of the document's commands.
    CCommandMenus& Menus() { return *m_menus; }
    /// The Edit menu's Undo and Redo.
    CEditActions& EditActions() { return *m_edit; }

public slots:
    /// Shows the Script window (one at most).
    void OpenScriptWindow();
    /// The "Member" command: the member dialog, modal.
    void OpenMemberEditor();
    /// The form's "?" button: the find-committee or find-member dialog; the entry found is
    /// chosen in the form's list as if the user had chosen it there.
    void OpenFindDialog(int listMode);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void UpdateTitle();
    void RegisterWindowCommands();
    void AddInputFormShortcuts();
    void OpenRecentFile(const QString& path);
    void AfterCommand();
    /// After an undo or a redo: the views and the title show the restored scenario.
    void AfterEditStep();
    void ComputeLongConcepts();

    CQueltaDoc& m_doc;
    std::unique_ptr<CWidgetPlatform> m_platform;
    QSplitter* m_splitter = nullptr;
    CInputView* m_input = nullptr;
    QScrollArea* m_chartArea = nullptr;
    CVisualView* m_chart = nullptr;
    std::unique_ptr<CLongWork> m_longWork;
    /// The chart of a large body, made ready on the worker.
    CLargeBodyChart m_largeBody;
    CDialogWindows* m_dialogs = nullptr;
    CShellActions* m_shell = nullptr;
    CEditActions* m_edit = nullptr;
    CChartActions* m_chartActions = nullptr;
    CCommandMenus* m_menus = nullptr;
    /// The document's path before the last command, to tell a newly opened file.
    std::string m_lastPath;
    /// What the Script window's model functions act on: this window's document.
    std::unique_ptr<CDocScriptModel> m_scriptModel;
    bool m_refreshing = false;
    /// The history's generation when the last command ended, to tell a replaced scenario.
    unsigned m_generation = 0;
};
