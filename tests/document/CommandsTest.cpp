#include "document/Commands.h"
#include "document/DisplayCommands.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioGenerators.h"
#include "document/WinSetCommands.h"
#include "platform/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

using Id = ECommandId;

/// The documents a command's enable rule tells apart.
enum EState { Empty, Loaded, Members, Ready };

class CommandsTest : public ::testing::Test {
protected:
    void Make(EState state) {
        doc.ResetScenario();
        if (state == Empty)
            return;
        ASSERT_TRUE(NewWhiteboard(doc));
        if (state == Loaded)
            return;
        ASSERT_TRUE(NewRegularPolygon(doc, SRegularPolygonSettings{30.0, 5, "Tradeoff"}));
        if (state == Members)
            doc.SelectVerticalScale("D1"); // one scale on both axes: members, but not ready
    }

    CRecordingPlatform platform;
    CScopedPlatform scope{platform};
    CQueltaDoc doc;
};

/// The enable rule of every command, as the menus list it: which of empty, loaded, has
/// members (one scale on both axes) and ready offer it.
const std::map<Id, std::array<bool, 4>>& ExpectedEnabled() {
    constexpr std::array<bool, 4> always{true, true, true, true};
    constexpr std::array<bool, 4> loaded{false, true, true, true};
    constexpr std::array<bool, 4> members{false, false, true, true};
    constexpr std::array<bool, 4> ready{false, false, false, true};
    static const std::map<Id, std::array<bool, 4>> expected = {
        {Id::NewWhiteboard, always},
        {Id::NewMonteCarlo, always},
        {Id::NewRegularPolygon, always},
        {Id::NewBargain, always},
        {Id::NewScript, always},
        {Id::OpenFile, always},
        {Id::OpenXYFile, always},
        {Id::OpenDatabase, always},
        {Id::OpenScript, always},
        {Id::ImportFile, always},
        {Id::Close, loaded},
        {Id::SaveScenario, loaded},
        {Id::SaveToFile, loaded},
        {Id::SaveGraphics, loaded},
        {Id::Exit, always},
        {Id::EditMember, members},
        {Id::RationalityGeneral, members},
        {Id::BenefitOfDoubt, members},
        {Id::Configuration, always},
        {Id::StatusQuoToCopeland, ready},
        {Id::StatusQuoToBorda, ready},
        {Id::StatusQuoToYolk, ready},
        {Id::StatusQuoToProposal, ready},
        {Id::StatusQuoToRandom, ready},
        {Id::Agenda, members},
        {Id::ProposalBySubgroup, ready},
        {Id::Rational, ready},
        {Id::Correlated, ready},
        {Id::ModelTradeOff, members},
        {Id::ModelCityBlock, members},
        {Id::ModelIndependent, members},
        {Id::ModelDirectional, members},
        {Id::ModelUnified, members},
        {Id::ModelEum, members},
        {Id::Weighted, members},
        {Id::Probabilistic, members},
        {Id::CaptureWinSet, ready},
        {Id::CaptureUnion, ready},
        {Id::CaptureIntersect, ready},
        {Id::CaptureDifference, ready},
        {Id::CaptureExclusive, ready},
        {Id::AddWinSetToList, always},
        {Id::ProjectionLine, members},
        {Id::TwoCandidate, members},
        {Id::Log, always},
        {Id::Report, members},
        {Id::ShowIndifferenceCurves, ready},
        {Id::ShowQuotaLines, ready},
        {Id::ShowQualifiedQuotaLines, ready},
        {Id::ShowCardioid, ready},
        {Id::ShowSpokes, ready},
        {Id::ShowPetals, ready},
        {Id::ShowWinSet, ready},
        {Id::ShowWinSetCapture, ready},
        {Id::ShowCoalition, ready},
        {Id::ShowVeto, ready},
        {Id::ShowCore, ready},
        {Id::ShowCopeland, ready},
        {Id::ShowYolk, ready},
        {Id::ShowYolkTriangle, ready},
        {Id::ShowSchattschneiderSet, ready},
        {Id::ShowTriMedianSet, ready},
        {Id::ShowHeart, ready},
        {Id::ShowUncoveredSet, ready},
        {Id::ShowBanksSet, ready},
        {Id::ShowBanksChain, ready},
        {Id::ShowParetoSet, ready},
        {Id::ShowStatistics, members},
        {Id::ShowThermograph, ready},
        {Id::ShowHistogram, members},
        {Id::ShowColorCode, members},
        {Id::ShowMemberNames, members},
        {Id::ShowPowerIndex, ready},
        {Id::ShowPowerIndexColor, ready},
        {Id::ShowGrid, always},
        {Id::ShowBudgetLine, always},
        {Id::ShowCandidates, ready},
    };
    return expected;
}

} // namespace

