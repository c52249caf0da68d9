#include "document/ScenarioLog.h"

#include <ctime>

bool CScenarioLog::Open(const std::string& path) {
    m_file.reset(std::fopen(path.c_str(), "a"));
    m_logging = false;
    if (!m_file)
        return false;
    const std::time_t now = std::time(nullptr);
    char date[128] = "";
    if (const std::tm* local = std::localtime(&now))
        std::strftime(date, sizeof date, "%A, %B %d, %Y", local);
    m_logging = true;
    LogLine(date);
    m_logging = false;
    return true;
}

void CScenarioLog::LogLine(const std::string& text) {
    if (!m_logging || !m_file)
        return;
    std::fputs(text.c_str(), m_file.get());
    std::fputc('\n', m_file.get());
    std::fflush(m_file.get());
}
