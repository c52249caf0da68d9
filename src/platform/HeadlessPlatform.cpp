#include "platform/HeadlessPlatform.h"

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

std::optional<SRationalityModelAnswer>
CHeadlessPlatform::AskRationalityModel(const std::vector<SCommitteeChoice>&) {
    return NextDialogAnswer<SRationalityModelAnswer>("RationalityModel");
}

std::optional<SBenefitOfDoubtAnswer> CHeadlessPlatform::AskBenefitOfDoubt(double) {
    return NextDialogAnswer<SBenefitOfDoubtAnswer>("BenefitOfDoubt");
}

std::optional<SWinSetListAnswer>
CHeadlessPlatform::AskWinSetListEdits(const std::vector<std::string>&) {
    return NextDialogAnswer<SWinSetListAnswer>("WinSetList");
}

std::any CHeadlessPlatform::NextQueuedAnswer(const std::type_info& record) {
    const auto queue = m_dialogAnswers.find(std::type_index(record));
    if (queue == m_dialogAnswers.end() || queue->second.empty())
        return {};
    std::any answer = std::move(queue->second.front());
    queue->second.pop_front();
    return answer;
}

void CHeadlessPlatform::Ask(CDialogQuestion& question) {
    m_dialogQuestions.emplace_back(question.Name());
    const std::any answer = NextQueuedAnswer(question.AnswerType());
    if (answer.has_value())
        question.TakeScriptedAnswer(answer);
    else
        question.TakeUnscriptedAnswer();
}
