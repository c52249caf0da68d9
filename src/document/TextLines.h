#pragma once

#include <string>
#include <string_view>
#include <vector>

/// A cursor over the lines of a text file read into memory.
class CLineReader {
public:
    explicit CLineReader(std::vector<std::string> lines) : m_lines(std::move(lines)) {}

    /// Gives the next line (without its line end); false at the end of the text.
    bool ReadLine(std::string& line) {
        if (m_next >= m_lines.size())
            return false;
        line = m_lines[m_next++];
        return true;
    }
    /// Goes back to the first line.
    void Rewind() { m_next = 0; }
    bool AtEnd() const { return m_next >= m_lines.size(); }

private:
    std::vector<std::string> m_lines;
    size_t m_next = 0;
};

/// Splits a text into lines at every line end: a line feed, a carriage return, or the pair of
/// them; NUL bytes end nothing and are kept as they are.
std::vector<std::string> SplitLines(const std::string& text);

/// A text written as one field of a tab-separated line (a name, a label, an ID): tabs, line
/// ends and other control characters become blanks, so that the field can neither split its
/// line nor start a new one.
std::string FieldText(std::string_view text);

/// Reads a whole file as text, without the UTF-8 byte-order mark it may start with. On failure
/// returns false and sets `cause` to the text naming the reason (one of the fixed cause texts of
/// the scenario files).
bool ReadTextFile(const std::string& path, std::string& text, std::string& cause);

/// Writes a whole text to a file the one safe way (see WriteFileAtomically). On failure returns
/// false and sets `cause` to the text naming the reason.
bool WriteTextFileAtomically(const std::string& path, const std::string& text, std::string& cause);

/// Whether the user asked a long read to stop: polls the platform's cancel request once every
/// 4096 lines (`line` counts from 1), so that a file of millions of lines can be stopped.
bool ReadingCancelled(size_t line);
