#pragma once

#include <string>

class CDatabaseConnection;
class CQueltaDoc;

/// The `CommitteeType` of a stored scenario: the house codes of the document (1 lower, 2 upper).
int CommitteeTypeOf(int house);

/// Loads the stored scenario of this name from the document's database: house, committee,
/// scales, status quo, proposal, decision rule, then each member's preference type and ideal
/// point. A scenario naming a house, committee or scale the database lacks changes nothing.
/// Shows the failure and returns false.
bool OpenScenario(CQueltaDoc& doc, const std::string& name);

/// Makes a committee of a house (1 lower, 2 upper) the scenario with two rating scales, as the
/// form's choices do; IDs compare exactly. Shows why it cannot and returns false, changing
/// nothing then.
bool SelectScenario(CQueltaDoc& doc, int house, const std::string& committee,
                    const std::string& ratingH, const std::string& ratingV);

/// Writes the current scenario under its name to the document's database in one transaction.
/// Shows the failure and returns false; a failure leaves the database as it was.
bool SaveStoredScenario(CQueltaDoc& doc);

/// Writes the current scenario under `name` to the database of `connection` in one
/// transaction; the database must hold the scenario's committee and scales. Shows the failure
/// and returns false.
bool SaveStoredScenario(CQueltaDoc& doc, const std::string& connection, const std::string& name);

/// Why the scenario cannot be stored under `name` (no committee, fewer than two scales, a text
/// too long for its column); empty when it can.
std::string ScenarioSaveProblem(const CQueltaDoc& doc, const std::string& name);

/// Replaces the rows of the stored scenario `name` with the document's scenario as one of
/// `house` (1 lower, 2 upper), inside the caller's transaction. Throws CSqlFailure.
void WriteScenarioRows(CDatabaseConnection& db, const CQueltaDoc& doc, const std::string& name,
                       int house);
