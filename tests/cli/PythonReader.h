#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

/// What a Python script printed and how it ended.
struct SPythonRun {
    int exitCode = -1;
    QString out;
    QString err;
};

/// Whether python3 is on the PATH (the readers below need it and its standard library).
inline bool PythonAvailable() {
    return !QStandardPaths::findExecutable("python3").isEmpty();
}

/// Runs a Python script given as text with the arguments, in `workingDirectory`.
inline SPythonRun RunPython(const QString& script, const QStringList& arguments,
                            const QString& workingDirectory = QString()) {
    QProcess process;
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    process.start("python3", QStringList{"-c", script} + arguments);
    process.waitForFinished(120000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
