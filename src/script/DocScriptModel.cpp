#include "script/DocScriptModel.h"

#include "document/EditSteps.h"

#include "document/QueltaDoc.h"
#include "model/InputLimits.h"
#include "script/ScriptBindings.h"

#include <climits>
#include <cmath>
#include <cstring>

namespace {

int ExactFunctionIndex(const char* name) {
    const auto functions = ModelFunctions();
    for (std::size_t i = 0; i < functions.size(); ++i)
        if (std::strcmp(functions[i].name, name) == 0)
            return static_cast<int>(i);
    return -1;
}

/// What carries out each function of the table, by its index; nullptr where none does.
const std::vector<ScriptBindingFn>& BindingsByIndex() {
    static const std::vector<ScriptBindingFn> table = [] {
        std::vector<ScriptBindingFn> result(ModelFunctions().size(), nullptr);
        for (const auto group :
             {FileScriptBindings(), MemberScriptBindings(), ChartScriptBindings(),
              PointScriptBindings(), RuleScriptBindings(), QueryScriptBindings(),
              DisplayScriptBindings(), DrawScriptBindings()})
            for (const SScriptBinding& binding : group)
                if (const int index = ExactFunctionIndex(binding.name); index >= 0)
                    result[static_cast<std::size_t>(index)] = binding.run;
        return result;
    }();
    return table;
}

/// Whether every number argument is finite: an infinity or a not-a-number reaching a region
/// builder or the vote rule would leave the scenario unusable.
bool NumbersAreFinite(int index, const std::vector<SScriptValue>& arguments) {
    const char* kinds = ModelFunctions()[static_cast<std::size_t>(index)].arguments;
    for (std::size_t i = 0; kinds[i] != '\0' && i < arguments.size(); ++i)
        if (kinds[i] != 's' && !std::isfinite(arguments[i].number))
            return false;
    return true;
}

} // namespace

int CScriptCall::Integer(std::size_t i) const {
    const double value = Number(i);
    if (!(value > INT_MIN))
        return INT_MIN;
    if (!(value < INT_MAX))
        return INT_MAX;
    return static_cast<int>(value);
}

std::optional<CFPoint> CScriptCall::Point(std::size_t i) {
    const double h = Number(i);
    const double v = Number(i + 1);
    if (!(std::fabs(h) <= kLargestCoordinate && std::fabs(v) <= kLargestCoordinate)) {
        Fail(EScriptError::BadValue);
        return std::nullopt;
    }
    return CFPoint(h, v);
}

CMember* CScriptCall::MemberReference(std::size_t text, std::size_t position) const {
    const int from1 = Integer(position);
    return m_doc.MemberByScriptReference(Text(text), std::string(), from1 >= 1 ? from1 - 1 : -1);
}

SScriptValue CDocScriptModel::CallModelFunction(int index,
                                                const std::vector<SScriptValue>& arguments,
                                                EScriptError& error) {
    const auto& bindings = BindingsByIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= bindings.size() ||
        bindings[static_cast<std::size_t>(index)] == nullptr) {
        error = EScriptError::SyntaxNotSupported;
        return {};
    }
    if (arguments.size() !=
        std::strlen(ModelFunctions()[static_cast<std::size_t>(index)].arguments)) {
        error = EScriptError::Syntax;
        return {};
    }
    if (!NumbersAreFinite(index, arguments)) {
        error = EScriptError::BadValue;
        return {};
    }
    CScriptCall call(m_doc, arguments, error, m_failedSaves);
    return bindings[static_cast<std::size_t>(index)](call);
}

std::vector<std::string> CDocScriptModel::UnboundFunctions() {
    std::vector<std::string> names;
    const auto& bindings = BindingsByIndex();
    for (std::size_t i = 0; i < bindings.size(); ++i)
        if (bindings[i] == nullptr)
            names.push_back(ModelFunctions()[i].name);
    return names;
}

void CDocScriptModel::RunBegins() {
    BeginEditGroup(m_doc);
}

void CDocScriptModel::RunEnds() {
    EndEditGroup(m_doc, "Script");
}
