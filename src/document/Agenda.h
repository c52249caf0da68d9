#pragma once

#include "geometry/FPoint.h"
#include "platform/DialogAnswers.h"

#include <string>
#include <vector>

class CQueltaDoc;

/// Moves the status quo through a sequence of proposals: each iteration picks a member at
/// random and makes the win set's point nearest to its ideal point the new status quo (the
/// status quo stays when the win set is empty). The veto constraint is switched on and the
/// generator restarts from the same seed, so every run on a scenario follows the same path.
/// Returns the path, starting with the status quo it started from (also kept by the document
/// for the chart); nothing happens without members or iterations. The cancel poll stops the run
/// between iterations with the path so far.
std::vector<CFPoint> RunAgenda(CQueltaDoc& doc, const SAgendaSettings& settings);

/// The most iterations an agenda run takes: far more than a path anyone follows on the chart.
constexpr int kMaxAgendaIterations = 100000;

/// Why the agenda settings cannot be run ("Number of Iterations" out of 1 to the maximum);
/// empty when they can.
std::string AgendaSettingsProblem(const SAgendaSettings& settings);
