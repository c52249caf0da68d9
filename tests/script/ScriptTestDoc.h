#pragma once

#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "platform/HeadlessPlatform.h"
#include "script/BasicInterpreter.h"
#include "script/DocScriptModel.h"
#include "script/ScriptText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

/// A document for script tests, reading no configuration file, with a recording platform, a
/// scratch folder and a way to run programs on it.
class CScriptDocFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        doc.SetConfigPath(Path("none.cfg"));
        doc.ResetScenario();
    }

    std::string Path(const std::string& name) const {
        return QDir(dir.path()).filePath(QString::fromStdString(name)).toStdString();
    }

    /// Reads a shipped example into the document.
    void LoadExample(const std::string& name) {
        ASSERT_TRUE(ReadScenarioFile(doc, std::string(QUELTA_EXAMPLES) + "/" + name)) << name;
    }

    /// Runs a program (lines separated by line feeds) on the document; gives its output.
    std::string Run(const std::string& program) {
        CScriptTextBuffer output;
        CBasicInterpreter interpreter;
        interpreter.Attach(&model, &output, &output);
        interpreter.Run(ScriptProgramText(program));
        return output.Text();
    }

    QTemporaryDir dir;
    CRecordingPlatform platform;
    CScopedPlatform scope{platform};
    CQueltaDoc doc;
    CDocScriptModel model{doc};
};
