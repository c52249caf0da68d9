#include "script/BasicInterpreter.h"

#include "platform/Platform.h"
#include "script/ScriptInterrupt.h"
#include "script/ScriptText.h"

#include <climits>
#include <cstdio>
#include <new>
#include <stdexcept>

namespace {

/// Lines executed between two polls of the platform's cancel request.
constexpr unsigned kLinesPerCancelPoll = 4096;

/// The number a program line starts with; numbers past the 32-bit range read as its largest.
int ReadLineNumber(std::string_view text, std::size_t start) {
    long long number = 0;
    for (std::size_t i = start; i < text.size() && IsScriptDigit(text[i]); ++i)
        number = std::min(number * 10 + (text[i] - '0'), static_cast<long long>(INT_MAX));
    return static_cast<int>(number);
}

std::string FormatWithNumbers(const char* format, int first, int second = 0) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, first, second);
    return buffer;
}

} // namespace

CBasicInterpreter::CBasicInterpreter()
    : m_expressions(m_state), m_statements(m_state, m_expressions) {}

void CBasicInterpreter::Attach(CScriptModel* model, CScriptTextBox* input, CScriptTextBox* output) {
    m_state.model = model;
    m_state.input = input;
    m_state.output = output;
}

void CBasicInterpreter::Write(std::string_view text) {
    if (m_state.output != nullptr && !text.empty())
        m_state.output->Append(text);
}

void CBasicInterpreter::Discard() {
    m_state.lines.clear();
    m_state.lines.shrink_to_fit();
    m_state.variables.Clear();
    m_state.loops.clear();
    m_state.program.clear();
    m_state.program.shrink_to_fit();
    m_state.tokens.SetText(m_state.program);
    m_state.spareNormal.reset();
    m_state.error = EScriptError::None;
}

bool CBasicInterpreter::Load(std::string_view text) {
    Discard();
    try {
        m_state.program.assign(text);
        const std::string_view program = m_state.program;
        // Every line counts, the last one also when no line feed ends it; only lines with a
        // digit in their first column are numbered program lines.
        for (std::size_t start = 0; start < program.size();) {
            std::size_t feed = program.find('\n', start);
            if (feed == std::string_view::npos)
                feed = program.size();
            if (IsScriptDigit(program[start]))
                m_state.lines.push_back({ReadLineNumber(program, start), start});
            start = feed + 1;
        }
    } catch (const std::bad_alloc&) {
        Discard();
        Write("ERROR: Out of memory\r\n");
        return false;
    }
    if (m_state.lines.empty()) {
        Discard();
        Write("ERROR: Can't read program\r\n");
        return false;
    }
    for (std::size_t i = 1; i < m_state.lines.size(); ++i) {
        const int previous = m_state.lines[i - 1].number;
        const int current = m_state.lines[i].number;
        if (current <= previous) {
            Discard();
            Write(FormatWithNumbers("ERROR: Program lines %d and %d are not in order\r\n", previous,
                                    current));
            return false;
        }
    }
    m_state.tokens.SetText(m_state.program);
    return true;
}

int CBasicInterpreter::ExecuteLine(std::size_t index) {
    m_state.lineIndex = index;
    m_state.lineOutput.clear();
    m_state.error = EScriptError::None;
    m_state.nesting = 0;
    int result = 0;
    try {
        m_state.tokens.MoveTo(m_state.lines[index].start);
        m_state.Match(EToken::Number);
        result = m_statements.Execute();
        if (!m_state.tokens.RestOfLineIsBlank())
            m_state.Fail(EScriptError::Syntax);
    } catch (const std::bad_alloc&) {
        m_state.Fail(EScriptError::OutOfMemory);
    } catch (const std::length_error&) {
        m_state.Fail(EScriptError::OutOfMemory);
    }
    // A failed line shows only why it failed, not the half of its output it had made.
    if (m_state.error == EScriptError::None)
        Write(m_state.lineOutput);
    else
        Write(ScriptErrorMessage(m_state.error, m_state.lines[index].number));
    m_state.lineOutput.clear();
    return result;
}

int CBasicInterpreter::ExecuteAndFollow(std::size_t index) {
    const int result = ExecuteLine(index);
    if (m_state.error != EScriptError::None) {
        m_failed = true;
        return -1;
    }
    if (result == 0)
        return static_cast<int>(index + 1);
    if (result == -1)
        return -1;
    if (const auto target = m_state.FindLine(result))
        return static_cast<int>(*target);
    Write(FormatWithNumbers("line %d not found\r\n", result));
    m_failed = true;
    return -1;
}

void CBasicInterpreter::Interrupt(std::size_t index) {
    Write(ScriptErrorMessage(EScriptError::Interrupted, m_state.lines[index].number));
    m_failed = true;
}

int CBasicInterpreter::Run(std::string_view text) {
    if (BeginRun(text))
        while (ContinueRun(UINT_MAX)) {
        }
    return EndRun();
}

bool CBasicInterpreter::BeginRun(std::string_view text) {
    m_failed = false;
    m_running = true;
    m_runIndex = 0;
    m_runLast = 0;
    m_runExecuted = 0;
    if (!Load(text)) {
        m_failed = true;
        m_runCount = -1;
        m_runIndex = -1;
        return false;
    }
    m_runCount = LineCount();
    return true;
}

bool CBasicInterpreter::ContinueRun(unsigned lines) {
    for (unsigned done = 0; done < lines && m_runIndex >= 0 && m_runIndex < m_runCount; ++done) {
        // The interrupt flag is cheap and read before every line; the platform's cancel poll
        // may have to look at the keyboard and is asked less often.
        if (ScriptInterruptRequested() ||
            (++m_runExecuted % kLinesPerCancelPoll == 0 && Platform().CancelRequested())) {
            Interrupt(static_cast<std::size_t>(m_runIndex));
            m_runIndex = -1;
            break;
        }
        m_runLast = m_runIndex;
        m_runIndex = ExecuteAndFollow(static_cast<std::size_t>(m_runIndex));
    }
    return m_runIndex >= 0 && m_runIndex < m_runCount;
}

int CBasicInterpreter::EndRun() {
    if (!m_running)
        return -1;
    // An interrupt during the last line still makes the run an interrupted one; so does one
    // asked for while the caller was between slices.
    if (!m_failed && m_runCount >= 0 && ScriptInterruptRequested()) {
        const bool linesLeft = m_runIndex >= 0 && m_runIndex < m_runCount;
        Interrupt(static_cast<std::size_t>(linesLeft ? m_runIndex : m_runLast));
    }
    Discard();
    m_running = false;
    return m_runCount;
}

void CBasicInterpreter::Reset() {
    Discard();
    m_running = false;
}

int CBasicInterpreter::Step(int position, std::string_view text) {
    m_failed = false;
    if (position == 0 && !Load(text)) {
        m_failed = true;
        return 0;
    }
    if (position < 0 || position >= LineCount())
        return position;
    return ExecuteAndFollow(static_cast<std::size_t>(position));
}
