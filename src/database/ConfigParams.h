#pragma once

#include "database/LegislatureTables.h"

#include <vector>

struct DisplayConfig;

/// Applies the configuration rows of a legislature database to the settings record. A row's
/// name, in any letter case, selects one setting; a scalar takes N1; a pen is style N1, width
/// N2 and colour N3; a brush is style N1, hatch N2 and colour N3; a colour is N1; a size is N1
/// by N2; a font is face T1, height N1, weight N2, italic N3 and colour N4. Colours are 24-bit
/// values with red in the low byte. `typeprefrgn` sets `defaultPrefType`, the preference type
/// the database's members start with. Other names are ignored.
void ApplyConfigParams(const std::vector<CTableConfigParams>& rows, DisplayConfig& config,
                       int& defaultPrefType);
