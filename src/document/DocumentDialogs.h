#pragma once

#include "document/DisplayConfig.h"
#include "montecarlo/MonteCarloSettings.h"
#include "platform/DialogQuestion.h"

#include <optional>
#include <vector>

class CMonteCarloSession;

// The dialogs whose records are the document's own (its settings, the Monte Carlo settings).
// They reach the platform as questions it carries without knowing their records.

/// The colour-code dialog's answer; that it is given at all means the dialog was confirmed.
struct SColorCodeAnswer {};

/// One button of the "Monte Carlo" dialog, as a test plays it against a session.
struct SMonteCarloAction {
    enum class EKind { Edit, Run, Retain, Discard, Reset, Ok, Cancel };
    EKind kind = EKind::Ok;
    /// For Edit: the fields as the user leaves them.
    SMonteCarloSettings settings;
};

/// The buttons a scripted "Monte Carlo" dialog presses, in order; a sequence that ends without
/// OK or Cancel ends as Cancel.
struct SMonteCarloButtons {
    std::vector<SMonteCarloAction> actions;
};

/// The "Configuration Settings" sheet; the answer is the whole edited settings record.
class CConfigurationQuestion : public TDialogQuestion<DisplayConfig> {
public:
    explicit CConfigurationQuestion(const DisplayConfig& current) : m_current(current) {}
    const char* Name() const override { return "Configuration"; }
    /// The settings the sheet opens with.
    const DisplayConfig& Current() const { return m_current; }

private:
    const DisplayConfig& m_current;
};

/// The colour-code dialog, showing the colour scale of the given settings. It has nothing to
/// fill in, so a platform without a scripted answer confirms it, as it answers a message box.
class CColorCodeQuestion : public TDialogQuestion<SColorCodeAnswer> {
public:
    explicit CColorCodeQuestion(const DisplayConfig& config) : m_config(config) {}
    const char* Name() const override { return "ColorCode"; }
    void TakeUnscriptedAnswer() override { SetAnswer(SColorCodeAnswer{}); }
    /// The settings whose colour scale the dialog shows.
    const DisplayConfig& Config() const { return m_config; }

private:
    const DisplayConfig& m_config;
};

/// The "Monte Carlo" dialog's settings alone, confirmed with OK.
class CMonteCarloSettingsQuestion : public TDialogQuestion<SMonteCarloSettings> {
public:
    explicit CMonteCarloSettingsQuestion(const SMonteCarloSettings& initial) : m_initial(initial) {}
    const char* Name() const override { return "MonteCarloSettings"; }
    /// The settings the dialog opens with.
    const SMonteCarloSettings& Initial() const { return m_initial; }

private:
    const SMonteCarloSettings& m_initial;
};

/// The whole "Monte Carlo" dialog over a session. A platform with the dialog runs it and gives
/// its result; a scripted platform answers with the buttons to press.
class CMonteCarloDialogQuestion : public TDialogQuestion<SMonteCarloButtons> {
public:
    explicit CMonteCarloDialogQuestion(CMonteCarloSession& session) : m_session(session) {}
    const char* Name() const override { return "MonteCarlo"; }
    CMonteCarloSession& Session() const { return m_session; }
    /// Notes that the platform ran the dialog and whether it ended with OK.
    void SetDialogResult(bool ok) { m_dialogResult = ok; }
    /// The result of a dialog the platform ran; nothing when it ran none.
    std::optional<bool> DialogResult() const { return m_dialogResult; }

private:
    CMonteCarloSession& m_session;
    std::optional<bool> m_dialogResult;
};

/// Asks for the configuration sheet; nothing when cancelled.
std::optional<DisplayConfig> AskConfiguration(const DisplayConfig& current);

/// Asks for the colour-code dialog; whether it was confirmed.
bool AskColorCode(const DisplayConfig& config);

/// Runs the "Monte Carlo" dialog over a session: each button the user presses is the session's
/// operation of that name, until OK or Cancel has run. Answers whether it ended with OK. Where
/// the platform has no such dialog the settings question stands for it: confirmed settings are
/// run once and kept with OK, refused ones end as Cancel.
bool RunMonteCarloDialog(CMonteCarloSession& session);
