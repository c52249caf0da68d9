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
    m_bytes = 0;
}

bool CScriptVariables::Store(std::string& slot, std::string text, std::size_t budget) {
    const std::size_t others = m_bytes - slot.size();
    if (text.size() > budget || others > budget - text.size())
        return false;
    m_bytes = others + text.size();
    slot = std::move(text);
    return true;
}

bool CScriptVariables::Resize(SScriptArray& array, std::size_t count, std::size_t budget) {
    const std::size_t element = array.isString ? sizeof(std::string) : sizeof(double);
    const std::size_t held = array.isString ? array.strings.size() : array.numbers.size();
    std::size_t dropped = 0;
    for (std::size_t i = count; array.isString && i < held; ++i)
        dropped += array.strings[i].size();
    const std::size_t others = m_bytes - held * element - dropped;
    if (count > budget / element || others > budget - count * element)
        return false;
    if (array.isString)
        array.strings.resize(count);
    else
        array.numbers.resize(count, 0.0);
    m_bytes = others + count * element;
    return true;
}
