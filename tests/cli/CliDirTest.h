#pragma once

#include "CliRunner.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

/// Runs quelta-cli in a fresh working directory of its own and reads the files it leaves.
class CliDirTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir.filePath(name); }
    SCliRun Run(const QStringList& arguments) const { return RunCli(arguments, dir.path()); }
    QByteArray Contents(const QString& name) const {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
};
