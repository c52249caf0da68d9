#pragma once

#include <QCommandLineParser>

#include <string>

class CQueltaDoc;

/// Adds the options every scenario command shares: --chart, --zoom, --config, --set, --sq,
/// --proposal, --rule, --plurality, --weighted and --log.
/// A command whose own --scenario option names its scenario file passes false for
/// `addScenario`; with --db that option then names the stored scenario.
void AddCommonOptions(QCommandLineParser& parser, bool addScenario = true);

/// The names of a comma list option (--only, --show): each trimmed, empty ones left out.
QStringList NameList(const QString& value);

/// Makes the file of --config the document's configuration file; EXIT_FAILED (with a message)
/// when it is not a file that can be read, EXIT_OK otherwise.
int ReadConfigOption(const QCommandLineParser& parser, CQueltaDoc& doc);

/// Adds the options that take a scenario from a database instead of a file: --db, --scenario,
/// --house, --committee and --scales (part of the common options).
void AddDatabaseOptions(QCommandLineParser& parser, bool addScenario = true);

/// The scenarios a command reads: its FILE arguments, or with --db one empty entry standing for
/// the database's scenario. Empty (a usage error) when there are none, or files beside --db.
QStringList ScenarioSources(const QCommandLineParser& parser);

/// Opens the database `connection` and makes the scenario of --house, --committee and --scales,
/// or else of the stored scenario --scenario NAME, current. When --scenario names where the
/// scenario goes (`scenarioIsTarget`) it may stand beside the other three. Returns EXIT_OK,
/// EXIT_FAILED (shown) or EXIT_USAGE.
int LoadDatabaseScenario(const QCommandLineParser& parser, const std::string& connection,
                         CQueltaDoc& doc, bool scenarioIsTarget = false);

/// LoadScenarioWithOptions for the scenario of a database instead of a file.
int LoadDatabaseScenarioWithOptions(const QCommandLineParser& parser, const std::string& connection,
                                    CQueltaDoc& doc, bool scenarioIsTarget);

/// Reads the scenario file into the document and applies the shared options in the order a
/// user would expect: configuration file, log, scenario, --set values, then the scenario overrides.
/// With --db the scenario comes from the database and `path` is not used.
/// Returns EXIT_OK, EXIT_FAILED (the file could not be read) or EXIT_USAGE (a bad option,
/// described on stderr).
int LoadScenarioWithOptions(const QCommandLineParser& parser, const std::string& path,
                            CQueltaDoc& doc);

/// As LoadScenarioWithOptions, but without a path (nullptr) the scenario is a new whiteboard,
/// as the desktop's script window starts on.
int StartScenarioWithOptions(const QCommandLineParser& parser, const std::string* path,
                             CQueltaDoc& doc);
