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
    std::string AskDataSource() override { return m_inner.AskDataSource(); }
    void ShowProgressCounts(const std::string& title,
                            const std::vector<SProgressCount>& counts) override {
        m_inner.ShowProgressCounts(title, counts);
    }
    void RefreshViews() override { m_inner.RefreshViews(); }
    void ExitProgram(int code) override { m_inner.ExitProgram(code); }
    void CloseMainWindow() override { m_inner.CloseMainWindow(); }
    std::optional<SMemberSubsetAnswer>
    AskMemberSubset(const std::string& title, const std::vector<SMemberChoice>& members) override {
        return m_inner.AskMemberSubset(title, members);
    }
    std::optional<SRegularPolygonSettings>
    AskRegularPolygon(const SRegularPolygonSettings& initial) override {
        return m_inner.AskRegularPolygon(initial);
    }
    std::optional<SAgendaSettings> AskAgenda(const SAgendaSettings& initial) override {
        return m_inner.AskAgenda(initial);
    }
    std::optional<SRationalityModelAnswer>
    AskRationalityModel(const std::vector<SCommitteeChoice>& committees) override {
        return m_inner.AskRationalityModel(committees);
    }
    std::optional<SBenefitOfDoubtAnswer> AskBenefitOfDoubt(double current) override {
        return m_inner.AskBenefitOfDoubt(current);
    }
    std::optional<SWinSetListAnswer>
    AskWinSetListEdits(const std::vector<std::string>& labels) override {
        return m_inner.AskWinSetListEdits(labels);
    }
    void Ask(CDialogQuestion& question) override { m_inner.Ask(question); }

private:
    CPlatform& m_inner;
};
