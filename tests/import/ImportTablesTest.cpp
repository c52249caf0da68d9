#include "import/CsvTable.h"
#include "import/ImportedBody.h"

#include "document/ScenarioHeader.h"
#include "document/TextLines.h"

#include <gtest/gtest.h>

namespace {

std::string Sample() {
    std::string text;
    std::string cause;
    EXPECT_TRUE(ReadTextFile(QUELTA_EXAMPLES "/import/members-sample.csv", text, cause)) << cause;
    return text;
}

TEST(CsvTableTest, QuotedFieldsLineEndsAndByteOrderMark) {
    CCsvTable table;
    std::string error;
    ASSERT_TRUE(table.Parse("\xEF\xBB\xBFid,name,x\r\n"
                            "1,\"Smith, \"\"Jo\"\"\",2.5\r\n"
                            "\r\n"
                            "2,\"two\nlines\",\n"
                            "3\n",
                            error))
        << error;
    EXPECT_EQ(table.Header(), (std::vector<std::string>{"id", "name", "x"}));
    ASSERT_EQ(table.Rows().size(), 3u);
    EXPECT_EQ(table.Rows()[0].fields, (std::vector<std::string>{"1", "Smith, \"Jo\"", "2.5"}));
    EXPECT_EQ(table.Rows()[1].fields[1], "two\nlines");
    EXPECT_EQ(table.Rows()[1].line, 4);
    EXPECT_EQ(table.Rows()[2].line, 6) << "a quoted line end moves the line count on";
    EXPECT_EQ(table.Rows()[2].fields, (std::vector<std::string>{"3", "", ""}));
    EXPECT_EQ(table.Column(" NAME "), 1);
    EXPECT_EQ(table.Column("nothing"), -1);
}

TEST(CsvTableTest, MalformedTextNamesLineAndColumn) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "line 1: the file is empty"},
        {"\n\n", "line 1: the file is empty"},
        {"a,b\n1,\"open\n", "line 2, column 3: the quoted field is not closed"},
        {"a,b\n1,\"x\"y\n", "line 2, column 6: text after the closing quote"},
        {"a,b\n1,2\n1,2,3\n", "line 3: 3 fields where the header names 2"},
    };
    for (const auto& [text, message] : cases) {
        CCsvTable table;
        std::string error;
        EXPECT_FALSE(table.Parse(text, error)) << text;
        EXPECT_EQ(error.rfind(message, 0), 0u) << error;
    }
}

TEST(RollCallImportTest, SampleHouseKeepsScoredMembersOfTheCongress) {
    SImportedBody body;
    std::string error;
    ASSERT_TRUE(ReadRollCallMembers(Sample(), {110, "House", false}, body, error)) << error;
    ASSERT_EQ(body.members.size(), 5u) << "the President, the Senate, Congress 111 and the "
                                          "member without scores are left out";
    const SImportedMember& first = body.members[0];
    EXPECT_EQ(first.id, "90001");
    EXPECT_EQ(first.lastName, "ARBELLO");
    EXPECT_EQ(first.firstName, "Mara Jane");
    EXPECT_EQ(first.party, "Democratic");
    EXPECT_EQ(first.state, "OR");
    EXPECT_EQ(first.district, "1");
    EXPECT_DOUBLE_EQ(first.h, -0.412);
    EXPECT_DOUBLE_EQ(first.v, 0.118);
    EXPECT_EQ(body.members[4].firstName, "Nadia \"Dee\"");
    EXPECT_EQ(body.members[3].party, "Independent");
    EXPECT_EQ(body.house, HOUSE_LOWER);
    EXPECT_EQ(body.horizontal.name, "NOMINATE dimension 1");
    EXPECT_EQ(body.horizontal.min, -1.0);
    EXPECT_EQ(body.vertical.max, 1.0);
    EXPECT_EQ(body.LeftOutMessage(), "left out 1 row without scores (line 8)");
    EXPECT_EQ(body.Parties(),
              (std::vector<std::string>{"Democratic", "Republican", "Independent"}));
}

