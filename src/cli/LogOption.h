#pragma once

#include <QCommandLineParser>

#include <string>

class CQueltaDoc;

/// Adds --log FILE: append the log to FILE as the desktop does with logging switched on.
void AddLogOption(QCommandLineParser& parser);

/// Opens the log named by --log (once per document), switches logging on and heads the run with
/// the time, the command line and the version. A log that cannot
/// be opened or written is shown as the desktop shows it and answers EXIT_FAILED; without the
/// option nothing is logged and EXIT_OK is answered.
int ApplyLogOption(const QCommandLineParser& parser, CQueltaDoc& doc);

/// Where a command's output went, as the log names it: the file, or "standard output".
std::string OutputName(const QString& path);
