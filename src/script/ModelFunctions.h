#pragma once

#include "script/ScriptErrors.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

/// One model function a script can call: its name, its argument list (one letter per argument:
/// 'n' a number, 'i' an integer, 's' a string) and whether it yields a string.
struct SModelFunction {
    const char* name;
    const char* arguments;
    bool returnsString;
};

/// Every model function, in the order names are recognised: a word is read as the first
/// function whose name it starts with, so a name that begins another comes after it.
std::span<const SModelFunction> ModelFunctions();

/// The index of the first model function whose name `text` starts with; -1 when none.
int FindModelFunction(std::string_view text);

/// A script value: a number or a string, as an argument or result of a model function.
struct SScriptValue {
    double number = 0;
    std::string text;
};

/// The scenario side of the model functions: carries out the calls a script makes.
class CScriptModel {
public:
    virtual ~CScriptModel() = default;

    /// Carries out model function `index` with one value per letter of its argument list
    /// (integers already checked and truncated) and returns its result; a failure such as a
    /// member that is not found is reported through `error`.
    virtual SScriptValue CallModelFunction(int index, const std::vector<SScriptValue>& arguments,
                                           EScriptError& error) = 0;
    /// A run (or one step) of the Script window begins; what it changes is one edit.
    virtual void RunBegins() {}
    /// The run (or step) begun last has ended.
    virtual void RunEnds() {}
};
