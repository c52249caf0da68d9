#include "platform/HeadlessPlatform.h"

#include "document/MonteCarloSession.h"

#include <cstdlib>
#include <ostream>

CHeadlessPlatform::CHeadlessPlatform(std::ostream* echo) : m_echo(echo) {}

EMsgAnswer CHeadlessPlatform::DefaultAnswer(EMsgButtons buttons) const {
    switch (buttons) {
    case EMsgButtons::YesNo:
    case EMsgButtons::YesNoCancel:
        return EMsgAnswer::Yes;
    case EMsgButtons::Ok:
    case EMsgButtons::OkCancel:
        break;
    }
    return EMsgAnswer::Ok;
}

EMsgAnswer CHeadlessPlatform::MessageBox(const std::string& text, const std::string& title,
                                         EMsgButtons buttons) {
    EMsgAnswer answer = DefaultAnswer(buttons);
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    }
    m_messages.push_back({title, text, buttons, answer});
    if (m_echo)
        *m_echo << text << '\n';
    return answer;
}

void CHeadlessPlatform::SetStatusText(int pane, const std::string& text) {
    m_status.push_back({pane, text});
}

void CHeadlessPlatform::SetWaitCursor(bool on) {
    m_waitDepth += on ? 1 : -1;
}

bool CHeadlessPlatform::CancelRequested() {
    ++m_cancelPolls;
    if (m_cancelAfter < 0)
        return false;
    if (m_cancelAfter == 0)
        return true;
    --m_cancelAfter;
    return false;
}

std::string CHeadlessPlatform::AskOpenFileName(const std::string&, const std::string&) {
    if (m_fileNames.empty())
        return {};
    std::string name = m_fileNames.front();
    m_fileNames.pop_front();
    return name;
}

std::string CHeadlessPlatform::AskSaveFileName(const std::string& title, const std::string&,
                                               const std::string& filter) {
    return AskOpenFileName(title, filter);
}

void CHeadlessPlatform::ExitProgram(int code) {
    m_exitRequested = true;
    m_exitCode = code;
    if (!m_exitRecordsOnly)
        std::exit(code);
}

std::vector<std::string> CHeadlessPlatform::MessageTexts() const {
    std::vector<std::string> texts;
    for (const SMessageRecord& message : m_messages)
        texts.push_back(message.text);
    return texts;
}

void CHeadlessPlatform::Clear() {
    m_messages.clear();
    m_status.clear();
    m_dialogQuestions.clear();
    m_refreshCount = 0;
}

std::optional<SMemberSubsetAnswer>
CHeadlessPlatform::AskMemberSubset(const std::string&, const std::vector<SMemberChoice>& members) {
    m_offeredMembers = members;
    return NextDialogAnswer<SMemberSubsetAnswer>("MemberSubset");
}

std::optional<SRegularPolygonSettings>
CHeadlessPlatform::AskRegularPolygon(const SRegularPolygonSettings&) {
    return NextDialogAnswer<SRegularPolygonSettings>("RegularPolygon");
}

std::optional<SAgendaSettings> CHeadlessPlatform::AskAgenda(const SAgendaSettings&) {
    return NextDialogAnswer<SAgendaSettings>("Agenda");
}

std::optional<SMonteCarloSettings> CHeadlessPlatform::AskMonteCarlo(const SMonteCarloSettings&) {
    return NextDialogAnswer<SMonteCarloSettings>("MonteCarlo");
}

bool CHeadlessPlatform::RunMonteCarloDialog(CMonteCarloSession& session) {
    if (m_monteCarloActions.empty())
        return CPlatform::RunMonteCarloDialog(session);
    m_dialogQuestions.emplace_back("MonteCarlo");
    const std::vector<SMonteCarloAction> actions = std::move(m_monteCarloActions.front());
    m_monteCarloActions.pop_front();
    using EKind = SMonteCarloAction::EKind;
    for (const SMonteCarloAction& action : actions) {
        switch (action.kind) {
        case EKind::Edit:
            session.SetSettings(action.settings);
            break;
        case EKind::Run:
            session.Run();
            break;
        case EKind::Retain:
            session.Retain();
            break;
        case EKind::Discard:
            session.Discard();
            break;
        case EKind::Reset:
            session.Reset();
            break;
        case EKind::Ok:
            session.Ok();
            return true;
        case EKind::Cancel:
            session.Cancel();
            return false;
        }
    }
    session.Cancel();
    return false;
}

std::optional<SRationalityModelAnswer>
CHeadlessPlatform::AskRationalityModel(const std::vector<SCommitteeChoice>&) {
    return NextDialogAnswer<SRationalityModelAnswer>("RationalityModel");
}

std::optional<SBenefitOfDoubtAnswer> CHeadlessPlatform::AskBenefitOfDoubt(double) {
    return NextDialogAnswer<SBenefitOfDoubtAnswer>("BenefitOfDoubt");
}

std::optional<DisplayConfig> CHeadlessPlatform::AskConfiguration(const DisplayConfig&) {
    return NextDialogAnswer<DisplayConfig>("Configuration");
}

std::optional<SWinSetListAnswer>
CHeadlessPlatform::AskWinSetListEdits(const std::vector<std::string>&) {
    return NextDialogAnswer<SWinSetListAnswer>("WinSetList");
}

std::optional<SColorCodeAnswer> CHeadlessPlatform::AskColorCode(const DisplayConfig& config) {
    (void)config;
    // The dialog carries no values, so without a queued answer it is confirmed, as a message
    // box is answered with OK.
    if (std::get<std::deque<std::optional<SColorCodeAnswer>>>(m_dialogAnswers).empty()) {
        m_dialogQuestions.emplace_back("ColorCode");
        return SColorCodeAnswer{};
    }
    return NextDialogAnswer<SColorCodeAnswer>("ColorCode");
}