TEST(RollCallImportTest, NokkenPooleScoresAndTheSenate) {
    SImportedBody body;
    std::string error;
    ASSERT_TRUE(ReadRollCallMembers(Sample(), {110, "senate", true}, body, error)) << error;
    ASSERT_EQ(body.members.size(), 3u);
    EXPECT_DOUBLE_EQ(body.members[0].h, -0.369);
    EXPECT_EQ(body.house, HOUSE_UPPER);
    EXPECT_EQ(body.vertical.id, "NP2");
    EXPECT_TRUE(body.LeftOutMessage().empty());
}

TEST(RollCallImportTest, FilesThatAreNotOfTheFormatSayWhere) {
    const std::string header = "congress,chamber,icpsr,bioname,nominate_dim1,nominate_dim2\n";
    const std::pair<std::string, std::string> cases[] = {
        {"congress,chamber,icpsr,bioname,nominate_dim1\n110,House,1,\"A, B\",0.1\n",
         "line 1: no column named nominate_dim2"},
        {header + "110,House,1,\"A, B\",0.1,left\n",
         "line 2, column 6 (nominate_dim2): 'left' is not a number"},
        {header + "CX,House,1,\"A, B\",0.1,0.2\n",
         "line 2, column 1 (congress): 'CX' is not a whole number"},
        {header + "110,House,1,\"A, B\",0.1,0.2\n110,House,1,\"C, D\",0.3,0.2\n",
         "line 3: the ID 1 is used twice (first on line 2)"},
        {header + "111,House,1,\"A, B\",0.1,0.2\n",
         "the file holds no member of the House in Congress 110"},
        {header + "110,House,1,\"A, B\",,\n", "no member of the House in Congress 110 has scores"},
    };
    for (const auto& [text, message] : cases) {
        SImportedBody body;
        std::string error;
        EXPECT_FALSE(ReadRollCallMembers(text, {110, "House", false}, body, error)) << text;
        EXPECT_EQ(error.rfind(message, 0), 0u) << error;
    }
}

TEST(CsvImportTest, ColumnsOfTheUsersOwnTable) {
    const std::string text = "who,x,y,w,bloc\n"
                             "Ames,10,20,2,Left\n"
                             "Baker,30,,1,Right\n"
                             "Cole,50,60,,Left\n";
    SImportedBody body;
    std::string error;
    ASSERT_TRUE(ReadCsvMembers(text, {"x", "y", "", "who", "bloc", "w"}, body, error)) << error;
    ASSERT_EQ(body.members.size(), 2u);
    EXPECT_EQ(body.members[0].id, "M1");
    EXPECT_EQ(body.members[1].id, "M3") << "IDs follow the rows, left-out ones counted";
    EXPECT_EQ(body.members[1].lastName, "Cole");
    EXPECT_EQ(body.members[0].weight, 2.0);
    EXPECT_EQ(body.members[1].weight, 1.0);
    EXPECT_EQ(body.horizontal.id, "x");
    EXPECT_DOUBLE_EQ(body.horizontal.min, 8.0);
    EXPECT_DOUBLE_EQ(body.horizontal.max, 52.0);
    EXPECT_EQ(body.LeftOutMessage(), "left out 1 row without scores (line 3)");

    const std::pair<SCsvColumns, std::string> broken[] = {
        {{"x", "z", "", "", "", ""}, "line 1: no column named z (the columns are who, x, y, w, bloc)"},
        {{"x", "y", "", "", "", "bloc"}, "line 2, column 5 (bloc): 'Left' is not a number"},
        {{"x", "y", "bloc", "", "", ""}, "line 4: the ID Left is used twice (first on line 2)"},
    };
    for (const auto& [columns, message] : broken) {
        EXPECT_FALSE(ReadCsvMembers(text, columns, body, error));
        EXPECT_EQ(error, message);
    }
    EXPECT_FALSE(ReadCsvMembers("x,y,w\n1,2,-1\n", {"x", "y", "", "", "", "w"}, body, error));
    EXPECT_EQ(error, "line 2, column 3 (w): a vote weight cannot be negative");
}

} // namespace
