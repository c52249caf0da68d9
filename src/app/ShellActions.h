#pragma once

#include <QObject>

class CQueltaDoc;
class CVisualView;
class QMainWindow;
class QMenu;

/// The window's own actions beside the document's commands: printing and print preview of the
/// chart, the recent-files list and the About box.
class CShellActions : public QObject {
    Q_OBJECT

public:
    CShellActions(QMainWindow& window, CVisualView& chart);

    /// Adds "Print...", "Print Preview..." and the recent files to a menu.
    void AddToFileMenu(QMenu& menu);
    /// Adds "About Quelta..." to a menu.
    void AddToHelpMenu(QMenu& menu);
    /// Puts a file at the top of the four most recent files.
    void NoteRecentFile(const QString& path);

signals:
    /// A recent file was chosen.
    void RecentFileChosen(const QString& path);

private:
    void Print();
    void PrintPreview();
    void About();
    void FillRecentMenu();

    QMainWindow& m_window;
    CVisualView& m_chart;
    QMenu* m_recent = nullptr;
};
