#pragma once

class CQueltaDoc;

/// Gives every member of the current committee the salience and complementarity of the
/// "Correlated" switch: when it is on, those of the regression of the ideal points
/// (complementarity 1 / slope, salience 1 / (1.0000001 - |r|)); when it is off, complementarity
/// 0 and salience 1. The game takes the member list again and the document is modified.
void UpdatePreferenceCorrelation(CQueltaDoc& doc);

/// Sets the "Correlated" switch, then updates the members.
void SetCorrelatedSwitch(CQueltaDoc& doc, int flag);

/// The "Correlated" command: toggles the switch, then updates the members.
void ToggleCorrelated(CQueltaDoc& doc);
