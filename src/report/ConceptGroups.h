#pragma once

#include "report/ConceptReport.h"

#include <string>
#include <vector>

class CQueltaDoc;

/// The names of the groups of values `concepts` computes, in the order their keys are printed.
const std::vector<std::string>& ConceptGroupNames();
/// Whether a name is one of ConceptGroupNames().
bool IsConceptGroup(const std::string& name);

/// A group of values that could not be computed, and the message it gave.
struct SConceptFailure {
    std::string group;
    std::string message;
};

/// The values computed for one scenario, in order, and the groups that failed. When a group
/// failed its keys are left out and the report ends with the key "error" (ErrorText()).
struct SConceptResults {
    CConceptReport report;
    std::vector<SConceptFailure> failures;

    /// "group: message" for each failed group, joined by "; "; empty when none failed.
    std::string ErrorText() const;
};

/// Computes the named groups (every group when `groups` is empty) for the document's scenario,
/// in the order of ConceptGroupNames(); names that are no group are passed over. Each group
/// runs whether or not the ones before it failed.
SConceptResults ComputeConceptResults(CQueltaDoc& doc, const std::vector<std::string>& groups = {});
