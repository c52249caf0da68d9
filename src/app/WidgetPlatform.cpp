#include "app/WidgetPlatform.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QThread>

#include <cstdlib>

CWidgetPlatform::CWidgetPlatform(QWidget* parent, QStatusBar* statusBar) : m_parent(parent) {
    for (QLabel*& pane : m_panes)
        pane = new QLabel(" ", statusBar);
    m_panes[1]->setMinimumWidth(200);
    m_panes[2]->setMinimumWidth(260);
    m_progress = new QProgressBar(statusBar);
    m_progress->setRange(0, 0);
    m_progress->setMaximumWidth(180);
    m_cancelButton = new QPushButton(QObject::tr("Cancel"), statusBar);
    m_cancelButton->setObjectName("cancelComputation");
    statusBar->addWidget(m_panes[0], 1);
    statusBar->addPermanentWidget(m_panes[1]);
    statusBar->addPermanentWidget(m_progress);
    statusBar->addPermanentWidget(m_cancelButton);
    statusBar->addPermanentWidget(m_panes[2]);
    QObject::connect(m_cancelButton, &QPushButton::clicked, [this] { m_cancel = true; });
    ShowProgress(false);
}

void CWidgetPlatform::OnGuiThread(const std::function<void()>& function, bool wait) const {
    if (QThread::currentThread() == m_parent->thread()) {
        function();
        return;
    }
    QMetaObject::invokeMethod(m_parent, function,
                              wait ? Qt::BlockingQueuedConnection : Qt::QueuedConnection);
}

EMsgAnswer CWidgetPlatform::MessageBox(const std::string& text, const std::string& title,
                                       EMsgButtons buttons) {
    EMsgAnswer answer = EMsgAnswer::Ok;
    OnGuiThread([&] { answer = ShowMessageBox(text, title, buttons); }, true);
    return answer;
}

EMsgAnswer CWidgetPlatform::ShowMessageBox(const std::string& text, const std::string& title,
                                           EMsgButtons buttons) {
    QMessageBox::StandardButtons offered = QMessageBox::Ok;
    if (buttons == EMsgButtons::OkCancel)
        offered = QMessageBox::Ok | QMessageBox::Cancel;
    else if (buttons == EMsgButtons::YesNo)
        offered = QMessageBox::Yes | QMessageBox::No;
    else if (buttons == EMsgButtons::YesNoCancel)
        offered = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(text), offered, m_parent);
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return EMsgAnswer::Cancel;
    case QMessageBox::Yes:
        return EMsgAnswer::Yes;
    case QMessageBox::No:
        return EMsgAnswer::No;
    default:
        return buttons == EMsgButtons::Ok || buttons == EMsgButtons::OkCancel ? EMsgAnswer::Ok
                                                                              : EMsgAnswer::Cancel;
    }
}

void CWidgetPlatform::SetStatusText(int pane, const std::string& text) {
    QLabel* label = m_panes[pane >= 0 && pane < 3 ? pane : 0];
    const QString shown = QString::fromStdString(text);
    OnGuiThread([label, shown] { label->setText(shown); }, false);
}

void CWidgetPlatform::SetWaitCursor(bool on) {
    OnGuiThread(
        [on] {
            if (on)
                QApplication::setOverrideCursor(Qt::WaitCursor);
            else
                QApplication::restoreOverrideCursor();
        },
        false);
}

void CWidgetPlatform::SetProgressPercent(double percent) {
    QProgressBar* bar = m_progress;
    const int value = static_cast<int>(percent);
    OnGuiThread(
        [bar, value] {
            bar->setRange(0, 100);
            bar->setValue(value);
        },
        false);
}

bool CWidgetPlatform::CancelRequested() {
    return m_cancel;
}

QString CWidgetPlatform::DialogFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList names;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        if (!parts[i].isEmpty())
            names << parts[i];
    return names.join(QStringLiteral(";;"));
}

std::string CWidgetPlatform::AskOpenFileName(const std::string& title, const std::string& filter) {
    return QFileDialog::getOpenFileName(m_parent, QString::fromStdString(title), QString(),
                                        DialogFilter(filter))
        .toStdString();
}

std::string CWidgetPlatform::AskSaveFileName(const std::string& title, const std::string& suggested,
                                             const std::string& filter) {
    return QFileDialog::getSaveFileName(m_parent, QString::fromStdString(title),
                                        QString::fromStdString(suggested), DialogFilter(filter))
        .toStdString();
}

void CWidgetPlatform::RefreshViews() {
    if (m_refresh && QThread::currentThread() == m_parent->thread())
        m_refresh();
}

void CWidgetPlatform::ExitProgram(int code) {
    // The window's close asks to save unsaved changes; Cancel there keeps the program going.
    OnGuiThread(
        [this, code] {
            if (m_parent->window()->close())
                QCoreApplication::exit(code);
        },
        false);
}

void CWidgetPlatform::CloseMainWindow() {
    OnGuiThread([this] { m_parent->window()->close(); }, false);
}

void CWidgetPlatform::ShowProgress(bool on) {
    // Most computations report progress as text in pane 1 only; for them the bar just shows
    // that work goes on.
    m_cancel = false;
    m_progress->setRange(0, 0);
    m_progress->setVisible(on);
    m_cancelButton->setVisible(on);
}
