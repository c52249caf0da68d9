#include "dialogs/ScriptDlg.h"

#include "dialogs/EditHilite.h"
#include "script/ScriptFile.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

/// How long one slice of a whole run may go on before the window gets its events again.
constexpr qint64 kSliceMilliseconds = 20;
/// Lines run between two looks at the clock.
constexpr unsigned kLinesPerClockCheck = 64;
/// The point size the dialog gives both boxes.
constexpr int kBoxPointSize = 9;

} // namespace

CScriptDlg::CScriptDlg(CScriptModel* model, QWidget* parent)
    : QDialog(parent), m_input(new CEditHilite(nullptr, kBoxPointSize)),
      m_output(new CEditHilite(nullptr, kBoxPointSize)), m_outputBox(*m_output) {
    setWindowTitle(tr("Script"));
    setModal(false);
    setMinimumSize(200, 200);
    m_input->setObjectName("scriptInput");
    m_output->setObjectName("scriptOutput");
    m_session.Attach(model, &m_outputBox);

    auto* boxes = new QVBoxLayout;
    auto* inputLabel = new QLabel(tr("&Input"));
    inputLabel->setBuddy(m_input);
    auto* outputLabel = new QLabel(tr("O&utput"));
    outputLabel->setBuddy(m_output);
    boxes->addWidget(inputLabel);
    boxes->addWidget(m_input, 3);
    boxes->addWidget(outputLabel);
    boxes->addWidget(m_output, 2);

    auto* buttons = new QVBoxLayout;
    m_run = AddButton(tr("&Run"), "run");
    m_stop = AddButton(tr("S&top"), "stop");
    m_stepMode = new QCheckBox(tr("Step &Mode"));
    m_stepMode->setObjectName("stepMode");
    m_save = AddButton(tr("&Save"), "save");
    m_ok = AddButton(tr("OK"), "ok");
    buttons->addWidget(m_run);
    buttons->addWidget(m_stop);
    buttons->addWidget(m_stepMode);
    buttons->addSpacing(12);
    buttons->addWidget(m_save);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(boxes, 1);
    layout->addLayout(buttons);
    setTabOrder(m_input, m_output);
    setTabOrder(m_output, m_run);
    setTabOrder(m_run, m_stop);
    setTabOrder(m_stop, m_stepMode);
    setTabOrder(m_stepMode, m_save);
    setTabOrder(m_save, m_ok);

    connect(m_run, &QPushButton::clicked, this, &CScriptDlg::Run);
    connect(m_stop, &QPushButton::clicked, this, &CScriptDlg::Stop);
    connect(m_save, &QPushButton::clicked, this, &CScriptDlg::Save);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    for (CEditHilite* box : {m_input, m_output})
        connect(box, &CEditHilite::FocusLost, this, [this] {
            m_session.FocusLost();
            ShowStepPosition();
        });
    ShowRunning(false);
    resize(520, 460);
}

QPushButton* CScriptDlg::AddButton(const QString& text, const char* name) {
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    // Enter in a box is a line break, never a button press.
    button->setAutoDefault(false);
    return button;
}

void CScriptDlg::SetScript(const std::string& path, const std::string& lines) {
    m_session.SetPath(path);
    m_input->setPlainText(QString::fromStdString(lines));
}

void CScriptDlg::Run() {
    if (IsRunning())
        return;
    const bool begun =
        m_session.PressRun(m_input->toPlainText().toStdString(), m_stepMode->isChecked());
    if (!begun) {
        ShowStepPosition();
        return;
    }
    ShowRunning(true);
    // A slice still queued from a run ended early carries this run on.
    if (!m_slicePending)
        RunSlice();
}

void CScriptDlg::RunSlice() {
    m_slicePending = false;
    if (!IsRunning())
        return;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kSliceMilliseconds) {
        if (!m_session.Continue(kLinesPerClockCheck)) {
            ShowRunning(false);
            ShowStepPosition();
            emit RunFinished();
            return;
        }
    }
    // The next slice comes after the events waiting now: repaints, Stop, Escape.
    m_slicePending = true;
    QTimer::singleShot(0, this, &CScriptDlg::RunSlice);
}

void CScriptDlg::Stop() {
    m_session.Stop();
}

void CScriptDlg::Save() {
    if (const auto path =
            AskAndSaveScriptFile(m_session.Path(), m_input->toPlainText().toStdString()))
        m_session.SetPath(*path);
}

void CScriptDlg::ShowRunning(bool running) {
    m_run->setEnabled(!running);
    m_stepMode->setEnabled(!running);
    m_stop->setEnabled(running);
}

void CScriptDlg::ShowStepPosition() {
    m_input->SetHighlightLine(m_session.StepPosition());
    m_input->viewport()->update();
}

void CScriptDlg::done(int result) {
    m_session.Discard();
    ShowRunning(false);
    m_input->clear();
    m_output->clear();
    m_input->SetHighlightLine(0);
    QDialog::done(result);
}

void CScriptDlg::keyPressEvent(QKeyEvent* event) {
    // Escape stops a running script; it never closes the window, which would empty the boxes.
    if (event->key() == Qt::Key_Escape) {
        Stop();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
