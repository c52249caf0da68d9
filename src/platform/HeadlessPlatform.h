#pragma once

#include "platform/Platform.h"

#include <any>
#include <deque>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <typeindex>
#include <vector>

/// One message box as the headless platform saw it.
struct SMessageRecord {
    std::string title;
    std::string text;
    EMsgButtons buttons = EMsgButtons::Ok;
    EMsgAnswer answer = EMsgAnswer::Ok;
};

/// One status-bar text as the headless platform saw it.
struct SStatusRecord {
    int pane = 0;
    std::string text;
};

/// A platform without windows: answers message boxes with scripted answers or the default
/// (OK, Yes), records every message and status text, and optionally echoes messages to a stream.
class CHeadlessPlatform : public CPlatform {
public:
    /// echo: where message boxes are written as they appear (nullptr: nowhere).
    explicit CHeadlessPlatform(std::ostream* echo = nullptr);

    EMsgAnswer MessageBox(const std::string& text, const std::string& title,
                          EMsgButtons buttons) override;
    void SetStatusText(int pane, const std::string& text) override;
    void SetWaitCursor(bool on) override;
    bool CancelRequested() override;
    std::string AskOpenFileName(const std::string& title, const std::string& filter) override;
    std::string AskSaveFileName(const std::string& title, const std::string& suggested,
                                const std::string& filter) override;
    void RefreshViews() override { ++m_refreshCount; }
    void ExitProgram(int code) override;
    void CloseMainWindow() override { m_windowClosed = true; }
    std::optional<SMemberSubsetAnswer>
    AskMemberSubset(const std::string& title, const std::vector<SMemberChoice>& members) override;
    std::optional<SRegularPolygonSettings>
    AskRegularPolygon(const SRegularPolygonSettings& initial) override;
    std::optional<SAgendaSettings> AskAgenda(const SAgendaSettings& initial) override;
    std::optional<SRationalityModelAnswer>
    AskRationalityModel(const std::vector<SCommitteeChoice>& committees) override;
    std::optional<SBenefitOfDoubtAnswer> AskBenefitOfDoubt(double current) override;
    std::optional<SWinSetListAnswer>
    AskWinSetListEdits(const std::vector<std::string>& labels) override;
    void Ask(CDialogQuestion& question) override;

    /// Queues the answer of the next question of that record's dialog (nothing stands for
    /// Cancel). A dialog without a queued answer takes the question's unscripted answer, which
    /// is Cancel for every dialog with something to fill in.
    template <typename Answer> void QueueDialogAnswer(std::optional<Answer> answer) {
        m_dialogAnswers[std::type_index(typeid(Answer))].emplace_back(std::move(answer));
    }
    /// The dialog questions asked so far, by name ("MemberSubset", "Configuration", ...).
    const std::vector<std::string>& DialogQuestions() const { return m_dialogQuestions; }
    /// The members the last member-selection question offered.
    const std::vector<SMemberChoice>& OfferedMembers() const { return m_offeredMembers; }
    /// Whether the Exit command asked to close the main window.
    bool WindowClosed() const { return m_windowClosed; }

    /// Queues the answer for the next message box (used before the default answer).
    void QueueAnswer(EMsgAnswer answer) { m_answers.push_back(answer); }
    /// Queues the file name for the next open or save question ("" stands for Cancel).
    void QueueFileName(const std::string& name) { m_fileNames.push_back(name); }
    /// Makes the cancel poll answer true after `polls` more calls that answered false.
    void RequestCancelAfter(int polls) { m_cancelAfter = polls; }
    /// How many times the cancel poll has been asked.
    long long CancelPolls() const { return m_cancelPolls; }
    /// Makes ExitProgram record the request instead of ending the process.
    void SetExitRecordsOnly(bool recordOnly) { m_exitRecordsOnly = recordOnly; }

    const std::vector<SMessageRecord>& Messages() const { return m_messages; }
    const std::vector<SStatusRecord>& StatusTexts() const { return m_status; }
    /// The texts of all message boxes shown so far, in order.
    std::vector<std::string> MessageTexts() const;
    int RefreshCount() const { return m_refreshCount; }
    int WaitCursorDepth() const { return m_waitDepth; }
    int ExitCode() const { return m_exitCode; }
    bool ExitRequested() const { return m_exitRequested; }
    /// Forgets every recorded message and status text.
    void Clear();

private:
    EMsgAnswer DefaultAnswer(EMsgButtons buttons) const;
    /// Notes the question and hands out the next queued answer of its record, if any.
    template <typename Answer> std::optional<Answer> NextDialogAnswer(const char* question) {
        m_dialogQuestions.emplace_back(question);
        const std::any answer = NextQueuedAnswer(typeid(Answer));
        if (!answer.has_value())
            return std::nullopt;
        return std::any_cast<const std::optional<Answer>&>(answer);
    }
    /// Takes the next answer queued for a record type; empty when none is queued.
    std::any NextQueuedAnswer(const std::type_info& record);

    std::ostream* m_echo;
    std::deque<EMsgAnswer> m_answers;
    std::deque<std::string> m_fileNames;
    std::vector<SMessageRecord> m_messages;
    std::map<std::type_index, std::deque<std::any>> m_dialogAnswers;
    std::vector<std::string> m_dialogQuestions;
    std::vector<SMemberChoice> m_offeredMembers;
    bool m_windowClosed = false;
    std::vector<SStatusRecord> m_status;
    int m_cancelAfter = -1;
    long long m_cancelPolls = 0;
    int m_refreshCount = 0;
    int m_waitDepth = 0;
    int m_exitCode = 0;
    bool m_exitRequested = false;
    bool m_exitRecordsOnly = false;
};

/// A headless platform for tests: records everything, echoes nothing, never exits.
class CRecordingPlatform : public CHeadlessPlatform {
public:
    CRecordingPlatform() : CHeadlessPlatform(nullptr) { SetExitRecordsOnly(true); }
};
