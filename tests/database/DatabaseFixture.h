#pragma once

#include "database/DatabaseConnection.h"
#include "database/DatabaseSource.h"
#include "document/QueltaDoc.h"
#include "platform/HeadlessPlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

/// A recording platform that also keeps every state of the progress panel.
class CProgressRecorder : public CRecordingPlatform {
public:
    void ShowProgressCounts(const std::string& title,
                            const std::vector<SProgressCount>& counts) override {
        titles.push_back(title);
        panels.push_back(counts);
    }
    std::vector<std::string> titles;
    std::vector<std::vector<SProgressCount>> panels;
};

/// What a scenario is made of, for comparing a scenario with itself read back.
struct SScenarioShape {
    struct SMemberShape {
        std::string id;
        double h, v;
        int type;
        bool operator==(const SMemberShape&) const = default;
    };
    std::vector<SMemberShape> members;
    double rule, sqH, sqV, propH, propV;
    int absolute;
    std::string committee, ratingH, ratingV;
    bool operator==(const SScenarioShape&) const = default;
};

inline SScenarioShape ShapeOf(const CQueltaDoc& doc) {
    SScenarioShape shape{};
    for (const CMember* m : doc.Game().Members())
        shape.members.push_back(
            {m->MemberID(), m->IdealPoint().x, m->IdealPoint().y, m->PrefType()});
    const CVotingGame& game = doc.Game();
    shape.rule = game.VoteRule();
    shape.absolute = game.AbsolutePlurality();
    shape.sqH = game.StatusQuo().x;
    shape.sqV = game.StatusQuo().y;
    shape.propH = game.Proposal().x;
    shape.propV = game.Proposal().y;
    const ScenarioHeader& h = doc.Header();
    shape.committee = h.currentCommittee ? h.currentCommittee->CommitteeID() : "";
    shape.ratingH = h.horizontalScale ? h.horizontalScale->RatingID() : "";
    shape.ratingV = h.verticalScale ? h.verticalScale->RatingID() : "";
    return shape;
}

inline std::ostream& operator<<(std::ostream& out, const SScenarioShape& s) {
    out << s.committee << " " << s.ratingH << "," << s.ratingV << " rule " << s.rule << " abs "
        << s.absolute << " sq " << s.sqH << "," << s.sqV << " prop " << s.propH << "," << s.propV
        << " members";
    for (const auto& m : s.members)
        out << " " << m.id << "(" << m.h << "," << m.v << ";" << m.type << ")";
    return out;
}

/// SQLite database files in a temporary folder, reached through the real ODBC driver.
class DatabaseTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const {
        return dir.filePath(QString::fromStdString(name)).toStdString();
    }
    /// A private copy of the shipped sample legislature.
    std::string SampleCopy(const std::string& name = "sample.sqlite") const {
        const std::string path = Path(name);
        QFile::copy(QDir(QUELTA_EXAMPLES).filePath("legislature.sqlite"),
                    QString::fromStdString(path));
        QFile(QString::fromStdString(path)).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }
    /// Runs statements on a database, failing the test on the first that fails.
    static void Exec(const std::string& connection, const std::vector<std::string>& statements) {
        CDatabaseConnection db(connection);
        for (const std::string& sql : statements) {
            try {
                db.Run(sql);
            } catch (const CSqlFailure& failure) {
                ADD_FAILURE() << sql << ": " << failure.what();
            }
        }
    }
    /// A number read by one query (the first column of its first row).
    static double Scalar(const std::string& connection, const std::string& sql) {
        CDatabaseConnection db(connection);
        QSqlQuery query = db.Run(sql);
        return query.next() ? query.value(0).toDouble() : -1.0;
    }
    /// The texts of every message box shown so far, joined.
    std::string Messages() const {
        std::string all;
        for (const std::string& text : platform.MessageTexts())
            all += text + "\n---\n";
        return all;
    }

    QTemporaryDir dir;
    CProgressRecorder platform;
    CScopedPlatform scope{platform};
};
