#pragma once

#include "document/DisplayConfig.h"

#include <string>
#include <utility>
#include <vector>

/// The names by which the headless front ends switch the chart's displays (winset, quotalines,
/// yolk, pareto, ..., candidates), with the display switch of each.
const std::vector<std::pair<const char*, int DisplayConfig::*>>& ChartShowNames();

/// Switches exactly the named displays on and every other named display off. Answers the first
/// name that is not a display's (nothing changes then); empty when done.
std::string ApplyChartShowList(const std::vector<std::string>& names, DisplayConfig& config);
