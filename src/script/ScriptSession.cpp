#include "script/ScriptSession.h"

#include "script/ModelFunctions.h"
#include "script/ScriptInterrupt.h"
#include "script/ScriptText.h"

void CScriptSession::Attach(CScriptModel* model, CScriptTextBox* box) {
    m_model = model;
    m_box = box;
}

bool CScriptSession::PressRun(std::string_view editorText, bool stepMode) {
    if (IsRunning())
        return true;
    // A Stop pressed after the last run ended must not stop this one.
    ClearScriptInterrupt();
    m_interpreter.Attach(m_model, m_box, m_box);
    if (m_model)
        m_model->RunBegins();
    if (stepMode) {
        PressStep(editorText);
        RunEnded();
        return false;
    }
    if (m_interpreter.BeginRun(ScriptProgramText(editorText)))
        return true;
    m_position = m_interpreter.EndRun();
    RunEnded();
    return false;
}

void CScriptSession::RunEnded() {
    if (m_model)
        m_model->RunEnds();
}

void CScriptSession::PressStep(std::string_view editorText) {
    const int count = m_interpreter.LineCount();
    if (m_position > 0 && m_position == count) {
        m_position = count + 1;
        return;
    }
    if (m_position > count) {
        m_position = 0;
        return;
    }
    const std::string text = m_position == 0 ? ScriptProgramText(editorText) : std::string();
    m_position = m_interpreter.Step(m_position, text);
}

bool CScriptSession::Continue(unsigned lines) {
    if (!IsRunning())
        return false;
    if (m_interpreter.ContinueRun(lines))
        return true;
    m_position = m_interpreter.EndRun();
    ClearScriptInterrupt();
    RunEnded();
    return false;
}

void CScriptSession::Stop() {
    if (IsRunning())
        RequestScriptInterrupt();
}

void CScriptSession::Discard() {
    if (IsRunning()) {
        RequestScriptInterrupt();
        Continue(1);
    }
    m_interpreter.Reset();
    m_position = 0;
}
