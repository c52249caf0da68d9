#pragma once

#include "document/DisplayConfig.h"

#include <string>

class CQueltaDoc;

// The settings a front end without the desktop's forms changes by name and value (the command
// line's options, the Python module's setters): each is applied as the command that changes it
// in the desktop would apply it, and refused when the computations could not work with it.

/// The text ApplyConfigSetting answers for a key the configuration block does not have.
inline constexpr const char* kUnknownSetting = "unknown setting";

/// Sets one key of the configuration block, or the default preference model
/// ("defaultModelName"), and applies it as its command would (a display switch shows its
/// display, the voting switches reach the game and the members). Answers why it cannot:
/// kUnknownSetting for an unknown key, else what is wrong with the value; empty when done.
std::string ApplyConfigSetting(CQueltaDoc& doc, const std::string& key, const std::string& value);

/// Whether a chart of this size in pixels can be computed: 6 to 20000 each way and a grid the
/// geometry buffers can hold.
bool ChartSizeUsable(const DisplayConfig& config, const SSizeSpec& size);

/// Zooms far outside 0.000001 to 1000000 leave no cell with a finite issue-space size.
bool ChartZoomUsable(double zoom);

/// Status quos and proposals far beyond ±1e15 leave no cell with a finite issue-space size.
bool PointUsable(double h, double v);
