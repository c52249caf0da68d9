#pragma once

#include "platform/DialogAnswers.h"

class CQueltaDoc;

// The win-set menu's operations: the captured win set and its combinations with the current
// win set, and the list of saved win sets with its editor.

/// "Capture": the current win set becomes the captured one. The views are redrawn and the
/// document modified only while the captured win set is shown.
void CaptureWinSetCommand(CQueltaDoc& doc);
/// "Union", "Intersect", "Difference", "Exclusive": captured := captured op win set for
/// RGN_OR, RGN_AND, RGN_DIFF or RGN_XOR; redrawn as for "Capture".
void CombineWinSetCommand(CQueltaDoc& doc, int mode);
/// "Add to List": appends a copy of the current win set (recomputed when stale).
void AddWinSetToList(CQueltaDoc& doc);
/// "Free List": empties the list, destroying the copies.
void FreeWinSetList(CQueltaDoc& doc);
/// Carries out the editor's edits in order (combinations, capture of one entry, deletions);
/// edits with a selection that does not fit are passed over. Redraws and modifies.
void ApplyWinSetListEdits(CQueltaDoc& doc, const SWinSetListAnswer& answer);
/// "Show List": the win-set list editor, then ApplyWinSetListEdits.
bool ShowWinSetListCommand(CQueltaDoc& doc);
