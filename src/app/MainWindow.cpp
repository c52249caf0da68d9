#include "app/MainWindow.h"

#include "app/ChartActions.h"
#include "app/ChartFit.h"
#include "app/CommandMenus.h"
#include "app/DialogWindows.h"
#include "app/EditActions.h"
#include "app/LongWork.h"
#include "app/ShellActions.h"
#include "app/WidgetPlatform.h"
#include "database/DatabaseSource.h"
#include "database/StoredScenario.h"
#include "dialogs/FindEntryDlg.h"
#include "document/Commands.h"
#include "document/FileCommands.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "import/ImportCommand.h"
#include "script/DocScriptModel.h"
#include "views/LongConcepts.h"
#include "views/widgets/InputView.h"
#include "views/widgets/VisualView.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>

CQueltaFrame::CQueltaFrame(CQueltaDoc& doc, QWidget* parent) : QMainWindow(parent), m_doc(doc) {
    m_platform = std::make_unique<CWidgetPlatform>(this, statusBar());
    SetPlatform(m_platform.get());
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_input = new CInputView(doc);
    m_input->Form().SetStoredScenarioOpener(
        [&doc](const std::string& name) { return OpenScenario(doc, name); });
    m_chartArea = new QScrollArea(m_splitter);
    m_chartArea->setBackgroundRole(QPalette::Base);
    m_chart = new CVisualView(doc);
    m_chartArea->setWidget(m_chart);
    m_longWork = std::make_unique<CLongWork>(*m_platform, *this);
    connect(m_chart, &CVisualView::PointDragged, m_input, &CInputView::ShowDraggedPoint);
    connect(m_input, &CInputView::MemberHighlighted, m_chart, &CVisualView::HighlightMember);
    connect(m_input, &CInputView::FindRequested, this, &CQueltaFrame::OpenFindDialog);
    m_dialogs = new CDialogWindows(doc, *this);
    m_scriptModel = std::make_unique<CDocScriptModel>(doc);
    m_dialogs->SetScriptModel(m_scriptModel.get());
    connect(m_chart, &CVisualView::MemberDialogRequested, m_dialogs,
            &CDialogWindows::OpenMemberDialog);
    connect(m_chart, &CVisualView::MemberDragged, m_dialogs, &CDialogWindows::MemberMoved);
    // The form scrolls when the window is too low for it.
    auto* formArea = new QScrollArea(m_splitter);
    formArea->setObjectName("formArea");
    formArea->setWidget(m_input);
    formArea->setWidgetResizable(true);
    formArea->setFrameShape(QFrame::NoFrame);
    m_splitter->addWidget(formArea);
    m_splitter->addWidget(m_chartArea);
    // The form gets the width it asks for, its scroll bar included; the chart the rest.
    const int formWidth =
        m_input->sizeHint().width() + formArea->verticalScrollBar()->sizeHint().width();
    m_splitter->setSizes({formWidth, 800});
    m_splitter->setStretchFactor(1, 1);
    setCentralWidget(m_splitter);
    resize(800 + 40, 600 + 80);
    m_shell = new CShellActions(*this, *m_chart);
    connect(m_shell, &CShellActions::RecentFileChosen, this, &CQueltaFrame::OpenRecentFile);
    m_edit = new CEditActions(doc, this, [this] { AfterEditStep(); });
    m_edit->SetSelectedMember([this] { return m_chart->HighlightedMember(); });
    connect(m_chart, &CVisualView::HighlightChanged, m_edit, &CEditActions::Refresh);
    connect(m_chart, &CVisualView::GestureHandled, m_edit, &CEditActions::Refresh);
    m_chartActions = new CChartActions(doc, *this, *m_chartArea, *m_chart);
    connect(&m_chartActions->Fit(), &CChartFit::ChartResized, this, &CQueltaFrame::RefreshViews);
    m_menus = new CCommandMenus(doc, *this, [this](const char* name, QMenu& menu) {
        const std::string which = name;
        if (which == "print")
            m_shell->AddToFileMenu(menu);
        else if (which == "edit") {
            m_edit->AddToMenu(menu);
            m_chartActions->AddToEditMenu(menu);
        } else if (which == "about")
            m_shell->AddToHelpMenu(menu);
        else if (which == "view")
            m_chartActions->AddToViewMenu(menu);
    });
    connect(m_menus, &CCommandMenus::CommandRun, this, &CQueltaFrame::AfterCommand);
    RegisterWindowCommands();
    AddInputFormShortcuts();
    m_platform->SetRefreshHandler([this] { RefreshViews(); });
    m_lastPath = doc.PathName();
    UpdateTitle();
}

CQueltaFrame::~CQueltaFrame() {
    for (ECommandId id : {ECommandId::NewScript, ECommandId::OpenScript, ECommandId::SaveGraphics,
                          ECommandId::EditMember, ECommandId::ImportFile})
        SetFrontEndCommand(id, nullptr);
    SetPlatform(nullptr);
}

void CQueltaFrame::RegisterWindowCommands() {
    SetFrontEndCommand(ECommandId::NewScript, [this](CQueltaDoc&) { m_dialogs->NewScript(); });
    SetFrontEndCommand(ECommandId::OpenScript, [this](CQueltaDoc&) { m_dialogs->OpenScript(); });
    SetFrontEndCommand(ECommandId::SaveGraphics,
                       [this](CQueltaDoc&) { m_chartActions->SaveGraphics(); });
    SetFrontEndCommand(ECommandId::EditMember, [this](CQueltaDoc&) { OpenMemberEditor(); });
    SetFrontEndCommand(ECommandId::ImportFile, ImportScenarioCommand);
}

