#include "CallErrors.h"

#include "platform/Platform.h"

#include <pybind11/pybind11.h>

namespace py = pybind11;

namespace {

constexpr const char* kErrorBoxStart = "ERROR: ";

/// Splits the text of an error box or a user's error box into its code and message; false for
/// any other text.
bool SplitErrorBox(const std::string& text, std::string& code, std::string& message) {
    if (text.rfind(kErrorBoxStart, 0) != 0)
        return false;
    const std::size_t codeEnd = text.find("\n\n");
    if (codeEnd == std::string::npos)
        return false;
    code = text.substr(std::char_traits<char>::length(kErrorBoxStart),
                       codeEnd - std::char_traits<char>::length(kErrorBoxStart));
    // A user's error is the code and the message alone.
    message = text.substr(codeEnd + 2);
    if (UserErrorText(code, message) == text &&
        message.find("\n\nPlease record") == std::string::npos)
        return true;
    // The message may hold empty lines of its own: the furniture after it is fixed, so the
    // split is the one whose box is the text.
    for (std::size_t end = text.rfind("\n\n"); end != std::string::npos && end > codeEnd;
         end = text.rfind("\n\n", end - 1)) {
        message = text.substr(codeEnd + 2, end - codeEnd - 2);
        if (ErrorBoxText(code, message) == text)
            return true;
    }
    return false;
}

py::object ErrorsModule() {
    return py::module_::import("quelta._errors");
}

} // namespace

CQueltaError ErrorFromMessages(const std::string& code, const std::vector<std::string>& messages,
                               const std::string& fallback) {
    std::string boxCode, boxMessage;
    for (const std::string& text : messages)
        if (SplitErrorBox(text, boxCode, boxMessage))
            return CQueltaError(boxCode, boxMessage);
    std::string joined;
    for (const std::string& text : messages)
        joined += (joined.empty() ? "" : "\n") + text;
    return CQueltaError(code, joined.empty() ? fallback : joined);
}

void RegisterErrorTranslator() {
    py::register_exception_translator([](std::exception_ptr error) {
        try {
            if (error)
                std::rethrow_exception(error);
        } catch (const CQueltaError& e) {
            const py::object type = ErrorsModule().attr("Error");
            const py::object value = type(e.Code(), e.what());
            PyErr_SetObject(type.ptr(), value.ptr());
        }
    });
}

bool WarnAboutMessages(const std::vector<std::string>& messages) {
    if (messages.empty())
        return false;
    const py::object type = ErrorsModule().attr("QueltaWarning");
    for (const std::string& text : messages) {
        std::string code, message;
        const std::string shown = SplitErrorBox(text, code, message) ? code + ": " + message : text;
        if (PyErr_WarnEx(type.ptr(), shown.c_str(), 2) != 0)
            return true;
    }
    return false;
}
