#pragma once

#include "import/ImportedBody.h"

#include <string>

class CQueltaDoc;

/// Replaces the document's scenario by the imported body: its two rating scales, its house
/// with one committee of every member, and the members with their IDs, names, constituencies,
/// vote weights and positions, under the default preference model. The scenario is new
/// (untitled and modified) until it is saved. False when memory ran out (the scenario is then
/// reset).
bool BuildImportedScenario(CQueltaDoc& doc, const SImportedBody& body);

/// Writes the body into a legislature database in one transaction: its scales (those the
/// database lacks), its members with their ratings and their party and state as attributes,
/// one committee of every member and one per party under it, into the tables of its house.
/// Refuses, writing nothing, members or committees the house has already. False with `error`
/// on failure (the driver's message folded in).
bool WriteImportedLegislature(const SImportedBody& body, const std::string& connection,
                              std::string& error);
