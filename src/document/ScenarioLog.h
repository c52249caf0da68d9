#pragma once

#include <cstdio>
#include <memory>
#include <string>

/// How opening the log went.
enum class ELogOpen {
    Opened,
    /// The file could not be opened: logging stays off and nothing is written.
    NotOpened,
    /// The file opened but its date line could not be written.
    WriteFailed,
};

/// The running journal `quelta.log`: opened once and appended to, written only while logging
/// is switched on.
class CScenarioLog {
public:
    /// Opens the log for appending (creating it, never truncating it) and writes the current
    /// local date once; logging is off afterwards in every case.
    ELogOpen Open(const std::string& path = "quelta.log");
    /// Writes the text and a line end when logging is on and the file is open; false when the
    /// write failed.
    bool LogLine(const std::string& text);
    bool IsLogging() const { return m_logging; }
    void SetLogging(bool on) { m_logging = on; }
    bool IsOpen() const { return m_file != nullptr; }

private:
    struct SCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, SCloser> m_file;
    bool m_logging = false;
};

/// The date line of the log: the local date as weekday, month name, two-digit day and year,
/// in the C locale's names ("Wednesday, December 09, 2026").
std::string LogDateLine();
