#pragma once

#include "report/ConceptReport.h"

#include <QStringList>

#include <string>
#include <vector>

class CQueltaDoc;

/// The names of the groups of values `concepts` computes, in the order their keys are printed.
const std::vector<std::string>& ConceptGroupNames();

/// The report of the loaded scenario: the groups of `only` (every group when empty); `failed` is
/// set when a group was left out.
CConceptReport ComputeConcepts(CQueltaDoc& doc, const QStringList& only, bool& failed);
