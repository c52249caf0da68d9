#include "script/ScriptVariables.h"

namespace {

template <typename TTable> auto* FindIn(TTable& table, std::string_view name) {
    const auto found = table.find(name);
    return found == table.end() ? nullptr : &found->second;
}

template <typename TTable> auto& FindOrCreate(TTable& table, std::string_view name) {
    auto found = table.find(name);
    if (found == table.end())
        found = table.emplace(std::string(name), typename TTable::mapped_type{}).first;
    return found->second;
}

} // namespace

double* CScriptVariables::FindNumber(std::string_view name) {
    return FindIn(m_numbers, name);
}

double& CScriptVariables::Number(std::string_view name) {
    return FindOrCreate(m_numbers, name);
}

std::string* CScriptVariables::FindString(std::string_view name) {
    return FindIn(m_strings, name);
}

std::string& CScriptVariables::String(std::string_view name) {
    return FindOrCreate(m_strings, name);
}

SScriptArray* CScriptVariables::FindArray(std::string_view name) {
    return FindIn(m_arrays, name);
}

SScriptArray& CScriptVariables::Array(std::string_view name) {
    return FindOrCreate(m_arrays, name);
}

void CScriptVariables::Clear() {
    m_numbers.clear();
    m_strings.clear();
    m_arrays.clear();
}
