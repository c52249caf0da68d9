#include "platform/ErrorText.h"

namespace {

constexpr const char* kParagraph = "\n\n";

/// The fixed text of a box around its code, message and advice, found from the box texts
/// themselves so that their wording is written in one place.
struct SBoxShape {
    std::string beforeCode;
    std::string afterCode;
    std::string afterMessage;
};

SBoxShape ShapeOf(const std::string& text) {
    const size_t code = text.find('\x01');
    const size_t message = text.find('\x02');
    return {text.substr(0, code), text.substr(code + 1, message - code - 1),
            text.substr(message + 1)};
}

const SBoxShape& InternalShape() {
    static const SBoxShape shape = ShapeOf(ErrorBoxText("\x01", "\x02"));
    return shape;
}

const SBoxShape& UserShape() {
    static const SBoxShape shape = ShapeOf(UserErrorText("\x01", "\x02", ""));
    return shape;
}

bool StartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

/// The code and message of a text of the given shape; false when the text is not of it.
bool SplitShape(const std::string& text, const SBoxShape& shape, SErrorTextParts& parts) {
    const size_t fixed =
        shape.beforeCode.size() + shape.afterCode.size() + shape.afterMessage.size();
    if (text.size() < fixed || !StartsWith(text, shape.beforeCode) ||
        !EndsWith(text, shape.afterMessage))
        return false;
    const std::string inner = text.substr(
        shape.beforeCode.size(), text.size() - shape.beforeCode.size() - shape.afterMessage.size());
    const size_t split = inner.find(shape.afterCode);
    if (split == std::string::npos)
        return false;
    parts.code = inner.substr(0, split);
    parts.message = inner.substr(split + shape.afterCode.size());
    return true;
}

} // namespace

std::string ErrorBoxText(const std::string& code, const std::string& message) {
    return "ERROR: " + code + kParagraph + message + kParagraph +
           "Please record this error message and contact\n" + "Ostrane Corporation" + kParagraph +
           "Select CANCEL to exit Quelta.";
}

std::string UserErrorText(const std::string& code, const std::string& message) {
    return UserErrorText(code, message, "");
}

std::string UserErrorText(const std::string& code, const std::string& message,
                          const std::string& advice) {
    return "ERROR: " + code + kParagraph + message + (advice.empty() ? "" : kParagraph + advice);
}

std::optional<SErrorTextParts> SplitErrorText(const std::string& text) {
    SErrorTextParts parts;
    if (SplitShape(text, InternalShape(), parts)) {
        parts.internal = true;
        return parts;
    }
    if (!SplitShape(text, UserShape(), parts))
        return std::nullopt;
    if (const size_t last = parts.message.rfind(kParagraph); last != std::string::npos) {
        parts.advice = parts.message.substr(last + 2);
        parts.message.erase(last);
    }
    return parts;
}