void CQueltaFrame::AddInputFormShortcuts() {
    // Alt+F7, Alt+F8, Ctrl+Alt+F9 and Alt+F10 press the form's "UH", "LH", "Select Committee"
    // and "Show Members" buttons.
    const std::pair<QKeySequence, int> keys[] = {{QKeySequence("Alt+F7"), 2},
                                                 {QKeySequence("Alt+F8"), 1},
                                                 {QKeySequence("Ctrl+Alt+F9"), 3},
                                                 {QKeySequence("Alt+F10"), 4}};
    for (const auto& [key, button] : keys) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this,
                [this, which = button] { m_input->PressButton(which); });
    }
}

void CQueltaFrame::AfterCommand() {
    // A file opened or saved under a new name joins the recent files.
    const std::string path = m_doc.PathName();
    if (path != m_lastPath && QFileInfo(QString::fromStdString(path)).isFile())
        m_shell->NoteRecentFile(QString::fromStdString(path));
    m_lastPath = path;
    UpdateTitle();
}

void CQueltaFrame::OpenRecentFile(const QString& path) {
    if (!MayReplaceScenario(m_doc))
        return;
    if (OpenScenarioPath(m_doc, path.toStdString()))
        m_shell->NoteRecentFile(path);
    m_lastPath = m_doc.PathName();
    RefreshViews();
}

void CQueltaFrame::RefreshViews() {
    // A refresh asked for while the document is locked, or from inside a refresh, waits.
    if (m_longWork->IsRunning() || m_refreshing)
        return;
    m_refreshing = true;
    // A new scenario has new members, so the highlighted one is gone, and the progress and
    // cursor location of the status bar belong to the scenario before.
    if (m_doc.History().Generation() != m_generation) {
        m_generation = m_doc.History().Generation();
        m_chart->HighlightMember(nullptr);
        m_platform->SetStatusText(1, " ");
        m_platform->SetStatusText(2, " ");
    }
    // During a live drag the long concepts wait for the release.
    if (!m_chart->Gestures().IsLiveDrag())
        ComputeLongConcepts();
    m_input->UpdateFromDocument();
    m_chart->UpdateFromDocument();
    m_dialogs->UpdateMemberDialogs();
    m_menus->Refresh();
    UpdateTitle();
    m_refreshing = false;
    // A legend grown past the view fits the chart again, once this refresh is over.
    const QSize room = m_chartArea->maximumViewportSize();
    if (m_chart->width() > room.width() || m_chart->height() > room.height())
        QTimer::singleShot(0, &m_chartActions->Fit(), &CChartFit::FitNow);
}

void CQueltaFrame::ComputeLongConcepts() {
    std::vector<SLongConcept> pending = PendingLongConcepts(m_doc);
    if (std::optional<SLongConcept> chart = m_largeBody.Pending(m_doc))
        pending.push_back(std::move(*chart));
    if (!m_longWork->Run(pending))
        HideCancelledConcepts(pending);
}

void CQueltaFrame::UpdateTitle() {
    const QString title = QString::fromStdString(m_doc.Title());
    // "[*]" is where the platform shows that the scenario has unsaved changes.
    setWindowTitle((title == "*" ? tr("Untitled") : QFileInfo(title).fileName()) + "[*] - Quelta");
    setWindowModified(m_doc.IsModified());
    m_edit->Refresh();
}

void CQueltaFrame::AfterEditStep() {
    // An undo or redo rebuilds the members, so a highlighted one is gone.
    m_chart->HighlightMember(nullptr);
    RefreshViews();
    UpdateTitle();
}

bool CQueltaFrame::OpenStartupFile(const QString& path) {
    // A legislature database opens as the "Database" command would open it.
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool database = suffix == "sqlite" || suffix == "db";
    const bool read = database ? OpenDatabase(m_doc, path.toStdString())
                               : OpenScenarioPath(m_doc, path.toStdString());
    if (read && !database)
        m_shell->NoteRecentFile(path);
    m_lastPath = m_doc.PathName();
    RefreshViews();
    return read;
}

void CQueltaFrame::OpenScriptWindow() {
    m_dialogs->OpenScriptWindow();
}

void CQueltaFrame::OpenMemberEditor() {
    m_dialogs->OpenMemberEditor();
}

void CQueltaFrame::OpenFindDialog(int listMode) {
    CFindEntryDlg dialog(m_input->Form().ListEntries(), listMode, this);
    if (dialog.exec() == QDialog::Accepted)
        m_input->ChooseListEntry(dialog.ChosenEntry());
}

void CQueltaFrame::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        // Only a computation in progress is cancelled: a request left over from an idle press
        // would stop the next long run of a script or a computation at its first poll.
        if (m_longWork->IsRunning())
            m_platform->RequestCancel();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void CQueltaFrame::closeEvent(QCloseEvent* event) {
    // Closing the window keeps unsaved changes only when the user says so ("Exit" has already
    // marked the document unmodified and asks nothing).
    if (m_doc.IsModified() && !MayReplaceScenario(m_doc)) {
        event->ignore();
        return;
    }
    event->accept();
}
