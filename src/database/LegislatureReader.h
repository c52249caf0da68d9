#pragma once

#include "database/LegislatureTables.h"

#include <string>

class CDatabaseConnection;

/// A failure of one step of reading or writing a legislature, as the error box shows it.
struct SDatabaseError {
    std::string code;
    std::string message;
};

/// Reads every table of a legislature database in the fixed order (configuration, header,
/// ratings, upper house, lower house, scenario names, attributes), reporting the running row
/// counts of "Reading Data . . ." through the platform. Throws SDatabaseError with the code and
/// text of the step that failed.
SLegislatureData ReadLegislature(CDatabaseConnection& db);
