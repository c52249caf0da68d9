#pragma once

#include "geometry/FPoint.h"
#include "script/ModelFunctions.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

class CMember;
class CQueltaDoc;

/// One call of a model function on the document: its checked arguments and the place its
/// failure goes.
class CScriptCall {
public:
    CScriptCall(CQueltaDoc& doc, const std::vector<SScriptValue>& arguments, EScriptError& error,
                int& failedSaves)
        : m_doc(doc), m_arguments(arguments), m_error(error), m_failedSaves(failedSaves) {}

    CQueltaDoc& Doc() const { return m_doc; }
    double Number(std::size_t i) const { return m_arguments.at(i).number; }
    /// An integer argument (already checked and truncated), held to the int range.
    int Integer(std::size_t i) const;
    const std::string& Text(std::size_t i) const { return m_arguments.at(i).text; }
    /// The issue-space point of arguments i and i + 1; none, with "Bad value", for a
    /// coordinate so far out that no chart could map it.
    std::optional<CFPoint> Point(std::size_t i);
    /// The member named by argument `text` (ID, then label) or else the committee's member at
    /// the position (from 1) in argument `position`; nullptr when there is none.
    CMember* MemberReference(std::size_t text, std::size_t position) const;
    /// Reports a failure of the line.
    void Fail(EScriptError error) { m_error = error; }
    /// Counts a save that was tried and did not write its file.
    void NoteFailedSave() { ++m_failedSaves; }

private:
    CQueltaDoc& m_doc;
    const std::vector<SScriptValue>& m_arguments;
    EScriptError& m_error;
    int& m_failedSaves;
};

/// Carries out one model function.
using ScriptBindingFn = SScriptValue (*)(CScriptCall& call);

/// A model function's name and what carries it out.
struct SScriptBinding {
    const char* name;
    ScriptBindingFn run;
};

/// A number result.
inline SScriptValue ScriptNumber(double value) {
    return {value, {}};
}
/// A string result.
inline SScriptValue ScriptString(std::string text) {
    return {0.0, std::move(text)};
}
/// The result of a function that succeeded or always answers 1.
inline SScriptValue ScriptOne() {
    return {1.0, {}};
}
/// The result of a success flag.
inline SScriptValue ScriptResult(bool ok) {
    return {ok ? 1.0 : 0.0, {}};
}

// The bindings, grouped as the functions are documented, each group in table order.
std::span<const SScriptBinding> FileScriptBindings();
std::span<const SScriptBinding> MemberScriptBindings();
std::span<const SScriptBinding> ChartScriptBindings();
std::span<const SScriptBinding> PointScriptBindings();
std::span<const SScriptBinding> RuleScriptBindings();
std::span<const SScriptBinding> QueryScriptBindings();
std::span<const SScriptBinding> DisplayScriptBindings();
std::span<const SScriptBinding> DrawScriptBindings();