TEST_F(CommandsTest, EveryCommandIsOfferedByItsRuleOnEmptyLoadedMemberAndReadyDocuments) {
    const char* names[] = {"empty", "loaded", "members on one scale", "ready"};
    for (EState state : {Empty, Loaded, Members, Ready}) {
        Make(state);
        for (const auto& [id, enabled] : ExpectedEnabled())
            EXPECT_EQ(IsCommandEnabled(doc, id), enabled[state])
                << "command " << static_cast<int>(id) << " on a document " << names[state];
        EXPECT_EQ(IsCommandEnabled(doc, Id::FreeWinSetList), false);
        AddWinSetToList(doc);
        EXPECT_TRUE(IsCommandEnabled(doc, Id::FreeWinSetList));
        EXPECT_TRUE(IsCommandEnabled(doc, Id::ShowWinSetList));
        doc.WinSetList().Free();
    }
}

TEST_F(CommandsTest, TheTableHoldsEveryCommandOnceWithItsMenuText) {
    std::set<Id> ids;
    for (const SCommand& command : CommandTable()) {
        EXPECT_TRUE(ids.insert(command.id).second) << static_cast<int>(command.id);
        EXPECT_NE(command.run, nullptr);
    }
    EXPECT_EQ(ids.size(), ExpectedEnabled().size() + 2) << "with the two list commands";
    const std::pair<Id, std::string> texts[] = {
        {Id::NewWhiteboard, "Whiteboard 	Ctrl+N"},
        {Id::OpenXYFile, "File(XY)	Ctrl+Shift+O"},
        {Id::ImportFile, "Import..."},
        {Id::Close, "Close 	Ctrl+W"},
        {Id::SaveScenario, "Scenario 	Ctrl+S"},
        {Id::SaveToFile, "To File 	Ctrl+Shift+S"},
        {Id::SaveGraphics, "Graphics 	Ctrl+G"},
        {Id::Exit, "E&xit"},
        {Id::StatusQuoToCopeland, "Copland Winner"},
        {Id::ShowPowerIndexColor, "Show Power Index - Color"},
        {Id::ShowWinSet, "Show Win-Set"},
        {Id::Configuration, "Configuration..."},
    };
    for (const auto& [id, text] : texts)
        EXPECT_EQ(FindCommand(id)->menuText, text);
    EXPECT_EQ(std::string(FindCommand(Id::SaveScenario)->accelerator), "Ctrl+S");
    EXPECT_EQ(std::string(FindCommand(Id::SaveGraphics)->accelerator), "Ctrl+G");
    EXPECT_EQ(std::string(FindCommand(Id::SaveToFile)->accelerator), "Ctrl+Shift+S");
    EXPECT_EQ(FindCommand(static_cast<Id>(17)), nullptr);
}

