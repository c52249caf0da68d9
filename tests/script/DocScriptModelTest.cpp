#include "ScriptTestDoc.h"

#include "document/DocumentDialogs.h"
#include "document/ScenarioFile.h"
#include "geometry/MappedRegion.h"
#include "model/Member.h"
#include "platform/CRand.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace {

class DocScriptModelTest : public CScriptDocFixture {
protected:
    void SetUp() override {
        CScriptDocFixture::SetUp();
        LoadExample("triangle.txt");
        twin.SetConfigPath(Path("none.cfg"));
        ASSERT_TRUE(ReadScenarioFile(twin, std::string(QUELTA_EXAMPLES) + "/triangle.txt"));
    }

    /// Calls a model function by its exact name with the given arguments.
    SScriptValue Call(const char* name, std::vector<SScriptValue> arguments,
                      EScriptError* failure = nullptr) {
        const int index = FindModelFunction(name);
        EXPECT_GE(index, 0) << name;
        EXPECT_STREQ(ModelFunctions()[static_cast<std::size_t>(index)].name, name);
        EScriptError error = EScriptError::None;
        SScriptValue result = model.CallModelFunction(index, arguments, error);
        if (failure)
            *failure = error;
        else
            EXPECT_EQ(error, EScriptError::None) << name;
        return result;
    }

    /// A second copy of the same scenario, changed by the document operations directly.
    CQueltaDoc twin;
};

SScriptValue N(double value) {
    return {value, {}};
}
SScriptValue S(const char* text) {
    return {0, text};
}

TEST(DocScriptModelTableTest, EveryFunctionOfTheTableIsBound) {
    EXPECT_EQ(CDocScriptModel::UnboundFunctions(), std::vector<std::string>{});
}

TEST_F(DocScriptModelTest, GettersAnswerWhatTheDocumentOperationsGive) {
    const DisplayConfig& c = twin.Config();
    CVotingGame& g = twin.Game();
    const struct {
        const char* name;
        std::vector<SScriptValue> arguments;
        std::function<double()> expected;
    } cases[] = {
        {"GetScaleHMin", {}, [&] { return 0.0; }},
        {"GetScaleHMax", {}, [&] { return 100.0; }},
        {"GetScaleVMin", {}, [&] { return 0.0; }},
        {"GetScaleVMax", {}, [&] { return 100.0; }},
        {"GetVoteRule", {}, [&] { return g.VoteRule(); }},
        {"GetVoteAbsolute", {}, [&] { return g.AbsolutePlurality(); }},
        {"GetVoteTotal", {}, [&] { return g.VoteTotal(); }},
        {"GetVoteDivision", {}, [&] { return g.VoteDivision(); }},
        {"GetVoteQuota", {}, [&] { return g.VoteQuota(); }},
        {"GetMemberCount", {}, [&] { return 3.0; }},
        {"GetMemberIndex", {S("Top")}, [&] { return 3.0; }},
        {"GetMemberIdealPointH", {S("XX1"), N(0)}, [&] { return 80.0; }},
        {"GetMemberIdealPointV", {S("Top"), N(0)}, [&] { return 77.0; }},
        {"GetMemberVoteWt", {S("XX0"), N(0)}, [&] { return 1.0; }},
        {"GetStatusQuoH", {}, [&] { return g.StatusQuo().x; }},
        {"GetStatusQuoV", {}, [&] { return g.StatusQuo().y; }},
        {"GetProposalH", {}, [&] { return g.Proposal().x; }},
        {"GetProposalV", {}, [&] { return g.Proposal().y; }},
        {"GetCopelandH", {}, [&] { return g.GetCopeland(c.nCopeland, c.dCopeland).x; }},
        {"GetCopelandV", {}, [&] { return g.GetCopeland(c.nCopeland, c.dCopeland).y; }},
        {"GetBordaH", {}, [&] { return g.FindBorda().x; }},
        {"GetBordaV", {}, [&] { return g.FindBorda().y; }},
        {"GetYolkCenterH", {}, [&] { return g.GetYolkCenter().x; }},
        {"GetYolkCenterV", {}, [&] { return g.GetYolkCenter().y; }},
        {"GetYolkRadius", {}, [&] { return g.GetYolkRadius(); }},
        {"GetDistance", {N(0), N(3), N(0), N(4)}, [&] { return 5.0; }},
        {"GetArea", {S(" Win Set ")}, [&] { return g.GetWinSetArea(); }},
        {"GetCoreArea", {}, [&] { return g.GetCoreArea(c.nCore); }},
        {"GetHeartArea", {}, [&] { return g.GetHeartArea(c.nCore); }},
        {"GetParetoSetArea", {}, [&] { return g.GetParetoSetArea(); }},
        {"GetUncoveredSetArea",
         {},
         [&] {
             return g.GetUncoveredSetArea(c.nUncoveredSet, c.bExcludeYolk, c.bUncoveredSetBJS);
         }},
        {"GetWinSetArea", {}, [&] { return g.GetWinSetArea(); }},
        {"GetWinSetNearPtH",
         {N(10), N(10)},
         [&] {
             return g.GetWinSetNearPt({10, 10}).x;
         }},
        {"GetWinSetNearPtV",
         {N(10), N(10)},
         [&] {
             return g.GetWinSetNearPt({10, 10}).y;
         }},
        {"GetWinSetFarPtH",
         {N(10), N(10)},
         [&] {
             return g.GetWinSetFarPt({10, 10}).x;
         }},
        {"GetWinSetFarPtV",
         {N(10), N(10)},
         [&] {
             return g.GetWinSetFarPt({10, 10}).y;
         }},
        {"GetSpokeLength", {}, [&] { return g.GetSpokeLength(); }},
        {"GetUncoveredSetGridSize", {}, [&] { return c.nUncoveredSet; }},
        {"IsInsideCore",
         {N(50), N(40)},
         [&] {
             return g.IsInsideCore({50, 40}, c.nCore);
         }},
        {"IsInsideHeart",
         {N(50), N(40)},
         [&] {
             return g.IsInsideHeart({50, 40}, c.nCore);
         }},
        {"IsInsideWinSet",
         {N(50), N(40)},
         [&] {
             return g.IsInsideWinSet({50, 40}) ? 1 : 0;
         }},
        {"IsInsideUncoveredSet",
         {N(50), N(40)},
         [&] {
             return g.IsInsideUncoveredSet({50, 40}, c.nUncoveredSet, c.bExcludeYolk,
                                           c.bUncoveredSetBJS);
         }},
        {"IsInsideParetoSet",
         {N(50), N(40)},
         [&] {
             return g.IsInsideParetoSet({50, 40});
         }},
        {"IsWinSetComplete", {}, [&] { return g.IsWinSetComplete() ? 1 : 0; }},
        {"IsIdealPoint", {N(50), N(50), N(30), N(27)}, [&] { return 3.0; }},
        {"IsMarkPoint", {N(50), N(50), N(100), N(100)}, [&] { return 0.0; }},
    };
    for (const auto& c : cases) {
        const SScriptValue result = Call(c.name, c.arguments);
        EXPECT_DOUBLE_EQ(result.number, c.expected()) << c.name;
    }
    EXPECT_GT(Call("GetWinSetArea", {}).number, 0.0) << "a win set worth comparing";
    EXPECT_EQ(Call("GetArea", {S("yolk")}).number, 0.0) << "the yolk has no area to ask for";
}

