#include "script/ScriptErrors.h"

#include <cstdio>

namespace {

const char* MessageFormat(EScriptError error) {
    switch (error) {
    case EScriptError::None:
        return "";
    case EScriptError::Syntax:
        return "Syntax error on line %d\r\n";
    case EScriptError::OutOfMemory:
        return "Out of memory on line %d\r\n";
    case EScriptError::IdentifierTooLong:
        return "Identifier too long on line %d\r\n";
    case EScriptError::NoSuchVariable:
        return "No such variable on line %d\r\n";
    case EScriptError::BadSubscript:
        return "Bad subscript on line %d\r\n";
    case EScriptError::TooManyDimensions:
        return "Too many dimensions on line %d\r\n";
    case EScriptError::TooManyInitialisers:
        return "Too many initialisers on line %d\r\n";
    case EScriptError::IllegalType:
        return "Illegal type on line %d\r\n";
    case EScriptError::TooManyFors:
        return "Too many nested fors on line %d\r\n";
    case EScriptError::ForWithoutNext:
        return "For without matching next on line %d\r\n";
    case EScriptError::NextWithoutFor:
        return "Next without matching for on line %d\r\n";
    case EScriptError::DivideByZero:
        return "Divide by zero on line %d\r\n";
    case EScriptError::NegativeLogarithm:
        return "Negative logarithm on line %d\r\n";
    case EScriptError::NegativeSquareRoot:
        return "Negative square root on line %d\r\n";
    case EScriptError::SineOutOfRange:
        return "Sine or cosine out of range on line %d\r\n";
    case EScriptError::EndOfInput:
        return "End of input file on line %d\r\n";
    case EScriptError::IllegalOffset:
        return "Illegal offset on line %d\r\n";
    case EScriptError::TypeMismatch:
        return "Type mismatch on line %d\r\n";
    case EScriptError::BadValue:
        return "Bad value on line %d\r\n";
    case EScriptError::NotAnInteger:
        return "Not an integer on line %d\r\n";
    // These two have always been written without a space before the number.
    case EScriptError::SyntaxNotSupported:
        return "Syntax not supported on line%d\r\n";
    case EScriptError::ObjectNotFound:
        return "Requested object not found on line%d\r\n";
    }
    return "";
}

} // namespace

std::string ScriptErrorMessage(EScriptError error, int lineNumber) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, MessageFormat(error), lineNumber);
    return buffer;
}
