#include "app/MainWindow.h"

#include "app/DialogWindows.h"
#include "app/LongWork.h"
#include "app/WidgetPlatform.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "script/DocScriptModel.h"
#include "views/LongConcepts.h"
#include "views/widgets/InputView.h"
#include "views/widgets/VisualView.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>

CQueltaFrame::CQueltaFrame(CQueltaDoc& doc, QWidget* parent) : QMainWindow(parent), m_doc(doc) {
    m_platform = std::make_unique<CWidgetPlatform>(this, statusBar());
    SetPlatform(m_platform.get());
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_input = new CInputView(doc, m_splitter);
    m_chartArea = new QScrollArea(m_splitter);
    m_chartArea->setBackgroundRole(QPalette::Base);
    m_chart = new CVisualView(doc);
    m_chartArea->setWidget(m_chart);
    m_longWork = std::make_unique<CLongWork>(*m_platform, *this);
    connect(m_chart, &CVisualView::PointDragged, m_input, &CInputView::ShowDraggedPoint);
    connect(m_input, &CInputView::MemberHighlighted, m_chart, &CVisualView::HighlightMember);
    m_dialogs = new CDialogWindows(doc, *this);
    m_scriptModel = std::make_unique<CDocScriptModel>(doc);
    m_dialogs->SetScriptModel(m_scriptModel.get());
    connect(m_chart, &CVisualView::MemberDialogRequested, m_dialogs,
            &CDialogWindows::OpenMemberDialog);
    connect(m_chart, &CVisualView::MemberDragged, m_dialogs, &CDialogWindows::MemberMoved);
    m_splitter->addWidget(m_input);
    m_splitter->addWidget(m_chartArea);
    m_splitter->setSizes({300, 500});
    m_splitter->setStretchFactor(1, 1);
    setCentralWidget(m_splitter);
    resize(800 + 40, 600 + 80);
    m_platform->SetRefreshHandler([this] { RefreshViews(); });
    UpdateTitle();
}

CQueltaFrame::~CQueltaFrame() {
    SetPlatform(nullptr);
}

void CQueltaFrame::RefreshViews() {
    // A refresh asked for while the document is locked, or from inside a refresh, waits.
    if (m_longWork->IsRunning() || m_refreshing)
        return;
    m_refreshing = true;
    ComputeLongConcepts();
    m_input->UpdateFromDocument();
    m_chart->UpdateFromDocument();
    m_dialogs->UpdateMemberDialogs();
    UpdateTitle();
    m_refreshing = false;
}

void CQueltaFrame::ComputeLongConcepts() {
    const std::vector<SLongConcept> pending = PendingLongConcepts(m_doc);
    if (!m_longWork->Run(pending))
        HideCancelledConcepts(m_doc, pending);
}

void CQueltaFrame::UpdateTitle() {
    const QString title = QString::fromStdString(m_doc.Title());
    setWindowTitle((title == "*" ? tr("Untitled") : QFileInfo(title).fileName()) + " - Quelta");
}

bool CQueltaFrame::OpenStartupFile(const QString& path) {
    const bool read = ReadScenarioFile(m_doc, path.toStdString());
    RefreshViews();
    return read;
}

void CQueltaFrame::OpenScriptWindow() {
    m_dialogs->OpenScriptWindow();
}

void CQueltaFrame::OpenMemberEditor() {
    m_dialogs->OpenMemberEditor();
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
    event->accept();
}
