#pragma once

#include <string>
#include <vector>

struct DisplayConfig;

/// Why the value of `key` in the configuration block is one the computations cannot work with
/// (a count too large to compute, a chart grid too large to hold); empty when it is usable or
/// when the key has no bounds.
std::string ConfigValueProblem(const DisplayConfig& config, const std::string& key);

/// Puts every unusable value of the block back to its default and gives one message per value
/// so replaced.
std::vector<std::string> RestoreUnusableConfigValues(DisplayConfig& config);