TEST_F(DocScriptModelTest, StringGettersNameMembersAndScales) {
    const struct {
        const char* name;
        std::vector<SScriptValue> arguments;
        std::string expected;
    } cases[] = {
        {"GetRatingIdH", {}, "ECON"},
        {"GetRatingIdV", {}, "SOC"},
        {"GetMemberIdByIndex", {N(2)}, "XX1"},
        {"GetMemberIdByIndex", {N(4)}, ""},
        {"GetMemberIdByIndex", {N(0)}, ""},
        {"GetMemberIdByLabel", {S("Top")}, "XX2"},
        {"GetMemberIdByLabel", {S("")}, ""},
        {"GetMemberIdByLabel", {S("XX2")}, ""},
        {"GetMemberLabelByIndex", {N(1)}, "Left"},
        {"GetMemberLabelById", {S("XX1")}, "Right"},
        {"GetMemberLabelById", {S("Right")}, ""},
        {"GetMemberLabelById", {S("")}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Call(c.name, c.arguments).text, c.expected)
            << c.name << "(" << (c.arguments.empty() ? "" : c.arguments[0].text) << ")";
}

TEST_F(DocScriptModelTest, SettersChangeTheScenarioAsTheDocumentOperationsDo) {
    const struct {
        const char* name;
        std::vector<SScriptValue> arguments;
        std::function<void(CQueltaDoc&)> direct;
    } cases[] = {
        {"SetProposal",
         {N(30), N(40)},
         [](CQueltaDoc& d) {
             d.SetProposal({30, 40});
         }},
        {"SetStatusQuo",
         {N(45), N(35)},
         [](CQueltaDoc& d) {
             d.SetStatusQuo({45, 35});
         }},
        {"SetStatusQuoToBorda", {}, [](CQueltaDoc& d) { d.SetStatusQuo(d.Game().FindBorda()); }},
        {"SetStatusQuoToCopeland",
         {},
         [](CQueltaDoc& d) {
             d.SetStatusQuo(d.Game().GetCopeland(d.Config().nCopeland, d.Config().dCopeland));
         }},
        {"SetStatusQuoToCurrProp", {}, [](CQueltaDoc& d) { d.SetStatusQuo(d.Game().Proposal()); }},
        {"SetStatusQuoToYolk", {}, [](CQueltaDoc& d) { d.SetStatusQuo(d.Game().GetYolkCenter()); }},
        {"SetVoteRule", {N(0.75)}, [](CQueltaDoc& d) { d.SetVoteRule(0.75); }},
        {"SetVoteRule", {N(7)}, [](CQueltaDoc& d) { d.SetVoteRule(1); }},
        {"SetVoteAbsolute", {N(0)}, [](CQueltaDoc& d) { d.SetAbsolutePlurality(0); }},
        {"SetRatingH", {S("soc")}, [](CQueltaDoc& d) { d.SelectHorizontalScale("SOC"); }},
        {"SetRatingV", {S("nothing")}, [](CQueltaDoc&) {}},
        {"SetMemberVoteWt",
         {S("Left"), N(0), N(3)},
         [](CQueltaDoc& d) { d.SetMemberVoteWt("XX0", 3); }},
        {"SetMemberVoteWt", {S("Left"), N(0), N(-3)}, [](CQueltaDoc&) {}},
        {"SetMemberVeto",
         {S("nobody"), N(3), N(1)},
         [](CQueltaDoc& d) { d.SetMemberVeto("XX2", 1); }},
        {"SetMemberCandidate",
         {S("XX1"), N(0), N(1)},
         [](CQueltaDoc& d) { d.SetMemberCandidate("XX1", 1); }},
        {"SetMemberVoteProb",
         {S("XX1"), N(0), N(1)},
         [](CQueltaDoc& d) { d.SetMemberVoteProb("XX1", 1); }},
        {"SetMemberVoteWeighted",
         {S("XX1"), N(0), N(1)},
         [](CQueltaDoc& d) { d.SetMemberVoteWeighted("XX1", 1); }},
        {"SetMemberRational",
         {S("XX1"), N(0), N(0)},
         [](CQueltaDoc& d) { d.SetMemberRational("XX1", 0); }},
        {"SetMemberIdealPoint",
         {S("Top"), N(0), N(55), N(70)},
         [](CQueltaDoc& d) {
             d.SetMemberIdealPoint("XX2", {55, 70});
         }},
        {"AddMember",
         {S("Fourth"), N(60), N(60)},
         [](CQueltaDoc& d) {
             d.CreateMember("XX3", "Fourth", {60, 60}, 3);
         }},
        {"AddMemberEx",
         {S("A1"), S("Adams"), N(10), N(90), N(4)},
         [](CQueltaDoc& d) {
             d.CreateMember("A1", "Adams", {10, 90}, 4);
         }},
        {"DropMember", {S("XX1")}, [](CQueltaDoc& d) { d.RemoveMember(d.FindMember("XX1")); }},
        {"DropMember", {S("Right")}, [](CQueltaDoc&) {}},
        {"SetUncoveredSetGridSize", {N(12)}, [](CQueltaDoc& d) { d.Config().nUncoveredSet = 12; }},
        {"SetPointSize",
         {N(7), N(9)},
         [](CQueltaDoc& d) {
             d.Config().szPoint = {7, 9};
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ReadScenarioFile(doc, std::string(QUELTA_EXAMPLES) + "/triangle.txt");
        ReadScenarioFile(twin, std::string(QUELTA_EXAMPLES) + "/triangle.txt");
        Call(c.name, c.arguments);
        c.direct(twin);
        EXPECT_EQ(ScenarioText(doc), ScenarioText(twin));
    }
}

TEST_F(DocScriptModelTest, MemberFunctionsWithoutTheirMember) {
    EXPECT_EQ(Call("SetMemberVeto", {S("nobody"), N(0), N(1)}).number, 0.0);
    EXPECT_EQ(Call("SetMemberIdealPoint", {S("nobody"), N(4), N(1), N(1)}).number, 0.0);
    EXPECT_EQ(Call("SetMemberVoteWt", {S(""), N(-1), N(2)}).number, 0.0);
    EXPECT_EQ(Call("SetMemberVoteWt", {S("Left"), N(0), N(2)}).number, 1.0);
    for (const char* getter : {"GetMemberIdealPointH", "GetMemberIdealPointV", "GetMemberVoteWt"}) {
        EScriptError failure = EScriptError::None;
        EXPECT_EQ(Call(getter, {S("nobody"), N(0)}, &failure).number, -1.0) << getter;
        EXPECT_EQ(failure, EScriptError::ObjectNotFound) << getter;
    }
    EXPECT_EQ(Call("GetMemberIdealPointH", {S("nobody"), N(2)}).number, 80.0)
        << "the position counts from 1";
    EXPECT_EQ(Call("GetMemberIndex", {S("nobody")}).number, 0.0);
    EXPECT_EQ(Call("GetMemberIndex", {S("XX0")}).number, 1.0);
    EXPECT_EQ(Call("GetMemberIndex", {S("")}).number, 0.0);
    EXPECT_EQ(Call("DropMember", {S("nobody")}).number, 0.0);
}

TEST_F(DocScriptModelTest, AddMemberExCreatesOnceAndAddMemberGeneratesIds) {
    EXPECT_EQ(Call("AddMemberEx", {S("A1"), S("Adams"), N(10), N(90), N(3)}).number, 1.0);
    EXPECT_EQ(Call("AddMemberEx", {S("A1"), S("Baker"), N(20), N(80), N(4)}).number, 1.0);
    EXPECT_EQ(Call("AddMemberEx", {S("B1"), S("Adams"), N(20), N(80), N(4)}).number, 1.0)
        << "an existing label also counts";
    EXPECT_EQ(Call("AddMemberEx", {S(""), S("Nobody"), N(20), N(80), N(4)}).number, 0.0)
        << "a member without an ID could never be found again";
    ASSERT_EQ(doc.Game().Members().size(), 4u);
    const CMember* a1 = doc.FindMember("A1");
    ASSERT_NE(a1, nullptr);
    EXPECT_EQ(a1->LastName(), "Adams");
    EXPECT_EQ(a1->IdealPoint(), CFPoint(10, 90));
    EXPECT_EQ(doc.FindMember("B1"), nullptr);
    EXPECT_EQ(Call("AddMember", {S("Carter"), N(40), N(40)}).number, 1.0);
    EXPECT_EQ(doc.Game().Members().back()->MemberID(), "XX4");
    EXPECT_EQ(doc.Game().Members().back()->Label(), "Carter");
}

TEST_F(DocScriptModelTest, PreferenceFunctionsReachEveryMember) {
    Call("SetPreferences", {N(4), N(2), N(0.5), N(0.9), N(0.1), N(2), N(99)});
    for (const CMember* m : doc.Game().Members()) {
        EXPECT_EQ(m->PrefType(), 4);
        EXPECT_EQ(m->Preference().salience, 2);
        EXPECT_EQ(m->Preference().complementarity, 0.5);
        EXPECT_EQ(m->Preference().discount, 0.9);
        EXPECT_EQ(m->Preference().intensity, 0.1);
        EXPECT_EQ(m->Preference().beta, 2);
    }
    Call("SetBndRationalityIP", {N(4), N(1), N(0), N(5), N(3), N(1), N(0), N(1)});
    Call("SetBndRationalitySQ", {N(5), N(1), N(0), N(4), N(2), N(1), N(0), N(1)});
    Call("SetRationality", {N(2)});
    for (const CMember* m : doc.Game().Members()) {
        EXPECT_EQ(m->Preference().idealPoint.samples, 5);
        EXPECT_EQ(m->Preference().idealPoint.resolution, 3);
        EXPECT_EQ(m->Preference().statusQuo.type, 5);
        EXPECT_EQ(m->Preference().statusQuo.samples, 4);
        EXPECT_EQ(m->Preference().modelType, 2);
    }
    EScriptError failure = EScriptError::None;
    Call("SetBndRationalityIP", {N(4), N(1), N(0), N(1000000), N(3), N(1), N(0), N(1)}, &failure);
    EXPECT_EQ(failure, EScriptError::BadValue) << "a million samples per member never ends";
    EXPECT_EQ(doc.Game().Members()[0]->Preference().idealPoint.samples, 5);
    Call("SetMemberPreference", {S("Top"), N(0), N(1), N(3), N(0.2), N(0.7), N(0.3), N(1.5)});
    const PreferenceSpec& top = doc.FindMember("XX2")->Preference();
    EXPECT_EQ(top.prefType, 1);
    EXPECT_EQ(top.salience, 3);
    EXPECT_EQ(top.beta, 1.5);
}

TEST_F(DocScriptModelTest, VotingSwitchesReachTheGame) {
    for (int i = 0; i < 2; ++i) {
        Call("SetVoteWeighted", {N(1)});
        EXPECT_EQ(doc.Config().flagVoteWt, 1);
        EXPECT_EQ(doc.Game().WeightedVoting(), 1) << "call " << i + 1;
    }
    Call("SetMemberVoteWt", {S("XX0"), N(0), N(5)});
    EXPECT_EQ(Call("GetMemberVoteWt", {S("XX0"), N(0)}).number, 5);
    EXPECT_EQ(Call("GetVoteTotal", {}).number, 7);
    Call("SetVoteWeighted", {N(0)});
    EXPECT_EQ(Call("GetMemberVoteWt", {S("XX0"), N(0)}).number, 1);
    Call("SetVoteProb", {N(1)});
    EXPECT_EQ(doc.Config().flagVoteProb, 1);
    EXPECT_EQ(doc.Game().ProbabilisticVoting(), 1);
}

TEST_F(DocScriptModelTest, ChartSettingsAndTheirLimits) {
    Call("SetFontSize", {N(20)});
    EXPECT_EQ(doc.Config().lfTitle.height, 20);
    EXPECT_EQ(doc.Config().lfAxisV.height, 20);
    EXPECT_EQ(doc.Config().lfScaleH.height, 10) << "the scale fonts keep their heights";
    const CGridMap before = doc.Game().GridMap();
    Call("SetChartSize", {N(0), N(0)});
    EXPECT_EQ(doc.Game().GridMap(), before) << "a chart too small keeps the previous plot";
    EXPECT_GT(Call("GetWinSetArea", {}).number, 0.0);
    EScriptError failure = EScriptError::None;
    Call("SetChartSize", {N(100000), N(100000)}, &failure);
    EXPECT_EQ(failure, EScriptError::BadValue);
    EXPECT_EQ(doc.Config().szChart, (SSizeSpec{0, 0})) << "a refused size is not stored";
    EXPECT_FALSE(platform.Messages().empty());
    Call("SetChartSize", {N(200), N(300)});
    EXPECT_EQ(doc.Game().GridMap().DeviceRect().right - doc.Game().GridMap().DeviceRect().left,
              200);
    Call("SetScaleH", {N(100), N(-100)});
    EXPECT_EQ(Call("GetScaleHMin", {}).number, -100);
    EXPECT_EQ(Call("GetScaleHMax", {}).number, 100);
    EXPECT_EQ(doc.Header().horizontalScale->Scale_Max(), 100);
    Call("SetScaleVSize", {N(20), N(20)});
    EXPECT_EQ(Call("GetScaleVMin", {}).number, 20);
    EXPECT_EQ(Call("GetScaleVMax", {}).number, 120) << "an empty range is widened as scales are";
}

TEST_F(DocScriptModelTest, RandomPointsLieInTheirSets) {
    const DisplayConfig& c = doc.Config();
    CVotingGame& g = doc.Game();
    doc.SetStatusQuo({40, 60});
    const struct {
        const char* set;
        std::function<bool(const CFPoint&)> inside;
    } cases[] = {
        {"pareto set", [&](const CFPoint& p) { return g.IsInsideParetoSet(p) != 0; }},
        {" Win Set ", [&](const CFPoint& p) { return g.IsInsideWinSet(p); }},
        {"UNCOVERED SET",
         [&](const CFPoint& p) {
             return g.IsInsideUncoveredSet(p, c.nUncoveredSet, c.bExcludeYolk,
                                           c.bUncoveredSetBJS) != 0;
         }},
        {"heart", [&](const CFPoint& p) { return g.IsInsideHeart(p, c.nCore) != 0; }},
        {"yolk",
         [&](const CFPoint& p) {
             const CFPoint centre = g.GetYolkCenter();
             return std::hypot(p.x - centre.x, p.y - centre.y) <= g.GetYolkRadius();
         }},
        {"banks set",
         [&](const CFPoint& p) {
             const auto rgn = g.GetBanksSetRgn(c.nChain, c.nResolution);
             const QPoint cell = g.GridMap().WorldToCell(p);
             return rgn && rgn->PtInRegion(cell.x(), cell.y());
         }},
    };
    for (const auto& set : cases) {
        for (int draw = 0; draw < 5; ++draw) {
            doc.SetProposal({1, 1});
            Call("SetProposalToRandPoint", {S(set.set)});
            EXPECT_NE(g.Proposal(), CFPoint(1, 1)) << set.set;
            EXPECT_TRUE(set.inside(g.Proposal())) << set.set << " draw " << draw;
        }
    }
    doc.SetProposal({1, 1});
    Call("SetProposalToRandPoint", {S("core")});
    EXPECT_EQ(g.Proposal(), CFPoint(1, 1)) << "a triangle has no core to draw from";
    Call("SetProposalToRandPoint", {S("nowhere")});
    EXPECT_EQ(g.Proposal(), CFPoint(1, 1));
}

TEST_F(DocScriptModelTest, RandomProposalWalksTheStatusQuoIntoTheWinSet) {
    CRand::Seed(7);
    const CFPoint start = doc.Game().StatusQuo();
    ASSERT_GT(doc.Game().GetWinSetArea(), 0.0);
    Call("SetStatusQuoToRandProp", {});
    EXPECT_EQ(doc.Game().StatusQuo(), doc.Game().Proposal());
    EXPECT_NE(doc.Game().StatusQuo(), start);
    EXPECT_TRUE(doc.Game().PointBeatsPoint(doc.Game().StatusQuo(), start));
}

TEST_F(DocScriptModelTest, DrawnShapesKeepThePixelsOfTheirCall) {
    const CGridMap& map = doc.Game().GridMap();
    Call("DrawLine", {N(10), N(20), N(30), N(40)});
    Call("DrawPoint", {N(50), N(50)});
    Call("DrawEllipse", {N(0), N(0), N(100), N(100)});
    Call("DrawRectangle", {N(25), N(75), N(75), N(25)});
    ASSERT_EQ(doc.ScriptShapes().size(), 4u);
    const SScriptShape line = doc.ScriptShapes()[0];
    EXPECT_EQ(line.kind, EScriptShape::Line);
    EXPECT_EQ(line.from, map.WorldToCell({10, 20}));
    EXPECT_EQ(line.to, map.WorldToCell({30, 40}));
    EXPECT_EQ(doc.ScriptShapes()[1].to, doc.ScriptShapes()[1].from);
    Call("SetScaleH", {N(0), N(200)});
    EXPECT_EQ(doc.ScriptShapes()[0], line) << "shapes do not follow a change of scale";
    EXPECT_NE(doc.Game().GridMap().WorldToCell({30, 40}), line.to);
    Call("DrawClear", {});
    EXPECT_TRUE(doc.ScriptShapes().empty());
}

TEST_F(DocScriptModelTest, MarksAndIdealPointsAreCountedInTheirBoxes) {
    doc.Header().markPoints = {{10, 10}, {12, 9}, {50, 50}};
    EXPECT_EQ(Call("IsMarkPoint", {N(11), N(10), N(1), N(1)}).number, 2);
    EXPECT_EQ(Call("IsMarkPoint", {N(11), N(10), N(0.5), N(1)}).number, 0);
    EXPECT_EQ(Call("IsIdealPoint", {N(50), N(77), N(0), N(0)}).number, 1);
    EXPECT_EQ(Call("IsIdealPoint", {N(50), N(25), N(30), N(0)}).number, 2);
    EXPECT_EQ(Call("IsIdealPoint", {N(50), N(25), N(-1), N(100)}).number, 0);
}

TEST_F(DocScriptModelTest, ValuesNoChartCanHoldAreRefused) {
    const std::string before = ScenarioText(doc);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* name;
        std::vector<SScriptValue> arguments;
    } cases[] = {
        {"SetStatusQuo", {N(nan), N(50)}},
        {"SetProposal", {N(1e300), N(50)}},
        {"SetVoteRule", {N(nan)}},
        {"SetMemberIdealPoint", {S("XX0"), N(0), N(inf), N(0)}},
        {"SetMemberVoteWt", {S("XX0"), N(0), N(inf)}},
        {"AddMember", {S("Far"), N(-1e20), N(0)}},
        {"SetScaleH", {N(0), N(inf)}},
        {"SetPreferences", {N(3), N(nan), N(0), N(1), N(0), N(1), N(0)}},
        {"DrawLine", {N(0), N(0), N(1e16), N(0)}},
    };
    for (const auto& c : cases) {
        EScriptError failure = EScriptError::None;
        Call(c.name, c.arguments, &failure);
        EXPECT_EQ(failure, EScriptError::BadValue) << c.name;
    }
    EXPECT_EQ(ScenarioText(doc), before);
    EXPECT_TRUE(doc.ScriptShapes().empty());
    EScriptError failure = EScriptError::None;
    Call("GetDistance", {N(inf), N(0), N(0), N(0)}, &failure);
    EXPECT_EQ(failure, EScriptError::BadValue);
}

TEST_F(DocScriptModelTest, WholeScriptsOnTheScenario) {
    const struct {
        const char* name;
        const char* program;
        const char* expected;
    } cases[] = {
        {"string getter in LET", "10 LET N$ = GetMemberLabelByIndex(1)\n20 PRINT N$\n", "Left\r\n"},
        {"string getter after +", "10 LET N$ = \"<\" + GetMemberIdByLabel(\"Top\")\n20 PRINT N$\n",
         "<XX2\r\n"},
        {"string getter as PRINT item", "10 PRINT GetMemberLabelByIndex(1)\n",
         "Syntax error on line 10\r\n"},
        {"distance", "10 LET D = GetDistance(0, 3, 0, 4)\n20 PRINT D\n", "5\r\n"},
        {"area by name",
         "10 IF GetArea(\" Win Set \") = GetWinSetArea() THEN 30\n"
         "20 PRINT \"differ\"\n30 PRINT GetArea(\"yolk\")\n",
         "0\r\n"},
        {"member not found", "10 LET X = GetMemberIdealPointH(\"nobody\", 0)\n20 PRINT \"on\"\n",
         "Requested object not found on line10\r\n"},
        {"setter without member", "10 PRINT SetMemberVeto(\"nobody\", 0, 1)\n", "0\r\n"},
        {"seven preference arguments", "10 CALL SetPreferences(4, 1, 0, 1, 0, 1, 99)\n", ""},
        {"six preference arguments", "10 CALL SetPreferences(5, 1, 0, 1, 0, 1)\n",
         "Syntax error on line 10\r\n"},
        {"integer check still calls", "10 CALL SetVoteAbsolute(0.5)\n20 PRINT 1\n",
         "Not an integer on line 10\r\n"},
    };
    for (const auto& c : cases) {
        ReadScenarioFile(doc, std::string(QUELTA_EXAMPLES) + "/triangle.txt");
        EXPECT_EQ(Run(c.program), c.expected) << c.name;
    }
    EXPECT_EQ(doc.Game().AbsolutePlurality(), 0) << "the truncated value was applied";
}

TEST_F(DocScriptModelTest, MalformedCallsChangeNothing) {
    const std::string before = ScenarioText(doc);
    const struct {
        const char* program;
        const char* expected;
    } cases[] = {
        {"10 CALL SetPreferences(5, 1, 0, 1, 0, 1)\n", "Syntax error on line 10\r\n"},
        {"10 CALL SetVoteRule(\"half\")\n", "Type mismatch on line 10\r\n"},
        {"10 CALL SetStatusQuo(10)\n", "Syntax error on line 10\r\n"},
        {"10 CALL SetStatusQuo(10, )\n", "Syntax error on line 10\r\n"},
        {"10 CALL SetMemberVoteWt(1, 0, 3)\n", "Type mismatch on line 10\r\n"},
        {"10 CALL AddMember(\"X\", 1, 2, 3)\n", "Syntax error on line 10\r\n"},
        {"10 CALL DropMember()\n", "Type mismatch on line 10\r\n"},
        {"10 CALL ShowWinSet\n", "Syntax error on line 10\r\n"},
        {"10 LET B = 1E308 * 10\n20 CALL SetStatusQuo(B - B, 0)\n", "Bad value on line 20\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Run(c.program), c.expected) << c.program;
    EXPECT_EQ(ScenarioText(doc), before);
}

} // namespace

namespace {

TEST_F(DocScriptModelTest, DisplaySwitchesDoTheirWorkOnlyForOne) {
    Call("ShowVeto", {N(2)});
    EXPECT_EQ(doc.Config().flagVeto, 2) << "the value is stored as given";
    EXPECT_EQ(doc.Game().VetoSwitch(), 0) << "the veto cuts the win set only for exactly 1";
    Call("ShowVeto", {N(1)});
    EXPECT_EQ(doc.Game().VetoSwitch(), 1);
    Call("ShowQuotaLine", {N(1)});
    EXPECT_FALSE(doc.Game().GetQuotaLines().empty());
    Call("ShowBudgetLine", {N(2)});
    Call("ShowPowerIndexBounds", {N(1)});
    Call("ShowWinSet", {N(1)});
    doc.Config().flagBanksSet = doc.Config().flagBanksChain = 1;
    EXPECT_EQ(Call("ShowClear", {}).number, 1);
    const DisplayConfig& c = doc.Config();
    EXPECT_EQ(c.flagVeto + c.flagQuotaLine + c.flagBudgetLine + c.flagWinSet + c.flagBanksSet +
                  c.flagBanksChain,
              0);
    EXPECT_EQ(doc.Game().VetoSwitch(), 0);
    EXPECT_EQ(c.flagShapleyOwen, 1) << "the power index bounds stay";
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocScriptModelTest, FilesOpenSaveAndFailSafely) {
    EXPECT_EQ(Call("OpenFile", {S(Path("missing.txt").c_str())}).number, 0);
    const std::string binary = Path("binary.txt");
    {
        QFile file(QString::fromStdString(binary));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("\x00\x01\xff\xfe GAME\x00 PARAMETERS", 20));
    }
    // Whatever the readers make of it, the call returns and the document stays usable.
    Call("OpenFile", {S(binary.c_str())});
    Call("GetWinSetArea", {});
    ASSERT_EQ(Call("OpenFile", {S(QUELTA_EXAMPLES "/triangle.txt")}).number, 1);
    EXPECT_FALSE(doc.IsModified());
    Call("SetStatusQuo", {N(40), N(40)});
    const std::string saved = Path("saved");
    EXPECT_EQ(Call("SaveAsFile", {S(saved.c_str())}).number, 1);
    EXPECT_EQ(doc.PathName(), saved + ".txt") << "a path without a dot gets .txt";
    EXPECT_EQ(doc.Header().scenarioName, saved);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(saved + ".txt")));
    const std::string underFile = saved + ".txt/x.txt";
    EXPECT_EQ(Call("SaveAsFile", {S(underFile.c_str())}).number, 0);
    EXPECT_EQ(doc.PathName(), saved + ".txt") << "a failed save keeps the document's path";
    EXPECT_EQ(Call("SaveAsFile", {S("")}).number, 0);
    Call("SetStatusQuo", {N(30), N(30)});
    EXPECT_EQ(Call("SaveFile", {}).number, 1) << "a file scenario is saved in its new place";
    CQueltaDoc reread;
    ASSERT_TRUE(ReadScenarioFile(reread, saved + ".txt"));
    EXPECT_EQ(reread.Game().StatusQuo(), CFPoint(30, 30));
    EXPECT_EQ(Call("NewFile", {S("Board")}).number, 1);
    EXPECT_EQ(Call("SaveFile", {}).number, 0) << "the headless platform names no file";
}

TEST_F(DocScriptModelTest, NewScenariosAskBeforeReplacing) {
    Call("SetStatusQuo", {N(40), N(40)});
    platform.QueueAnswer(EMsgAnswer::Cancel);
    EXPECT_EQ(Call("NewFile", {S("Study")}).number, 0);
    EXPECT_EQ(doc.Game().Members().size(), 3u) << "Cancel keeps the scenario";
    platform.QueueAnswer(EMsgAnswer::No);
    EXPECT_EQ(Call("NewFile", {S("Study")}).number, 1);
    EXPECT_EQ(doc.Title(), "Study");
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_WHITEBOARD);
    EXPECT_TRUE(doc.Game().Members().empty());
    EXPECT_FALSE(doc.IsModified()) << "so the next one replaces it without a question";
    EXPECT_EQ(
        Call("NewMonteCarlo", {S("Draw"), N(-5), N(25), N(3), N(1), N(0), N(0), N(0), N(0)}).number,
        1);
    EXPECT_EQ(doc.Game().Members().size(), 25u);
    EXPECT_EQ(doc.Header().scenarioName, "Draw");
    EXPECT_EQ(doc.Title(), "*");
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_MONTE_CARLO);
    EXPECT_TRUE(doc.IsModified());
    platform.QueueAnswer(EMsgAnswer::No);
    Call("NewMonteCarlo", {S("Centre"), N(1), N(4), N(3), N(3), N(0), N(0), N(0), N(0)});
    ASSERT_EQ(doc.Game().Members().size(), 4u);
    EXPECT_EQ(doc.Game().Members()[3]->IdealPoint(), CFPoint(50, 50))
        << "any other distribution places every member at the centre";
}

