#pragma once

#include <QCommandLineParser>

#include <string>

class CQueltaDoc;

/// Adds the options every scenario command shares: --chart, --zoom, --config, --set, --sq,
/// --proposal, --rule, --plurality, --weighted and --log.
void AddCommonOptions(QCommandLineParser& parser);

/// Reads the scenario file into the document and applies the shared options in the order a
/// user would expect: configuration file, log, scenario, --set values, then the scenario overrides.
/// Returns EXIT_OK, EXIT_FAILED (the file could not be read) or EXIT_USAGE (a bad option,
/// described on stderr).
int LoadScenarioWithOptions(const QCommandLineParser& parser, const std::string& path,
                            CQueltaDoc& doc);

/// As LoadScenarioWithOptions, but without a path (nullptr) the scenario is a new whiteboard,
/// as the desktop's script window starts on.
int StartScenarioWithOptions(const QCommandLineParser& parser, const std::string* path,
                             CQueltaDoc& doc);
