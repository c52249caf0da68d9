#pragma once

#include "import/ImportFlow.h"
#include "platform/DialogQuestion.h"

#include <string>

class CQueltaDoc;

/// The "Import" dialog: the kind of file, the file, and what to read from it (the Congress,
/// chamber and scores of a roll-call member file, or the columns of a table).
class CImportQuestion : public TDialogQuestion<SImportSource> {
public:
    explicit CImportQuestion(SImportSource initial) : m_initial(std::move(initial)) {}
    const char* Name() const override { return "Import"; }
    /// The settings the dialog opens with: those of the last import.
    const SImportSource& Initial() const { return m_initial; }

private:
    SImportSource m_initial;
};

/// What keeps the dialog's settings from being read, worded for the dialog and naming its
/// field; empty when they may be read.
std::string ImportSourceProblem(const SImportSource& source);

/// "Import...": the close prompt, the "Import" dialog, then the file read and checked. The
/// legislature becomes a new untitled scenario, modified until it is saved, from which the edit
/// history starts (as a generated scenario's does). Settings that cannot be read, a file that
/// cannot be read or is not of the kind chosen are shown as a user's error and leave the
/// scenario as it was; rows left out for want of scores are told in a message. Returns whether
/// a scenario was imported.
bool ImportScenarioCommand(CQueltaDoc& doc);
