#pragma once

#include "import/ImportedBody.h"

#include <string>

/// One import as a front end asks for it: the file, its kind and what to read from it, and
/// where the legislature goes (a scenario file or a database).
struct SImportRequest {
    /// A member file of the roll-call archive (else a table of the user's own).
    bool rollCall = true;
    std::string file;
    SRollCallOptions rollCallOptions;
    SCsvColumns csvColumns;
    /// Write the scenario here in the standard format...
    std::string scenarioFile;
    /// ...or fill this legislature database.
    std::string connection;
};

/// What an import did.
struct SImportOutcome {
    bool ok = false;
    /// Why nothing was written, naming the file and, for its contents, the line and column.
    std::string error;
    /// What was written, e.g. "imported 5 members of House, Congress 110 into out.txt".
    std::string summary;
    /// The rows left out for want of scores (SImportedBody::LeftOutMessage); empty for none.
    std::string leftOut;
};

/// Reads the request's file into a body; false with `error` (naming the file) when it cannot.
bool ReadImportFile(const SImportRequest& request, SImportedBody& body, std::string& error);

/// The whole import: reads the file, then writes the scenario file or the database. Nothing is
/// written when reading fails, and a failed write leaves the target as it was.
SImportOutcome RunImport(const SImportRequest& request);
