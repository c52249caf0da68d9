#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

/// A dimensioned array: its sizes and its elements, the first subscript varying fastest.
struct SScriptArray {
    bool isString = false;
    std::vector<int> sizes;
    std::vector<double> numbers;      ///< the elements of a numeric array
    std::vector<std::string> strings; ///< the elements of a string array
};

/// The variables of a running script: numeric and string scalars and arrays, each found by its
/// full name ("A", "A$", "A(" and "A$(" are four different variables) in constant time.
class CScriptVariables {
public:
    /// The numeric scalar of that name; nullptr when it was never created.
    double* FindNumber(std::string_view name);
    /// The numeric scalar of that name, created as 0 when new.
    double& Number(std::string_view name);
    /// The string scalar of that name; nullptr when it was never created.
    std::string* FindString(std::string_view name);
    /// The string scalar of that name, created empty when new.
    std::string& String(std::string_view name);
    /// The array of that name; nullptr when it was never dimensioned.
    SScriptArray* FindArray(std::string_view name);
    /// The array of that name, created without elements when new.
    SScriptArray& Array(std::string_view name);
    /// Forgets every variable.
    void Clear();

    /// Stores a text into a string variable or element, unless the variables would then hold
    /// more than `budget` bytes; false then, and the slot keeps its text.
    bool Store(std::string& slot, std::string text, std::size_t budget);
    /// Gives an array `count` elements (new ones 0 or empty), unless the variables would then
    /// hold more than `budget` bytes; false then, and the array keeps its elements.
    bool Resize(SScriptArray& array, std::size_t count, std::size_t budget);
    /// The bytes the variables hold, as the budget counts them.
    std::size_t StoredBytes() const { return m_bytes; }

private:
    struct SNameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const {
            return std::hash<std::string_view>{}(name);
        }
    };
    template <typename T>
    using TTable = std::unordered_map<std::string, T, SNameHash, std::equal_to<>>;

    TTable<double> m_numbers;
    TTable<std::string> m_strings;
    TTable<SScriptArray> m_arrays;
    std::size_t m_bytes = 0;
};
