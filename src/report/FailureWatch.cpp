#include "report/FailureWatch.h"

CFailureWatch::CFailureWatch() : CForwardingPlatform(Platform()), m_scope(*this) {}

EMsgAnswer CFailureWatch::MessageBox(const std::string& text, const std::string& title,
                                     EMsgButtons buttons) {
    for (const char* failure : {"memory exception", "not allocated", "not generated"})
        if (text.find(failure) != std::string::npos) {
            if (m_failure.empty())
                m_failure = text;
            return EMsgAnswer::Ok;
        }
    return CForwardingPlatform::MessageBox(text, title, buttons);
}
