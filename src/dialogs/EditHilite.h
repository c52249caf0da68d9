#pragma once

#include <QPlainTextEdit>

/// The Script window's editor box: a fixed-pitch multi-line box with tab stops every 16 dialog
/// units and one highlighted line, which follows the caret while the user types, clicks or drags
/// and which the window can move to any line.
class CEditHilite : public QPlainTextEdit {
    Q_OBJECT

public:
    /// A box with the "Courier New" font of `pointSize` points.
    explicit CEditHilite(QWidget* parent = nullptr, int pointSize = 10);

    /// Highlights the line with this index (from 0); no line is highlighted when it is out of
    /// range.
    void SetHighlightLine(int line);
    /// The index of the highlighted line (-1: none).
    int HighlightLine() const { return m_line; }

signals:
    /// The box lost the keyboard focus.
    void FocusLost();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void FollowCaret();
    void ShowHighlight();

    int m_line = 0;
};
