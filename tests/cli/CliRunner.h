#pragma once

#include <QByteArray>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

/// What one run of the built quelta-cli gave back.
struct SCliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    QString Out() const { return QString::fromUtf8(out); }
    QString Err() const { return QString::fromUtf8(err); }
    QJsonObject Json() const { return QJsonDocument::fromJson(out).object(); }
};

/// Runs quelta-cli with the arguments (in a working directory when one is given).
inline SCliRun RunCli(const QStringList& arguments, const QString& workingDirectory = QString()) {
    QProcess process;
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    process.start(QUELTA_CLI_PATH, arguments);
    process.waitForFinished(120000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

/// The path of a shipped example scenario or script.
inline QString ExamplePath(const QString& name) {
    return QDir(QUELTA_EXAMPLES).filePath(name);
}
