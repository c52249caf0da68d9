#include "document/DocumentDialogs.h"

#include "document/MonteCarloSession.h"
#include "platform/Platform.h"

namespace {

/// Presses the buttons on the session; answers whether they ended with OK.
bool PlayMonteCarloButtons(CMonteCarloSession& session, const SMonteCarloButtons& buttons) {
    using EKind = SMonteCarloAction::EKind;
    for (const SMonteCarloAction& action : buttons.actions) {
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

/// The settings question standing for the whole dialog.
bool RunMonteCarloSettingsOnly(CMonteCarloSession& session) {
    CMonteCarloSettingsQuestion question(session.Settings());
    Platform().Ask(question);
    if (question.Answer()) {
        session.SetSettings(*question.Answer());
        if (session.Run()) {
            session.Ok();
            return true;
        }
    }
    session.Cancel();
    return false;
}

} // namespace

std::optional<DisplayConfig> AskConfiguration(const DisplayConfig& current) {
    CConfigurationQuestion question(current);
    Platform().Ask(question);
    return question.Answer();
}

bool AskColorCode(const DisplayConfig& config) {
    CColorCodeQuestion question(config);
    Platform().Ask(question);
    return question.Answer().has_value();
}

bool RunMonteCarloDialog(CMonteCarloSession& session) {
    CMonteCarloDialogQuestion question(session);
    Platform().Ask(question);
    if (question.DialogResult())
        return *question.DialogResult();
    if (question.Answer())
        return PlayMonteCarloButtons(session, *question.Answer());
    return RunMonteCarloSettingsOnly(session);
}
