#pragma once

#include "platform/Platform.h"

#include <optional>
#include <string>

/// The text of a user's error with what to try as its last paragraph (see UserErrorText).
std::string UserErrorText(const std::string& code, const std::string& message,
                          const std::string& advice);

/// Shows a user's error in a box with OK alone: the code, a message naming the file or table,
/// and what to try.
void UserErrorBox(const std::string& code, const std::string& message, const std::string& advice);

/// The parts of an error box's text, read back for front ends that show them otherwise.
struct SErrorTextParts {
    std::string code;
    std::string message;
    /// What to try (a user's error); empty for an internal failure, whose box only asks to
    /// record the message.
    std::string advice;
    bool internal = false;
};

/// The code, message and advice of a text made by ErrorBoxText or UserErrorText; nothing for
/// any other text. A user's error with more than one paragraph gives its last as the advice.
std::optional<SErrorTextParts> SplitErrorText(const std::string& text);
