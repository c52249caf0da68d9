#include "app/ShellActions.h"

#include "platform/Version.h"
#include "views/widgets/VisualView.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSettings>

namespace {

constexpr int kRecentFiles = 4;
const char* const kRecentKey = "recentFiles";

/// Paints the chart onto a printer page, scaled to fit with its proportions kept.
void PaintChart(CVisualView& chart, QPrinter& printer) {
    QPainter painter(&printer);
    chart.Renderer().PaintInto(painter, printer.pageLayout().paintRectPixels(printer.resolution()));
}

} // namespace

CShellActions::CShellActions(QMainWindow& window, CVisualView& chart)
    : QObject(&window), m_window(window), m_chart(chart) {}

void CShellActions::AddToFileMenu(QMenu& menu) {
    menu.addSeparator();
    QAction* print = menu.addAction(tr("&Print...\tCtrl+P"), this, &CShellActions::Print);
    print->setShortcut(QKeySequence::Print);
    menu.addAction(tr("Print Pre&view..."), this, &CShellActions::PrintPreview);
    menu.addSeparator();
    m_recent = menu.addMenu(tr("Recent Files"));
    FillRecentMenu();
}

void CShellActions::AddToHelpMenu(QMenu& menu) {
    menu.addAction(tr("&About Quelta..."), this, &CShellActions::About);
}

void CShellActions::Print() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, &m_window);
    if (dialog.exec() == QDialog::Accepted)
        PaintChart(m_chart, printer);
}

void CShellActions::PrintPreview() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, &m_window);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { PaintChart(m_chart, *target); });
    preview.exec();
}

void CShellActions::About() {
    QMessageBox::about(&m_window, tr("About Quelta"),
                       tr("<h3>Quelta %1</h3><p>Spatial models of voting: win sets, the yolk, the "
                          "heart, the uncovered set and the other classical solution concepts of "
                          "a legislature or committee.</p><p>The headless front end "
                          "<tt>quelta-cli</tt> runs the same computations in batch studies.</p>")
                           .arg(QString::fromLatin1(QueltaVersion())));
}

void CShellActions::NoteRecentFile(const QString& path) {
    QSettings settings;
    QStringList files = settings.value(kRecentKey).toStringList();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kRecentFiles)
        files.removeLast();
    settings.setValue(kRecentKey, files);
    FillRecentMenu();
}

void CShellActions::FillRecentMenu() {
    if (!m_recent)
        return;
    m_recent->clear();
    const QStringList files = QSettings().value(kRecentKey).toStringList();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        m_recent->addAction(QString("&%1 %2").arg(i + 1).arg(path), this,
                            [this, path] { emit RecentFileChosen(path); });
    }
    m_recent->setEnabled(!files.isEmpty());
}
