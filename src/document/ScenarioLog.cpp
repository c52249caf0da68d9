#include "document/ScenarioLog.h"

#include "document/TextLines.h"
#include "platform/AtomicFile.h"

#include <ctime>

std::string LogDateLine() {
    static const char* const kDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                        "Thursday", "Friday", "Saturday"};
    static const char* const kMonths[] = {"January",   "February", "March",    "April",
                                          "May",       "June",     "July",     "August",
                                          "September", "October",  "November", "December"};
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!::localtime_r(&now, &local))
        return {};
    // The names are spelled out here so that the user's locale never changes them.
    char date[64] = "";
    std::snprintf(date, sizeof date, "%s, %s %02d, %d", kDays[local.tm_wday % 7],
                  kMonths[local.tm_mon % 12], local.tm_mday, local.tm_year + 1900);
    return date;
}

ELogOpen CScenarioLog::Open(const std::string& path) {
    IgnoreFileSizeSignal();
    // A journal is appended to, never replaced; it may only be (or lead to) a regular file.
    m_file.reset(CheckFileTarget(path) == 0 ? std::fopen(path.c_str(), "a") : nullptr);
    m_logging = false;
    if (!m_file)
        return ELogOpen::NotOpened;
    m_logging = true;
    const bool written = LogLine(LogDateLine());
    m_logging = false;
    return written ? ELogOpen::Opened : ELogOpen::WriteFailed;
}

bool CScenarioLog::LogLine(const std::string& text) {
    if (!m_logging || !m_file)
        return true;
    std::FILE* file = m_file.get();
    // A name that holds a line end must not start a line of its own in the journal.
    return std::fputs(FieldText(text).c_str(), file) >= 0 && std::fputc('\n', file) != EOF &&
           std::fflush(file) == 0;
}
