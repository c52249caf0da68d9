#pragma once

#include "document/DisplayConfig.h"
#include "geometry/FPoint.h"
#include "platform/DialogAnswers.h"

#include <string>
#include <vector>

class CQueltaDoc;
class CMember;

// The Model menu's operations: moving the status quo and the proposal, the rationality,
// correlation and default-model switches, weighted and probabilistic voting, candidates, the
// benefit of the doubt, the agenda and the configuration sheet. Each does nothing without a
// current committee, and each can be called without the command table.

/// Status quo := the Copeland winner, found with `nCopeland` and `dCopeland`.
void SetStatusQuoToCopeland(CQueltaDoc& doc);
/// Status quo := the Borda winner.
void SetStatusQuoToBorda(CQueltaDoc& doc);
/// Status quo := the centre of the yolk.
void SetStatusQuoToYolkCenter(CQueltaDoc& doc);
/// Status quo := the proposal.
void SetStatusQuoToProposal(CQueltaDoc& doc);

/// A random point of the current win set (recomputed when stale): a cell drawn with the
/// system's generator in whatever state it is, mapped to issue space.
CFPoint RandomWinSetPoint(CQueltaDoc& doc);
/// A random win-set point becomes the proposal, then the status quo. `reseed` restarts the
/// generator from 123456789 first (the "Random" command), so the same scenario always gives
/// the same point; scripts draw on without reseeding.
void SetStatusQuoToRandomProposal(CQueltaDoc& doc, bool reseed);

/// The current committee's members as the member-selection dialog offers them.
std::vector<SMemberChoice> MemberChoices(const CQueltaDoc& doc);
/// The current committee's members with the chosen IDs, in committee order.
std::vector<CMember*> ChosenMembers(const CQueltaDoc& doc, const SMemberSubsetAnswer& answer);

/// Proposal := the Copeland winner of the subgroup alone (`nCopeland`, `dCopeland`); the game
/// takes the whole committee back afterwards. Nothing happens for an empty subgroup.
void SetProposalBySubgroup(CQueltaDoc& doc, const std::vector<CMember*>& subgroup);
/// "By Subgroup": the member-selection dialog, then SetProposalBySubgroup. Returns whether the
/// proposal was set.
bool ProposalBySubgroupCommand(CQueltaDoc& doc);

/// Makes exactly the given members candidates (every other member's flag is cleared).
void SetCandidates(CQueltaDoc& doc, const std::vector<CMember*>& candidates);
/// "Two-Candidate": the member-selection dialog, then SetCandidates.
bool TwoCandidateCommand(CQueltaDoc& doc);

/// Sets the "Rational" switch and gives every member of the current committee the opposite
/// rational flag (switch on: flag 0), with the wait cursor and "Updating preference
/// rationality..."; every concept is recomputed.
void SetRationalSwitch(CQueltaDoc& doc, int flag);
/// "Rational": toggles the switch.
void ToggleRational(CQueltaDoc& doc);

/// The committees of the house in use as the rationality model dialog lists them: indented
/// by sub-level with "--" per level and followed by " (%d)" with the member count.
std::vector<SCommitteeChoice> CommitteeChoices(const CQueltaDoc& doc);
/// Applies the rationality model dialog's answer: every member of the chosen committee gets
/// the model and both sampling blocks (a block's resolution is each member's own mean spread
/// when it asks for it); then the "Rational" switch becomes 0 for a model other than
/// "Sincere" and 1 for "Sincere", and the members are updated as for "Rational". An unknown
/// committee changes nothing (false).
bool ApplyRationalityModel(CQueltaDoc& doc, const SRationalityModelAnswer& answer);
/// "General": the rationality model dialog, then ApplyRationalityModel.
bool GeneralRationalityCommand(CQueltaDoc& doc);

/// The preference type of a default-model command's name ("tradeoff" 3, "cityblock" 4,
/// "independent" 5, "directional" 2, "unified" 1, "eum" 8).
int DefaultModelType(const std::string& name);
/// Stores the default model name and gives every member of the current committee its type
/// (the rest of each member's preference settings stays); new members get it too.
void SetDefaultModel(CQueltaDoc& doc, const std::string& name);

/// Sets the weighted-voting switch and passes it to the game; every concept is recomputed.
void SetVoteWeightedSwitch(CQueltaDoc& doc, int flag);
/// "Weighted": toggles the switch.
void ToggleWeighted(CQueltaDoc& doc);
/// Sets the probabilistic-voting switch and passes it to the game; every concept is recomputed.
void SetVoteProbabilisticSwitch(CQueltaDoc& doc, int flag);
/// "Probabilistic": toggles the switch.
void ToggleProbabilistic(CQueltaDoc& doc);

/// Applies the benefit-of-the-doubt value (`dBOD`) and shows the quota lines.
void ApplyBenefitOfDoubt(CQueltaDoc& doc, double value);
/// "BOD": shows the quota lines and asks the benefit-of-the-doubt dialog for its value.
bool BenefitOfDoubtCommand(CQueltaDoc& doc);

/// "Agenda": the agenda dialog, then the run. Returns whether it ran.
bool AgendaCommand(CQueltaDoc& doc);

/// Applies an edited settings record: values the computations cannot work with are refused
/// with a message (nothing changes, false); otherwise the record replaces the settings, the
/// game takes its voting and veto switches and the chart size, and the views are redrawn.
bool ApplyConfiguration(CQueltaDoc& doc, const DisplayConfig& config);
/// "Configuration...": the "Configuration Settings" sheet, then ApplyConfiguration.
bool ConfigurationCommand(CQueltaDoc& doc);
