#pragma once

#include <cstdio>
#include <memory>
#include <string>

/// The running journal `quelta.log`: opened once and appended to, written only while logging
/// is switched on.
class CScenarioLog {
public:
    /// Opens the log for appending and writes the current local date once; false when the file
    /// cannot be opened (logging then stays off and nothing is written).
    bool Open(const std::string& path = "quelta.log");
    /// Writes the text and a line end when logging is on and the file is open.
    void LogLine(const std::string& text);
    bool IsLogging() const { return m_logging; }
    void SetLogging(bool on) { m_logging = on; }

private:
    struct SCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, SCloser> m_file;
    bool m_logging = false;
};
