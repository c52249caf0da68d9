#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

/// A text box the interpreter writes its output to or reads INPUT lines from. Output is only
/// ever appended; the box shows each piece at once.
class CScriptTextBox {
public:
    virtual ~CScriptTextBox() = default;

    /// Appends text at the end of the box and shows it.
    virtual void Append(std::string_view text) = 0;
    /// The line an INPUT statement reads: the box's text split at line feeds, empty pieces
    /// dropped, the last piece; nothing when no piece remains.
    virtual std::optional<std::string> InputLine() const = 0;
};

/// The INPUT rule applied to a whole text: the last non-empty piece between line feeds.
std::optional<std::string> LastInputLine(std::string_view text);

/// A text box that keeps its whole text in memory (tests, input files, the desktop's model).
class CScriptTextBuffer : public CScriptTextBox {
public:
    /// Starts with the given text.
    explicit CScriptTextBuffer(std::string text = {}) : m_text(std::move(text)) {}

    void Append(std::string_view text) override { m_text.append(text); }
    std::optional<std::string> InputLine() const override { return LastInputLine(m_text); }

    /// Everything in the box.
    const std::string& Text() const { return m_text; }
    /// Replaces everything in the box.
    void SetText(std::string text) { m_text = std::move(text); }

private:
    std::string m_text;
};

/// A text box that passes its text on to a stream at once and keeps only what INPUT can still
/// read (the last complete non-empty line and the unfinished one), so long runs use no memory.
class CScriptStreamBox : public CScriptTextBox {
public:
    /// Writes to `stream` (not owned), flushing after every piece. The interpreter's CR LF
    /// line ends are written as a line feed, which a text stream gives as the platform's own.
    explicit CScriptStreamBox(std::FILE* stream) : m_stream(stream) {}
    /// Writes a carriage return still held back at the end of the last piece.
    ~CScriptStreamBox() override;
    CScriptStreamBox(const CScriptStreamBox&) = delete;
    CScriptStreamBox& operator=(const CScriptStreamBox&) = delete;

    void Append(std::string_view text) override;
    std::optional<std::string> InputLine() const override;

private:
    /// Writes a piece with CR LF as LF; a carriage return that ends the piece waits for the next.
    void Write(std::string_view text);

    std::FILE* m_stream;
    bool m_heldReturn = false;
    std::string m_lastLine; ///< the last non-empty piece ended by a line feed
    std::string m_tail;     ///< the text after the last line feed
};
