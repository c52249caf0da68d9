#pragma once

#include <string>
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

/// Splits a text into lines at line feeds, dropping a carriage return before each line feed
/// (text mode); NUL bytes end nothing and are kept as they are.
std::vector<std::string> SplitLines(const std::string& text);

/// Reads a whole file as text. On failure returns false and sets `cause` to the text naming
/// the reason (one of the fixed cause texts of the scenario files).
bool ReadTextFile(const std::string& path, std::string& text, std::string& cause);

/// Writes a whole text to a file safely: the text goes to a temporary file beside the target,
/// which is then renamed over it, so a failure leaves the old file as it was. On failure returns
/// false and sets `cause` to the text naming the reason.
bool WriteTextFileAtomically(const std::string& path, const std::string& text, std::string& cause);
