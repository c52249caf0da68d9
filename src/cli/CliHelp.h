#pragma once

#include "cli/CliCommand.h"

#include <QStringList>

#include <cstdio>

/// Whether the words after a command ask for its help ("--help" or "-h" before a "--").
bool AsksForHelp(const QStringList& words);

/// Prints the usage line of every command, and how to ask for one command's help, to `out`.
void PrintCommandList(std::FILE* out);

/// Prints the help of one command on stdout: its usage line, then its arguments and options.
void PrintCommandHelp(const SCliCommand& command);

/// The help the words after the program name ask for ("--help", "-h", "help [COMMAND]" or
/// "COMMAND --help"), printed on stdout: EXIT_OK. EXIT_USAGE (with the list on stderr) for a
/// command to help with that does not exist; -1 when the words ask for no help.
int AnswerHelp(const QStringList& words);
