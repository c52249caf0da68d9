#pragma once

#include <utility>

/// The thermograph modes with the names the desktop shows for them.
inline constexpr std::pair<int, const char*> kThermoModeNames[] = {
    {8, "Scale to Total"},
    {16, "Scale to Decision"},
    {32, "Scale to Marginal"},
    {64, "Distance from Members"},
    {128, "Distance from Quota Lines"},
    {512, "Win Set Area"},
    {1024, "Win Set Radius"},
    {2048, "BOD Radius"},
    {4096, "Custom"},
};

/// The bit of `typeThermo` that selects the shade colour scale.
inline constexpr int kThermoShadeBit = 2;
/// The bits of `typeThermo` that are not part of its mode.
inline constexpr int kThermoFlagBits = 6;
