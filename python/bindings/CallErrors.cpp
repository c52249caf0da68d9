#include "CallErrors.h"

#include "platform/ErrorText.h"

#include <pybind11/pybind11.h>

namespace py = pybind11;

namespace {

/// Splits the text of an error box or a user's error box into its code and message (a user's
/// error keeps what to try as the message's last paragraph); false for any other text.
bool SplitErrorBox(const std::string& text, std::string& code, std::string& message) {
    const std::optional<SErrorTextParts> parts = SplitErrorText(text);
    if (!parts)
        return false;
    code = parts->code;
    message = parts->advice.empty() ? parts->message : parts->message + "\n\n" + parts->advice;
    return true;
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