TEST_F(CommandsTest, ShowItemsAreDisabledUncheckedAndClearedWithOneScale) {
    Make(Ready);
    for (const SShowItem& item : ShowItems())
        doc.Config().*(item.flag) = 1;
    for (const SShowItem& item : ShowItems())
        EXPECT_TRUE(UpdateCommandState(doc, item.id).checked) << static_cast<int>(item.id);

    doc.SelectVerticalScale("D1");
    ASSERT_FALSE(doc.IsReady());
    const std::set<Id> kept = {Id::ShowGrid,      Id::ShowBudgetLine, Id::ShowColorCode,
                               Id::ShowHistogram, Id::ShowStatistics, Id::ShowMemberNames};
    for (const SShowItem& item : ShowItems()) {
        const SCommandState state = UpdateCommandState(doc, item.id);
        const bool offered = kept.count(item.id) > 0;
        EXPECT_EQ(state.enabled, offered) << static_cast<int>(item.id);
        EXPECT_EQ(state.checked, offered) << static_cast<int>(item.id);
        EXPECT_EQ(doc.Config().*(item.flag), offered ? 1 : 0) << static_cast<int>(item.id);
    }
}

TEST_F(CommandsTest, CheckRulesFollowTheSourceKindTheSwitchesAndTheModelName) {
    Make(Ready);
    EXPECT_TRUE(IsCommandChecked(doc, Id::NewRegularPolygon));
    EXPECT_FALSE(IsCommandChecked(doc, Id::NewWhiteboard));
    EXPECT_TRUE(IsCommandChecked(doc, Id::Rational)) << "the switch is on by default";
    EXPECT_TRUE(IsCommandChecked(doc, Id::ModelTradeOff));
    ASSERT_TRUE(RunCommand(doc, Id::ModelEum));
    EXPECT_TRUE(IsCommandChecked(doc, Id::ModelEum));
    EXPECT_FALSE(IsCommandChecked(doc, Id::ModelTradeOff));
    ASSERT_TRUE(RunCommand(doc, Id::Weighted));
    EXPECT_TRUE(IsCommandChecked(doc, Id::Weighted));
    ASSERT_TRUE(RunCommand(doc, Id::ProjectionLine));
    EXPECT_TRUE(IsCommandChecked(doc, Id::ProjectionLine));
    ASSERT_TRUE(RunCommand(doc, Id::Log));
    EXPECT_TRUE(IsCommandChecked(doc, Id::Log));
    EXPECT_FALSE(IsCommandChecked(doc, Id::Report)) << "never checked";
}

TEST_F(CommandsTest, RunCommandRefusesWhatIsNotOfferedAndRunsTheRest) {
    Make(Loaded);
    doc.SetModifiedFlag(false);
    EXPECT_FALSE(RunCommand(doc, Id::ShowWinSet));
    EXPECT_EQ(doc.Config().flagWinSet, 0);
    EXPECT_FALSE(RunCommand(doc, static_cast<Id>(17)));

    Make(Ready);
    EXPECT_TRUE(RunCommand(doc, Id::ShowWinSet));
    EXPECT_EQ(doc.Config().flagWinSet, 1);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(RunCommand(doc, Id::ShowWinSet));
    EXPECT_EQ(doc.Config().flagWinSet, 0);
}

TEST_F(CommandsTest, FrontEndCommandsRunTheirHandlerOrSaySoAndScriptStartsAWhiteboard) {
    Make(Empty);
    EXPECT_TRUE(RunCommand(doc, Id::NewScript));
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_WHITEBOARD) << "a script needs a scenario";
    EXPECT_EQ(platform.MessageTexts(), std::vector<std::string>{kNoFrontEndMessage});

    int runs = 0;
    SetFrontEndCommand(Id::NewScript, [&runs](CQueltaDoc&) { ++runs; });
    EXPECT_TRUE(RunCommand(doc, Id::NewScript));
    EXPECT_EQ(runs, 1);
    SetFrontEndCommand(Id::NewScript, {});
    platform.Clear();
    EXPECT_TRUE(RunCommand(doc, Id::NewScript));
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(platform.MessageTexts(), std::vector<std::string>{kNoFrontEndMessage});
}
