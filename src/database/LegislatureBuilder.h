#pragma once

#include "database/LegislatureTables.h"

#include <string>

class CQueltaDoc;

/// Why the rows cannot become a scenario (an empty or repeated member, committee or rating
/// scale ID, which would make the joins ambiguous); empty when they can.
std::string LegislatureProblem(const SLegislatureData& data);

/// Resets the document and fills it from the rows: settings, house labels, rating scales, both
/// houses with their members, ratings, committees and memberships (joined on exact IDs), the
/// stored scenario names and the attributes. Rows naming a member, scale or committee that does
/// not exist are left out and counted in one message. The rows must pass LegislatureProblem.
void BuildLegislature(CQueltaDoc& doc, const SLegislatureData& data, const std::string& connection);
