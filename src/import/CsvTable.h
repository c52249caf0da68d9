#pragma once

#include <string>
#include <vector>

/// A table read from comma-separated text with a header line: fields may be quoted with double
/// quotes (a doubled quote stands for one; quoted fields may hold commas and line ends), lines
/// end with LF or CR LF, and a UTF-8 byte-order mark before the header is passed over.
class CCsvTable {
public:
    /// One data row: its fields and the line of the text it starts on (the header is line 1).
    struct SRow {
        std::vector<std::string> fields;
        int line = 0;
    };

    /// Reads the text; false, with `error` naming the line and column, when it is not such a
    /// table (no header, an unclosed quote, text after a closing quote, a row with more fields
    /// than the header).
    bool Parse(const std::string& text, std::string& error);

    const std::vector<std::string>& Header() const { return m_header; }
    const std::vector<SRow>& Rows() const { return m_rows; }
    /// The index of the header's column of that name (ignoring letter case and surrounding
    /// blanks); -1 when there is none.
    int Column(const std::string& name) const;

private:
    std::vector<std::string> m_header;
    std::vector<SRow> m_rows;
};
