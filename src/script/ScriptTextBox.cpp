#include "script/ScriptTextBox.h"

std::optional<std::string> LastInputLine(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0) {
        const std::size_t feed = text.rfind('\n', end - 1);
        const std::size_t begin = feed == std::string_view::npos ? 0 : feed + 1;
        if (begin < end)
            return std::string(text.substr(begin, end - begin));
        if (feed == std::string_view::npos)
            break;
        end = feed;
    }
    return std::nullopt;
}

CScriptStreamBox::~CScriptStreamBox() {
    if (m_heldReturn && m_stream != nullptr) {
        std::fputc('\r', m_stream);
        std::fflush(m_stream);
    }
}

void CScriptStreamBox::Write(std::string_view text) {
    if (text.empty())
        return;
    std::string lines;
    lines.reserve(text.size() + 1);
    if (m_heldReturn && text.front() != '\n')
        lines += '\r';
    m_heldReturn = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 == text.size()) {
            m_heldReturn = true;
            break;
        }
        if (text[i] != '\r' || text[i + 1] != '\n')
            lines += text[i];
    }
    std::fwrite(lines.data(), 1, lines.size(), m_stream);
    std::fflush(m_stream);
}

void CScriptStreamBox::Append(std::string_view text) {
    if (m_stream != nullptr)
        Write(text);
    const std::size_t lastFeed = text.rfind('\n');
    if (lastFeed == std::string_view::npos) {
        m_tail.append(text);
        return;
    }
    // The first completed piece continues the old tail; the pieces between the first and the
    // last feed are complete in `text`; only the last non-empty one can still be read.
    const std::size_t firstFeed = text.find('\n');
    m_tail.append(text.substr(0, firstFeed));
    if (!m_tail.empty())
        m_lastLine.swap(m_tail);
    if (firstFeed < lastFeed) {
        std::optional<std::string> inner =
            LastInputLine(text.substr(firstFeed + 1, lastFeed - firstFeed - 1));
        if (inner)
            m_lastLine = std::move(*inner);
    }
    m_tail.assign(text.substr(lastFeed + 1));
}

std::optional<std::string> CScriptStreamBox::InputLine() const {
    if (!m_tail.empty())
        return m_tail;
    if (!m_lastLine.empty())
        return m_lastLine;
    return std::nullopt;
}
