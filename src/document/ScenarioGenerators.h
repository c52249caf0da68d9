#pragma once

#include "geometry/FPoint.h"
#include "montecarlo/MonteCarloDraw.h"
#include "montecarlo/MonteCarloSettings.h"
#include "platform/DialogAnswers.h"

#include <cstdint>
#include <optional>
#include <string>

class CQueltaDoc;
class CMember;

/// Why the regular polygon settings are out of range; empty when they are valid.
std::string RegularPolygonSettingsProblem(const SRegularPolygonSettings& settings);

/// Adds the fixed parts of a generated scenario to a reset one: scales "D1" and "D2" over the
/// plane rectangle as horizontal and vertical scale, and the upper house "Group" with its
/// empty committee "C1" in use.
void AddGeneratedGroup(CQueltaDoc& doc);

/// Replaces the scenario by an empty one of the given name: one group "C1" in the upper house,
/// scales "D1" and "D2" over the plane rectangle, no members; logs the six-line summary.
/// False when memory ran out (the scenario is then reset).
bool NewBlankScenario(CQueltaDoc& doc, const std::string& name);

/// An empty scenario whose data source, path and title are the name, marked as a whiteboard;
/// logs the summary with the vote total and quota.
bool NewWhiteboard(CQueltaDoc& doc, const std::string& name = "Whiteboard");

/// Members on the vertices of a regular polygon about (50, 50), the first to the right of the
/// centre, the rest counter-clockwise. Without settings (the dialog was cancelled) the blank
/// scenario stays. Settings out of range are refused with a message before anything changes.
bool NewRegularPolygon(CQueltaDoc& doc, const std::optional<SRegularPolygonSettings>& settings);

/// The two-player bargain: status quo at the origin, city-block members at (100, 0) and
/// (0, 100), the budget line shown, not modified.
bool NewBargain(CQueltaDoc& doc);

/// Adds a member with the next generated ID ("XX%d"), which is also its last name.
CMember* AddGeneratedMember(CQueltaDoc& doc, const CFPoint& point, int prefType);

/// The message for a draw that stopped at its candidate limit before enough points fell inside
/// the scale box.
std::string TooFewInsideMessage(const SMonteCarloDraw& draw);

/// Turns drawn points into members with the preference type of the settings' model name (the
/// settings' type is updated from it) and empties the draw.
void RetainMonteCarloPoints(CQueltaDoc& doc, SMonteCarloSettings& settings, SMonteCarloDraw& draw);

/// Ends the "Monte Carlo" command confirmed with OK: the scenario becomes a Monte Carlo one,
/// the game takes the member list, the views are refreshed and the document is modified.
void FinishMonteCarloScenario(CQueltaDoc& doc);

/// What a one-step Monte Carlo generation did.
enum class EMonteCarloResult { Generated, Refused, TooFewInside, Cancelled, Failed };

/// Generates a whole Monte Carlo scenario in one step (scripts, the command line): an empty
/// scenario named `title`, `settings.members` points drawn strictly inside the scale box with
/// the settings' type as preference type, marked as Monte Carlo and modified, with the vote
/// total and quota logged. Invalid settings are refused with a message before anything
/// changes. `maxCandidates` bounds the candidate points (0: none), so a distribution that
/// rarely falls inside the box ends with TooFewInside and a message instead of drawing
/// forever; the draw also stops on the cancel poll.
EMonteCarloResult NewMonteCarlo(CQueltaDoc& doc, const std::string& title,
                                SMonteCarloSettings& settings, std::int64_t maxCandidates = 0);
