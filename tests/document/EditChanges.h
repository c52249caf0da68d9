#pragma once

#include "document/Commands.h"
#include "document/DocumentDialogs.h"
#include "document/EditSteps.h"
#include "document/MemberEditor.h"
#include "document/ModelCommands.h"
#include "document/QueltaDoc.h"
#include "platform/HeadlessPlatform.h"
#include "script/DocScriptModel.h"
#include "script/ScriptSession.h"
#include "script/ScriptTextBox.h"
#include "views/InputForm.h"

#include <functional>
#include <string>

// Every kind of change a user or a script makes to a scenario, each through the door they use
// and ended as one step of the edit history.

namespace edit_changes {

/// One kind of change, made through the door a user or a script uses.
struct SChange {
    const char* step;
    std::function<void(CQueltaDoc&, CRecordingPlatform&)> make;
};

/// Runs a script through the Script window's session, as one run.
inline void RunScript(CQueltaDoc& doc, const std::string& program) {
    CDocScriptModel model(doc);
    CScriptTextBuffer box;
    CScriptSession session;
    session.Attach(&model, &box);
    if (session.PressRun(program, false))
        while (session.Continue(100)) {
        }
}

inline CMember& FirstMember(CQueltaDoc& doc) {
    return *doc.Header().currentCommittee->Members().front();
}

inline const SChange kChanges[] = {
    {"Create Member",
     [](CQueltaDoc& d, CRecordingPlatform&) {
         d.CreateMember("XX9", "XX9", CFPoint(20, 30), 3);
         d.RefreshAndModify();
         CommitEdit(d, "Create Member");
     }},
    {"Move Member",
     [](CQueltaDoc& d, CRecordingPlatform&) {
         BeginEditGroup(d);
         for (int step = 1; step <= 5; ++step) {
             FirstMember(d).SetIdealPoint(CFPoint(10 + step, 20 + step));
             d.Game().MemberChanged(FirstMember(d));
         }
         d.RefreshAndModify();
         EndEditGroup(d, "Move Member");
     }},
    {"Delete Member",
     [](CQueltaDoc& d, CRecordingPlatform&) {
         d.RemoveMember(&FirstMember(d));
         CommitEdit(d, "Delete Member");
     }},
    {"Edit Member",
     [](CQueltaDoc& d, CRecordingPlatform&) {
         CMemberEditor editor(d);
         editor.ShowMember(&FirstMember(d));
         editor.SetVoteWeight(3.0);
     }},
    {"General",
     [](CQueltaDoc& d, CRecordingPlatform& p) {
         // The rationality model dialog: uncertainty about the status quo for the whole group.
         SRationalityModelAnswer answer;
         answer.committeeId = CommitteeChoices(d).at(0).id;
         answer.model = 5;
         answer.idealPoint = {4, 1.0, 0.0, 10, 10.0, false};
         answer.statusQuo = {4, 1.5, 0.25, 10, 10.0, true};
         p.QueueDialogAnswer(std::optional(answer));
         RunCommand(d, ECommandId::RationalityGeneral);
     }},
    {"Configuration...",
     [](CQueltaDoc& d, CRecordingPlatform& p) {
         DisplayConfig config = d.Config();
         config.nResolution += 3;
         p.QueueDialogAnswer<DisplayConfig>(config);
         RunCommand(d, ECommandId::Configuration);
     }},
    {"Move Status Quo",
     [](CQueltaDoc& d, CRecordingPlatform&) { CInputForm(d).EditStatusQuo(CFPoint(12, 34)); }},
    {"Move Proposal",
     [](CQueltaDoc& d, CRecordingPlatform&) { CInputForm(d).EditProposal(CFPoint(56, 78)); }},
    {"Decision Rule", [](CQueltaDoc& d, CRecordingPlatform&) { CInputForm(d).EditFraction(0.75); }},
    {"Plurality", [](CQueltaDoc& d, CRecordingPlatform&) { CInputForm(d).SetAbsolute(false); }},
    {"Weighted", [](CQueltaDoc& d, CRecordingPlatform&) { RunCommand(d, ECommandId::Weighted); }},
    {"Rational", [](CQueltaDoc& d, CRecordingPlatform&) { RunCommand(d, ECommandId::Rational); }},
    {"Correlated",
     [](CQueltaDoc& d, CRecordingPlatform&) { RunCommand(d, ECommandId::Correlated); }},
    {"City Block",
     [](CQueltaDoc& d, CRecordingPlatform&) { RunCommand(d, ECommandId::ModelCityBlock); }},
    {"Zoom", [](CQueltaDoc& d, CRecordingPlatform&) { CInputForm(d).EditZoom(2.5); }},
    {"Agenda",
     [](CQueltaDoc& d, CRecordingPlatform& p) {
         p.QueueDialogAnswer<SAgendaSettings>(SAgendaSettings{5});
         RunCommand(d, ECommandId::Agenda);
     }},
    {"Script",
     [](CQueltaDoc& d, CRecordingPlatform&) {
         RunScript(
             d,
             "10 CALL SetVoteRule(0.8)\n20 CALL SetStatusQuo(1, 2)\n30 CALL SetProposal(3, 4)\n");
     }},
};

} // namespace edit_changes
