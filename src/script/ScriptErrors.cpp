#include "script/ScriptErrors.h"

#include <cstdio>
#include <iterator>

namespace {

// In the order of EScriptError. The two before the last have always been written without a
// space before the number.
constexpr const char* kMessageFormats[] = {
    "",
    "Syntax error on line %d\r\n",
    "Out of memory on line %d\r\n",
    "Identifier too long on line %d\r\n",
    "No such variable on line %d\r\n",
    "Bad subscript on line %d\r\n",
    "Too many dimensions on line %d\r\n",
    "Too many initialisers on line %d\r\n",
    "Illegal type on line %d\r\n",
    "Too many nested fors on line %d\r\n",
    "For without matching next on line %d\r\n",
    "Next without matching for on line %d\r\n",
    "Divide by zero on line %d\r\n",
    "Negative logarithm on line %d\r\n",
    "Negative square root on line %d\r\n",
    "Sine or cosine out of range on line %d\r\n",
    "End of input file on line %d\r\n",
    "Illegal offset on line %d\r\n",
    "Type mismatch on line %d\r\n",
    "Bad value on line %d\r\n",
    "Not an integer on line %d\r\n",
    "Syntax not supported on line%d\r\n",
    "Requested object not found on line%d\r\n",
    "Interrupted on line %d\r\n",
};
static_assert(std::size(kMessageFormats) ==
              static_cast<std::size_t>(EScriptError::Interrupted) + 1);

} // namespace

std::string ScriptErrorMessage(EScriptError error, int lineNumber) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, kMessageFormats[static_cast<std::size_t>(error)],
                  lineNumber);
    return buffer;
}
