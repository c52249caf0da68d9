#pragma once

/// Asks the running script to stop before its next line (or inside a long built-in function).
/// Safe to call from a signal handler.
void RequestScriptInterrupt();

/// True once an interrupt has been asked for and not cleared since.
bool ScriptInterruptRequested();

/// Forgets an interrupt asked for earlier; a front end calls it before it starts a run.
void ClearScriptInterrupt();
