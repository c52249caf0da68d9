#pragma once

#include "document/CommandIds.h"
#include "document/DisplayConfig.h"

#include <span>
#include <string>

class CQueltaDoc;

// The "Show" items: each switches one display flag of the settings record.

/// One "Show" item: its command, its display flag and when it is offered. While it is not
/// offered it is unchecked and its flag is cleared.
struct SShowItem {
    ECommandId id;
    int DisplayConfig::*flag;
    ECommandCondition enabled;
};

/// Every "Show" item of the menus.
std::span<const SShowItem> ShowItems();

/// The "Show" item of a command; nullptr for other commands.
const SShowItem* FindShowItem(ECommandId id);

/// Whether a key of the configuration block (any accepted spelling) sets this flag.
bool ConfigKeySetsFlag(const std::string& key, int DisplayConfig::*flag);

/// The "Show" item whose flag a key of the configuration block sets; nullptr for none.
const SShowItem* FindShowItemByKey(const std::string& key);

/// Sets the display flag of a "Show" item to `value` as given, doing the work that showing the
/// element needs only for exactly 1 (the quota lines are brought up to date; the game's veto
/// switch follows "Show Veto" and is on only for 1; turning the colour code on asks the
/// colour-code dialog first and does nothing when it is cancelled). The views are redrawn and
/// the document modified, except for "Show Banks Chain", which only stores its flag. Nothing
/// happens for a command without a display flag.
void SetShowFlag(CQueltaDoc& doc, ECommandId id, int value);

/// The menu's "Show" command: turns the flag off when it is set, on (1) otherwise.
void ToggleShowFlag(CQueltaDoc& doc, ECommandId id);

/// "Proj Line": toggles the chart's projection line.
void ToggleProjectionLine(CQueltaDoc& doc);

/// Marks every concept for recomputation, redraws the views and modifies the document.
void RefreshScenario(CQueltaDoc& doc);

/// Turns off every display switch a script can set (except the power index bounds) with the
/// Banks set, the Banks chain, the game's veto switch and the projection line, then refreshes
/// as RefreshScenario.
void ClearDisplaySwitches(CQueltaDoc& doc);
