#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

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

/// Writes a file into a temporary folder and gives its path.
inline QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}
