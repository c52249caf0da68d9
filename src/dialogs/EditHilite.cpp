#include "dialogs/EditHilite.h"

#include <QFocusEvent>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QTextBlock>

namespace {

/// The width of `units` horizontal dialog units of a widget's font: a dialog unit is a quarter
/// of the font's average character width.
qreal DialogUnitsWide(const QFont& font, int units) {
    return QFontMetricsF(font).averageCharWidth() * units / 4.0;
}

} // namespace

CEditHilite::CEditHilite(QWidget* parent, int pointSize) : QPlainTextEdit(parent) {
    QFont font(QStringLiteral("Courier New"), pointSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch())
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const qreal tabStop = DialogUnitsWide(this->font(), 16);
    setFont(font);
    setTabStopDistance(tabStop);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(this, &QPlainTextEdit::textChanged, this, &CEditHilite::ShowHighlight);
    ShowHighlight();
}

void CEditHilite::SetHighlightLine(int line) {
    m_line = line;
    ShowHighlight();
}

void CEditHilite::ShowHighlight() {
    QList<QTextEdit::ExtraSelection> selections;
    const QTextBlock block = document()->findBlockByNumber(m_line);
    if (m_line >= 0 && block.isValid()) {
        QTextEdit::ExtraSelection line;
        line.format.setBackground(QColor(0, 0, 255));
        line.format.setForeground(Qt::white);
        line.format.setProperty(QTextFormat::FullWidthSelection, true);
        line.cursor = QTextCursor(block);
        selections << line;
    }
    setExtraSelections(selections);
}

void CEditHilite::FollowCaret() {
    SetHighlightLine(textCursor().blockNumber());
}

void CEditHilite::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    emit FocusLost();
}

void CEditHilite::keyReleaseEvent(QKeyEvent* event) {
    QPlainTextEdit::keyReleaseEvent(event);
    FollowCaret();
}

void CEditHilite::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    FollowCaret();
}

void CEditHilite::mouseMoveEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseMoveEvent(event);
    if (event->buttons() & Qt::LeftButton)
        FollowCaret();
}
