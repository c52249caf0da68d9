#pragma once

#include <string>

/// Why a script line failed; the first failure of a line is the one reported.
enum class EScriptError {
    None,
    Syntax,
    OutOfMemory,
    IdentifierTooLong,
    NoSuchVariable,
    BadSubscript,
    TooManyDimensions,
    TooManyInitialisers,
    IllegalType,
    TooManyFors,
    ForWithoutNext,
    NextWithoutFor,
    DivideByZero,
    NegativeLogarithm,
    NegativeSquareRoot,
    SineOutOfRange,
    EndOfInput,
    IllegalOffset,
    TypeMismatch,
    BadValue,
    NotAnInteger,
    SyntaxNotSupported,
    ObjectNotFound,
    Interrupted,
};

/// The message written to the output box when a line fails, with that line's number.
std::string ScriptErrorMessage(EScriptError error, int lineNumber);
