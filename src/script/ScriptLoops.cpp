#include "script/ScriptStatements.h"

int CScriptStatements::For() {
    m_state.Advance();
    const SScriptTarget target = m_expressions.Target();
    if (target.isString)
        m_state.Fail(EScriptError::IllegalType);
    m_state.Match(EToken::Equals);
    const double start = m_expressions.Numeric();
    m_state.Match(EToken::To);
    const double limit = m_expressions.Numeric();
    double step = 1;
    if (m_state.Kind() == EToken::Step) {
        m_state.Advance();
        step = m_expressions.Numeric();
    }
    if (target.number != nullptr)
        *target.number = start;
    if (m_state.loops.size() >= ScriptLimits::kOpenLoops) {
        m_state.Fail(EScriptError::TooManyFors);
        return 0;
    }
    // A line that failed opens no loop and skips nothing: the run stops after it.
    if (m_state.error != EScriptError::None)
        return 0;
    if ((step > 0 && start > limit) || (step < 0 && start < limit))
        return SkipLoop(target.name);
    m_state.loops.push_back({std::string(target.name), NextLineNumber(), step, limit});
    return 0;
}

int CScriptStatements::SkipLoop(std::string_view name) {
    CScriptTokenizer& tokens = m_state.tokens;
    const std::size_t resume = tokens.Cursor();
    const auto& lines = m_state.lines;
    for (std::size_t i = m_state.lineIndex + 1; i < lines.size(); ++i) {
        tokens.MoveTo(lines[i].start);
        tokens.Advance();
        if (tokens.Kind() != EToken::Next)
            continue;
        tokens.Advance();
        const EToken kind = tokens.Kind();
        if ((kind == EToken::NumVar || kind == EToken::NumArray) && tokens.TokenText() == name) {
            tokens.MoveTo(resume);
            // After the NEXT on the last line there is nothing left to run.
            return i + 1 < lines.size() ? lines[i + 1].number : -1;
        }
    }
    tokens.MoveTo(resume);
    m_state.Fail(EScriptError::ForWithoutNext);
    return 0;
}

int CScriptStatements::Next() {
    m_state.Advance();
    if (m_state.loops.empty())
        m_state.Fail(EScriptError::NextWithoutFor);
    const SScriptTarget target = m_expressions.Target();
    if (target.isString)
        m_state.Fail(EScriptError::IllegalType);
    if (m_state.error != EScriptError::None || target.number == nullptr)
        return 0;
    // The innermost loop counts, whatever variable the NEXT names.
    const SScriptLoop& loop = m_state.loops.back();
    *target.number += loop.step;
    const double value = *target.number;
    if ((loop.step < 0 && value < loop.limit) || (loop.step > 0 && value > loop.limit)) {
        m_state.loops.pop_back();
        return 0;
    }
    return loop.nextLine;
}
