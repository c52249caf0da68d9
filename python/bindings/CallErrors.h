#pragma once

#include <stdexcept>
#include <string>
#include <vector>

/// A failure of the core raised to Python as `quelta.Error`: a short code (the error box's
/// code when the core gave one) and the message.
class CQueltaError : public std::runtime_error {
public:
    CQueltaError(std::string code, const std::string& message)
        : std::runtime_error(message), m_code(std::move(code)) {}
    const std::string& Code() const { return m_code; }

private:
    std::string m_code;
};

/// The error of a failed call from the messages it showed: the code and message of the first
/// error box, or `code` with every message text; `fallback` when nothing was shown.
CQueltaError ErrorFromMessages(const std::string& code, const std::vector<std::string>& messages,
                               const std::string& fallback);

/// Makes CQueltaError reach Python as `quelta.Error` (the class of quelta/_errors.py).
void RegisterErrorTranslator();

/// Passes the messages of a call that succeeded on to Python as `quelta.QueltaWarning`s; true
/// when a warning filter turned one into an exception, which is then pending.
bool WarnAboutMessages(const std::vector<std::string>& messages);
