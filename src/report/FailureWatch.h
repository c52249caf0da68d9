#pragma once

#include "platform/ForwardingPlatform.h"

#include <string>

/// Watches the messages shown while it is installed for the texts by which a computation says
/// that it failed and kept no result (memory exceptions, arrays not allocated, hulls not
/// generated) and keeps the first of them instead of showing it; notices such as a
/// bi-parallel yolk are no failure and are shown.
class CFailureWatch : public CForwardingPlatform {
public:
    CFailureWatch();
    EMsgAnswer MessageBox(const std::string& text, const std::string& title,
                          EMsgButtons buttons) override;
    /// The first failure shown; empty when there was none.
    const std::string& Failure() const { return m_failure; }

private:
    std::string m_failure;
    CScopedPlatform m_scope;
};
