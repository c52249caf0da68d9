#include "import/CsvTable.h"

#include <QString>

namespace {

/// The reading position in the text, with its line and column (both counted from 1).
struct SCursor {
    const std::string& text;
    size_t pos = 0;
    int line = 1;
    int column = 1;

    bool AtEnd() const { return pos >= text.size(); }
    char Peek() const { return text[pos]; }
    void Advance() {
        if (text[pos] == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80) {
            ++column; // continuation bytes of a UTF-8 character take no column of their own
        }
        ++pos;
    }
    std::string Where() const {
        return "line " + std::to_string(line) + ", column " + std::to_string(column);
    }
};

/// Reads a quoted field after its opening quote; false at an unclosed quote or text after the
/// closing one.
bool ReadQuoted(SCursor& at, std::string& field, std::string& error) {
    const std::string start = at.Where();
    at.Advance();
    for (;;) {
        if (at.AtEnd()) {
            error = start + ": the quoted field is not closed";
            return false;
        }
        const char c = at.Peek();
        at.Advance();
        if (c != '"') {
            field += c;
        } else if (!at.AtEnd() && at.Peek() == '"') {
            field += '"';
            at.Advance();
        } else {
            break;
        }
    }
    if (!at.AtEnd() && at.Peek() != ',' && at.Peek() != '\n' && at.Peek() != '\r') {
        error = at.Where() + ": text after the closing quote of a field";
        return false;
    }
    return true;
}

/// Reads one line's fields; false on a malformed field. Stops after the line end.
bool ReadRecord(SCursor& at, std::vector<std::string>& fields, std::string& error) {
    fields.assign(1, std::string());
    while (!at.AtEnd()) {
        const char c = at.Peek();
        if (c == '"' && fields.back().find_first_not_of(" \t") == std::string::npos) {
            fields.back().clear();
            if (!ReadQuoted(at, fields.back(), error))
                return false;
        } else if (c == ',') {
            fields.emplace_back();
            at.Advance();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && at.pos + 1 < at.text.size() && at.text[at.pos + 1] == '\n')
                at.Advance();
            at.Advance();
            return true;
        } else {
            fields.back() += c;
            at.Advance();
        }
    }
    return true;
}

bool IsBlank(const std::vector<std::string>& fields) {
    return fields.size() == 1 && fields[0].find_first_not_of(" \t") == std::string::npos;
}

} // namespace

bool CCsvTable::Parse(const std::string& text, std::string& error) {
    m_header.clear();
    m_rows.clear();
    SCursor at{text};
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        at.pos = 3;
    std::vector<std::string> fields;
    while (!at.AtEnd() && m_header.empty()) {
        if (!ReadRecord(at, fields, error))
            return false;
        if (!IsBlank(fields))
            m_header = fields;
    }
    if (m_header.empty()) {
        error = "line 1: the file is empty; it needs a header line naming the columns";
        return false;
    }
    while (!at.AtEnd()) {
        const int line = at.line;
        if (!ReadRecord(at, fields, error))
            return false;
        if (IsBlank(fields))
            continue;
        if (fields.size() > m_header.size()) {
            error = "line " + std::to_string(line) + ": " + std::to_string(fields.size()) +
                    " fields where the header names " + std::to_string(m_header.size());
            return false;
        }
        fields.resize(m_header.size());
        m_rows.push_back({fields, line});
    }
    return true;
}

int CCsvTable::Column(const std::string& name) const {
    const QString wanted = QString::fromStdString(name).trimmed();
    for (size_t i = 0; i < m_header.size(); ++i)
        if (QString::fromStdString(m_header[i]).trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}
