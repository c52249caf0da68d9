#pragma once

#include "script/ScriptTextBox.h"

class QPlainTextEdit;

/// The Script window's Output box as the interpreter sees it: output is appended at the end of
/// the box, and INPUT reads the box's text with every line break standing for CR LF, as the
/// interpreter's own output writes them, so the box doubles as the input box.
class CScriptOutputBox : public CScriptTextBox {
public:
    explicit CScriptOutputBox(QPlainTextEdit& edit) : m_edit(edit) {}

    void Append(std::string_view text) override;
    std::optional<std::string> InputLine() const override;

private:
    QPlainTextEdit& m_edit;
};
