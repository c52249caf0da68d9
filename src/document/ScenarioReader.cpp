#include "document/MemberIds.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "document/TextLines.h"
#include "platform/ErrorText.h"
#include "platform/HeadlessPlatform.h"
#include "platform/Platform.h"
#include "platform/TextUtil.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <filesystem>

namespace {

constexpr size_t kMaxFields = 32;

/// What the standard reader has seen so far; decides success and the failure text.
struct SReadState {
    bool scenario = false;
    bool group = false;
    bool decisionRule = false;
    bool plurality = false;
    bool statusQuo = false;
    bool proposal = false;
    bool playerPlaced = false;
    bool playerTooEarly = false;
    bool anyPlayer = false;
    bool dimensions = false;
    bool ended = false;
    bool cancelled = false;
    CMemberIds ids;
    /// The players renamed for an ID an earlier player has: the ID read and the one given.
    std::vector<std::pair<std::string, std::string>> renamed;

    /// A complete block without a single player is an empty group, as the writer writes it.
    bool Succeeded() const {
        return group && dimensions && decisionRule && statusQuo && proposal &&
               (playerPlaced || (!anyPlayer && ended)) && !playerTooEarly;
    }
};

/// The fields of one game-parameter line: keyword first, each trimmed, missing ones empty.
struct SFields {
    std::vector<std::string> values;
    const std::string& operator[](size_t i) const {
        static const std::string empty;
        return i < values.size() ? values[i] : empty;
    }
};

SFields SplitFields(const std::string& line) {
    SFields fields;
    for (std::string& field : SplitTabs(Trim(line), kMaxFields))
        fields.values.emplace_back(Trim(field));
    return fields;
}

/// The preference settings of a player line: defaults, overridden by the non-empty columns 8 to
/// 30 when column 30 is present.
PreferenceSpec ReadPreference(const SFields& f) {
    PreferenceSpec spec;
    if (f[30].empty())
        return spec;
    const auto readInt = [&f](size_t i, int& target) {
        if (!f[i].empty())
            target = ParseLong(f[i]);
    };
    const auto readDouble = [&f](size_t i, double& target) {
        if (!f[i].empty())
            target = ParseDouble(f[i]);
    };
    readInt(8, spec.modelType);
    readInt(9, spec.prefType);
    readDouble(10, spec.salience);
    readDouble(11, spec.complementarity);
    readDouble(12, spec.discount);
    readDouble(13, spec.intensity);
    readDouble(14, spec.beta);
    for (auto [first, block] : {std::pair<size_t, SSamplingSpec*>{15, &spec.idealPoint},
                                std::pair<size_t, SSamplingSpec*>{23, &spec.statusQuo}}) {
        readInt(first, block->type);
        readDouble(first + 1, block->salience);
        readDouble(first + 2, block->complementarity);
        readInt(first + 3, block->samples);
        readDouble(first + 4, block->resolution);
        readDouble(first + 5, block->discount);
        readDouble(first + 6, block->intensity);
        readDouble(first + 7, block->beta);
    }
    spec.prefType = ValidPreferenceType(spec.prefType);
    return spec;
}

/// The integer part of a number, held to the int range (a flag of 1e11 is a set flag, not an
/// undefined conversion).
int IntegerPart(double value) {
    return static_cast<int>(
        std::clamp(std::trunc(value), static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

/// The ID a new player gets: the one in its line, or, when an earlier player has that ID
/// already, the first of ID-2, ID-3, ... that is free, which is kept for the user's message.
std::string UniqueMemberID(SReadState& state, const std::string& id) {
    std::string unique = state.ids.Claim(id);
    if (unique != id)
        state.renamed.emplace_back(id, unique);
    return unique;
}

/// The renamed players listed in one message.
constexpr std::size_t kRenamesListed = 10;

/// Tells the user in one message which players were renamed, however many there were.
void TellRenamedPlayers(const std::vector<std::pair<std::string, std::string>>& renamed) {
    if (renamed.empty())
        return;
    if (renamed.size() == 1) {
        MessageBoxOk("Member ID " + renamed[0].first +
                     " is used by more than one player; the later player is now " +
                     renamed[0].second + ".");
        return;
    }
    std::string text = "Member IDs are used by more than one player; the later players are "
                       "renamed: ";
    for (std::size_t i = 0; i < renamed.size() && i < kRenamesListed; ++i)
        text += (i ? ", " : "") + renamed[i].first + " to " + renamed[i].second;
    if (renamed.size() > kRenamesListed)
        text += ", and " + std::to_string(renamed.size() - kRenamesListed) + " more";
    MessageBoxOk(text + ".");
}

void CreatePlayer(CQueltaDoc& doc, const SFields& f, SReadState& state) {
    ScenarioHeader& header = doc.Header();
    state.anyPlayer = true;
    auto member =
        std::make_unique<CMember>(PREF_TRADEOFF, doc.Game().StatusQuo(), doc.Game().GridMap());
    member->SetMemberID(UniqueMemberID(state, f[2]));
    member->SetLastName(f[1]);
    member->SetVoteWeight(ParseDouble(f[5]));
    member->SetVeto(IntegerPart(ParseDouble(f[6])));
    member->SetCandidate(IntegerPart(ParseDouble(f[7])));
    member->SetPreferenceSpec(ReadPreference(f));
    auto& committees = header.upperHouse.committees;
    if (committees.size() == 1) {
        committees.front()->AddMember(member.get());
        member->AddCommittee(committees.front().get());
    } else {
        state.playerTooEarly = true;
    }
    if (header.scales.size() >= 2) {
        member->AddRating(*header.scales[0], ParseDouble(f[3]), 0.0, 0);
        member->SetHorizontalScale(header.scales[0].get());
        member->AddRating(*header.scales[1], ParseDouble(f[4]), 0.0, 0);
        member->SetVerticalScale(header.scales[1].get());
        state.playerPlaced = true;
    } else {
        state.playerTooEarly = true;
    }
    header.upperHouse.members.push_back(std::move(member));
}

void CreateGroup(ScenarioHeader& header, const SFields& f) {
    SHouse& upper = header.upperHouse;
    upper.label = "Group";
    upper.membersLabel = "Members";
    upper.committeesLabel = "Group Committees";
    header.lowerHouse.label.clear();
    header.lowerHouse.membersLabel.clear();
    header.lowerHouse.committeesLabel.clear();
    upper.committees.push_back(std::make_unique<CCommittee>(0, f[2], "", f[1], "", "", ""));
    header.currentCommittee = upper.committees.back().get();
    header.houseInUse = HOUSE_UPPER;
    header.committeeLabel = f[2];
}

void CreateDimension(ScenarioHeader& header, const SFields& f) {
    auto scale = std::make_unique<CRatingScale>(f[2], f[1], ParseDouble(f[3]), ParseDouble(f[4]));
    if (scale->Width() == 0.0)
        return;
    header.scales.push_back(std::move(scale));
    if (header.scales.size() == 2) {
        header.horizontalScale = header.scales[0].get();
        header.verticalScale = header.scales[1].get();
    }
}

SMarkRect ReadRectangle(const SFields& f) {
    const double x0 = ParseDouble(f[1]), y0 = ParseDouble(f[2]);
    const double x1 = ParseDouble(f[3]), y1 = ParseDouble(f[4]);
    return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
}

/// Handles one game-parameter line by its keyword, in the reader's fixed keyword order.
void HandleLine(CQueltaDoc& doc, const SFields& f, SReadState& state) {
    ScenarioHeader& header = doc.Header();
    const std::string& key = f[0];
    const auto is = [&key](const char* keyword) { return EqualsNoCase(key, keyword); };
    if (is("player")) {
        CreatePlayer(doc, f, state);
    } else if (is("preference") || is("groupmember")) {
    } else if (is("scenario")) {
        if (!std::exchange(state.scenario, true)) {
            header.scenarioName = f[1];
            doc.ScenarioNames().push_back(f[1]);
        }
    } else if (is("dimension")) {
        if (header.scales.size() < 2)
            CreateDimension(header, f);
    } else if (is("decision rule")) {
        if (!std::exchange(state.decisionRule, true))
            doc.SetVoteRule(ParseDouble(f[2]));
    } else if (is("plurality")) {
        if (!std::exchange(state.plurality, true))
            doc.SetAbsolutePlurality(ParseLong(f[2]) > 0 ? 1 : 0);
    } else if (is("status quo")) {
        if (!std::exchange(state.statusQuo, true))
            doc.SetStatusQuo(CFPoint(ParseDouble(f[3]), ParseDouble(f[4])));
    } else if (is("proposal")) {
        if (!std::exchange(state.proposal, true))
            doc.SetProposal(CFPoint(ParseDouble(f[3]), ParseDouble(f[4])));
    } else if (is("grouptype")) {
    } else if (is("group")) {
        if (!std::exchange(state.group, true))
            CreateGroup(header, f);
    } else if (is("point")) {
        header.markPoints.emplace_back(ParseDouble(f[1]), ParseDouble(f[2]));
    } else if (is("rectangle")) {
        header.markRects.push_back(ReadRectangle(f));
    }
}

/// Reads the game parameters between the BEGIN and END lines; false when there is no BEGIN.
bool ReadGameParameters(CQueltaDoc& doc, CLineReader& reader, SReadState& state) {
    std::string line;
    bool begun = false;
    while (!begun && reader.ReadLine(line))
        begun = EqualsNoCase(Trim(line), "GAME PARAMETERS BEGIN");
    if (!begun)
        return false;
    for (size_t count = 1; reader.ReadLine(line); ++count) {
        if (ReadingCancelled(count)) {
            state.cancelled = true;
            return true;
        }
        if (EqualsNoCase(Trim(line), "GAME PARAMETERS END")) {
            state.ended = true;
            break;
        }
        const SFields fields = SplitFields(line);
        if (fields[0].empty() || fields[0][0] == '#')
            continue;
        HandleLine(doc, fields, state);
    }
    state.dimensions = doc.Header().scales.size() >= 2;
    TellRenamedPlayers(state.renamed);
    // A file that ends without its END line still hands its members to the game.
    if (CCommittee* group = doc.Header().currentCommittee)
        doc.Game().SetMembers(&group->Members());
    return true;
}

/// Why the XY reader could not read a file.
std::string XYFailureText(const SXYFault& xy) {
    if (xy.line <= 0)
        return "the file holds no point.";
    if (xy.entry.empty())
        return Format("line %d does not hold 2 to 4 entries.", xy.line);
    return Format("line %d holds '%s' where a number goes.", xy.line, xy.entry.c_str());
}

/// The message of a file neither format reads: what each reader missed.
std::string FailureText(const std::string& path, const SReadState& state, const SXYFault& xy) {
    std::string text = "The file format was not recognized:\n" + path + "\n" +
                       "\nQuelta tried to read the file under both XY and standard formats."
                       "\nFailure Mode for XY format: " +
                       XYFailureText(xy) +
                       "\nFailure Mode for Standard format: these items were not found:\n";
    const std::pair<bool, const char*> items[] = {
        {state.group, "\nGroup"},
        {state.dimensions, "\nDimension"},
        {state.decisionRule, "\nDecision Rule"},
        {state.plurality, "\nAbsolute Plurality Flag"},
        {state.statusQuo, "\nStatus Quo"},
        {state.proposal, "\nProposal"},
        {state.playerPlaced, "\nPlayer"},
    };
    for (const auto& [seen, item] : items)
        if (!seen)
            text += item;
    if (state.playerTooEarly)
        text += "\nPlayers must be the last set of entries in GAME PARAMETERS";
    return text;
}

/// Tells a user that a file is of neither format, with the code of the reader's other errors.
void ShowUnrecognisedFile(const std::string& path, const SReadState& state, const SXYFault& xy) {
    UserErrorBox("CQueltaDoc::OpenFile()", FailureText(path, state, xy),
                 "Open a scenario file saved by Quelta, or an XY file of lines holding a name, a "
                 "horizontal and a vertical position and, if wanted, a vote weight.");
}

/// Tells a user that a file cannot be read at all, naming it and what to try.
void ShowUnreadableFile(const std::string& path, const std::string& cause) {
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        UserErrorBox("CQueltaDoc::OpenFile()", "The file was not found:\n" + path,
                     "Check the file's name and folder, then open it again.");
    else
        UserErrorBox("CQueltaDoc::OpenFile()",
                     "The file could not be read:\n" + path + "\n\n" + cause,
                     "Check that it is a file you may read (not a folder), then open it again.");
}

/// The platform of a trial read: its messages go nowhere, but the user's request to stop the
/// read is the user's.
class CTrialReadPlatform : public CRecordingPlatform {
public:
    explicit CTrialReadPlatform(CPlatform& outer) : m_outer(outer) {}
    bool CancelRequested() override { return m_outer.CancelRequested(); }

private:
    CPlatform& m_outer;
};

/// Whether a text is a standard scenario, found on a scratch document so that the open one
/// stays as it is; `state` tells what was found.
bool IsStandardScenario(const std::string& text, SReadState& state) {
    CTrialReadPlatform silent(Platform());
    const CScopedPlatform scope(silent);
    CQueltaDoc scratch;
    CLineReader reader(SplitLines(text));
    return ReadGameParameters(scratch, reader, state) && state.Succeeded();
}

} // namespace

bool ReadScenarioText(CQueltaDoc& doc, const std::string& text) {
    doc.ResetScenario();
    CLineReader reader(SplitLines(text));
    SReadState state;
    if (!ReadGameParameters(doc, reader, state) || state.cancelled || !state.Succeeded()) {
        if (state.cancelled)
            doc.ResetScenario();
        return false;
    }
    doc.Config().ReadConfigSections(reader);
    doc.Header().sourceKind = SOURCE_STANDARD_FILE;
    doc.FinishLoad();
    return true;
}

bool ReadScenarioFile(CQueltaDoc& doc, const std::string& path) {
    std::string text;
    std::string cause;
    if (!ReadTextFile(path, text, cause)) {
        ShowUnreadableFile(path, cause);
        return false;
    }
    // The text is checked before the open scenario is replaced, so a file that cannot be read
    // leaves it as it was.
    CWaitCursor wait;
    Platform().SetStatusText(0, "Opening file...");
    SReadState state;
    bool read = IsStandardScenario(text, state);
    if (state.cancelled) {
        Platform().SetStatusText(0, " ");
        return false;
    }
    if (read) {
        read = ReadScenarioText(doc, text);
        if (read) {
            doc.SetPathName(path);
            doc.LogSummary(true);
        }
    } else {
        read = ReadXYText(doc, text, path);
    }
    Platform().SetStatusText(0, " ");
    // A read stopped by the user is no file format problem.
    if (!read && !Platform().CancelRequested())
        ShowUnrecognisedFile(path, state, FirstUnreadableXYLine(text));
    return read;
}
