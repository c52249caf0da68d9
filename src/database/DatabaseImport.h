#pragma once

#include <string>

class CQueltaDoc;

/// Writes the document's scenario into a legislature database in one transaction: its rating
/// scales (those the database lacks), its members with their ratings, its committee with the
/// memberships, into the tables of `house` (1 lower, 2 upper), and the scenario itself as a
/// stored scenario named `name`. Members or a committee whose IDs the house has already are
/// refused, and nothing is written. Shows the failure and returns false.
bool ImportScenario(const CQueltaDoc& doc, const std::string& connection, int house,
                    const std::string& name);
