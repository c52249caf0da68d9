#pragma once

#include <string>

/// The text of a number in a scenario or configuration file: "%f" (six decimals) wherever that
/// reads back as the same number, otherwise the shortest text that does (such as 1e-07 or
/// 0.3333333333333333), so that a saved file reads back exactly.
std::string FileNumber(double value);
