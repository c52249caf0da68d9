#pragma once

#include "script/ModelFunctions.h"
#include "script/ScriptErrors.h"
#include "script/ScriptTextBox.h"
#include "script/ScriptTokens.h"
#include "script/ScriptVariables.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

/// Limits that keep a script from exhausting the machine.
namespace ScriptLimits {
/// Longest variable name, its $ and ( included.
constexpr std::size_t kNameLength = 31;
/// Most loops open at once.
constexpr std::size_t kOpenLoops = 32;
/// Deepest nesting of parentheses, function arguments and unary minus signs.
constexpr int kNesting = 200;
/// Longest string a script may build.
constexpr std::size_t kStringLength = std::size_t{64} << 20;
/// Most elements of one array.
constexpr std::size_t kArrayElements = std::size_t{32} << 20;
/// Most bytes all variables together may hold: the characters of every stored string and the
/// elements of every array (8 bytes for a number, the size of an empty string for a text).
constexpr std::size_t kMemoryBudget = std::size_t{1} << 30;
} // namespace ScriptLimits

/// One numbered line of the program: its number and where it starts in the text.
struct SScriptLine {
    int number = 0;
    std::size_t start = 0;
};

/// One open FOR loop.
struct SScriptLoop {
    std::string name; ///< the loop variable as written, with its ( for an array element
    int nextLine = 0; ///< number of the line after the FOR line; 0 when it was the last
    double step = 1;
    double limit = 0;
};

/// Everything the parts of the interpreter share while a program is loaded.
struct SScriptState {
    std::string program;
    std::vector<SScriptLine> lines;
    CScriptTokenizer tokens;
    CScriptVariables variables;
    std::vector<SScriptLoop> loops;
    std::size_t lineIndex = 0;               ///< the line being executed
    EScriptError error = EScriptError::None; ///< the first failure of that line
    std::string lineOutput;                  ///< what that line has printed so far
    int nesting = 0;
    std::size_t memoryBudget = ScriptLimits::kMemoryBudget; ///< most bytes variables may hold
    std::optional<double> spareNormal; ///< the second value of the last ZRND pair
    CScriptModel* model = nullptr;
    CScriptTextBox* input = nullptr;
    CScriptTextBox* output = nullptr;

    /// Records a failure of the current line unless it has failed already.
    void Fail(EScriptError failure) {
        if (error == EScriptError::None)
            error = failure;
    }
    EToken Kind() const { return tokens.Kind(); }
    void Advance() { tokens.Advance(); }
    /// Consumes the current token when it is of `kind`; otherwise fails with a syntax error
    /// and consumes nothing.
    bool Match(EToken kind) {
        if (tokens.Kind() != kind) {
            Fail(EScriptError::Syntax);
            return false;
        }
        tokens.Advance();
        return true;
    }
    /// The index of the line with that number; nothing when there is none.
    std::optional<std::size_t> FindLine(int number) const;
};

/// Counts one level of nesting for as long as it lives; past the limit the line fails.
class CScriptNesting {
public:
    explicit CScriptNesting(SScriptState& state) : m_state(state) {
        m_allowed = ++state.nesting <= ScriptLimits::kNesting;
        if (!m_allowed)
            state.Fail(EScriptError::OutOfMemory);
    }
    ~CScriptNesting() { --m_state.nesting; }
    CScriptNesting(const CScriptNesting&) = delete;
    CScriptNesting& operator=(const CScriptNesting&) = delete;
    /// False when this level is one too many.
    bool Allowed() const { return m_allowed; }

private:
    SScriptState& m_state;
    bool m_allowed;
};
