#pragma once

#include "thermograph/ThermographGrid.h"

class CQueltaDoc;
struct DisplayConfig;

/// Whether a new custom map is also written to the distribution file beside its document's
/// file: the desktop turns this on at start-up; the command line and the other front ends never
/// leave such a file.
void SetDistributionFilesWritten(bool on);

/// The settings a value map takes from the document's settings record (one thread per core).
SThermographSettings ThermographSettingsOf(const DisplayConfig& config);

/// Whether a mode's map takes long enough to be computed ahead of painting: the win-set area,
/// win-set radius, benefit-of-the-doubt and custom maps, which take a concept per pixel.
bool IsLongThermographMode(int mode);

/// Whether the chart shows the thermograph in a mode whose map is not up to date.
bool ChartThermographPending(const CQueltaDoc& doc);

/// Brings the document's thermograph up to date for the chart: when the scenario is ready and
/// the thermograph is shown, the map of its mode is computed unless it is fresh. A new custom
/// map is also written to the titled document's distribution file when such files are written
/// (see SetDistributionFilesWritten); a failed write is a message.
/// False when the cancel poll stopped the computation: the previous map and the status quo
/// are then as they were.
bool UpdateChartThermograph(CQueltaDoc& doc);

/// After a cancelled map: when the thermograph still holds a fresh map of another mode, the
/// chart goes back to that mode (the picture shown before the request); otherwise the
/// thermograph display is switched off, so that painting does not start the map again.
void WithdrawCancelledThermograph(CQueltaDoc& doc);
