#include "dialogs/ScriptOutputBox.h"

#include <QPlainTextEdit>
#include <QTextCursor>

void CScriptOutputBox::Append(std::string_view text) {
    QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QTextCursor end(m_edit.document());
    end.movePosition(QTextCursor::End);
    end.insertText(shown);
}

std::optional<std::string> CScriptOutputBox::InputLine() const {
    QString text = m_edit.toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return LastInputLine(text.toStdString());
}
