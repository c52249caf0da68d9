#pragma once

#include "script/ModelFunctions.h"

#include <string>
#include <vector>

class CQueltaDoc;

/// The model functions carried out on a document: every function of the table is bound to the
/// document operation the menus and gestures use for the same thing.
class CDocScriptModel : public CScriptModel {
public:
    /// Acts on `doc` (not owned) for as long as it lives.
    explicit CDocScriptModel(CQueltaDoc& doc) : m_doc(doc) {}

    SScriptValue CallModelFunction(int index, const std::vector<SScriptValue>& arguments,
                                   EScriptError& error) override;
    void RunBegins() override;
    void RunEnds() override;

    /// How many saves the script tried that did not write their file.
    int FailedSaves() const { return m_failedSaves; }

    /// The names of the table's functions that have no binding (none when complete).
    static std::vector<std::string> UnboundFunctions();

private:
    CQueltaDoc& m_doc;
    int m_failedSaves = 0;
};
