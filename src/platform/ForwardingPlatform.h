#pragma once

#include "platform/Platform.h"

/// A platform that passes every request on to another one; front ends derive from it to change
/// one or two answers (the cancel poll, or counting the messages a computation shows).
class CForwardingPlatform : public CPlatform {
public:
    explicit CForwardingPlatform(CPlatform& inner) : m_inner(inner) {}

    EMsgAnswer MessageBox(const std::string& text, const std::string& title,
                          EMsgButtons buttons) override {
        return m_inner.MessageBox(text, title, buttons);
    }
    void SetStatusText(int pane, const std::string& text) override {
        m_inner.SetStatusText(pane, text);
    }
    void SetWaitCursor(bool on) override { m_inner.SetWaitCursor(on); }
    bool CancelRequested() override { return m_inner.CancelRequested(); }
    std::string AskOpenFileName(const std::string& title, const std::string& filter) override {
        return m_inner.AskOpenFileName(title, filter);
    }
    std::string AskSaveFileName(const std::string& title, const std::string& suggested,
                                const std::string& filter) override {
        return m_inner.AskSaveFileName(title, suggested, filter);
    }
    void RefreshViews() override { m_inner.RefreshViews(); }
    void ExitProgram(int code) override { m_inner.ExitProgram(code); }

private:
    CPlatform& m_inner;
};
