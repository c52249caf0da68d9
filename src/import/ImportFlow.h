#pragma once

#include "import/ImportedBody.h"

#include <string>

class CQueltaDoc;

/// What an import reads: the file, its kind and what to take from it.
struct SImportSource {
    /// A member file of the roll-call archive (else a table of the user's own).
    bool rollCall = true;
    std::string file;
    SRollCallOptions rollCallOptions;
    SCsvColumns csvColumns;
};

/// One import as the command line asks for it: what to read and where the legislature goes
/// (a scenario file or a database).
struct SImportRequest : SImportSource {
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

/// Reads the source's file into a body; false with `error` (naming the file) when it cannot.
bool ReadImportFile(const SImportSource& source, SImportedBody& body, std::string& error);

/// The body as the text of a standard scenario file; false when memory ran out.
bool ImportedScenarioText(const SImportedBody& body, std::string& text);

/// Puts the body in the document's place as the standard reader reads the file `import -o`
/// writes, so every front end holds exactly that scenario; false when it could not be built.
bool LoadImportedScenario(CQueltaDoc& doc, const SImportedBody& body);

/// The whole import: reads the file, then writes the scenario file or the database. Nothing is
/// written when reading fails, and a failed write leaves the target as it was.
SImportOutcome RunImport(const SImportRequest& request);