TEST_F(DocScriptModelTest, MonteCarloDrawsThatCannotEndAreRefused) {
    platform.Clear();
    EXPECT_EQ(
        Call("NewMonteCarlo", {S("Huge"), N(1), N(1000000000), N(3), N(1), N(0), N(0), N(0), N(0)})
            .number,
        0);
    EXPECT_EQ(doc.Game().Members().size(), 3u) << "refused before the scenario is given up";
    EXPECT_EQ(platform.Messages().size(), 1u);
    platform.QueueAnswer(EMsgAnswer::Yes);
    EXPECT_EQ(Call("NewMonteCarlo", {S("Away"), N(1), N(5), N(3), N(2), N(1e6), N(1), N(1e6), N(1)})
                  .number,
              0)
        << "a distribution that never lands in the box";
    const std::vector<std::string> texts = platform.MessageTexts();
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const std::string& text) {
        return text.find("fell inside the scale box") != std::string::npos;
    })) << texts.back();
}

} // namespace

namespace {

TEST_F(DocScriptModelTest, DialogFunctionsFollowTheDialogsAnswers) {
    platform.QueueDialogAnswer<SColorCodeAnswer>(std::nullopt);
    Call("ShowColorCode", {N(1)});
    EXPECT_EQ(doc.Config().flagColorCode, 0) << "a cancelled colour-code dialog";
    platform.QueueDialogAnswer<SColorCodeAnswer>(SColorCodeAnswer{});
    Call("ShowColorCode", {N(1)});
    EXPECT_EQ(doc.Config().flagColorCode, 1);
    Call("ShowColorCode", {N(0)});
    EXPECT_EQ(doc.Config().flagColorCode, 0);

    const CFPoint before = doc.Game().Proposal();
    platform.QueueDialogAnswer<SMemberSubsetAnswer>(std::nullopt);
    Call("SetProposalBySubgroup", {});
    EXPECT_EQ(doc.Game().Proposal(), before) << "a cancelled subgroup dialog";
    platform.QueueDialogAnswer<SMemberSubsetAnswer>(SMemberSubsetAnswer{{"XX0", "XX1"}});
    Call("SetProposalBySubgroup", {});
    const CFPoint pair = doc.Game().Proposal();
    EXPECT_NEAR(pair.y, 25.0, 1.0) << "the Copeland winner of two members lies between them";
    EXPECT_EQ(doc.Game().Members().size(), 3u) << "the game takes the whole committee back";
}

} // namespace
