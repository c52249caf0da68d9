#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The plain records the document's dialogs fill. A command asks the platform for one of them
// and carries out the whole of its effect itself, so a test can script every answer.

/// A member offered by the member-selection dialog.
struct SMemberChoice {
    std::string id;
    std::string label;
};

/// The member-selection dialog's answer: the IDs of the chosen members, in list order.
struct SMemberSubsetAnswer {
    std::vector<std::string> memberIds;
};

/// The settings of the regular polygon generator, as the "Regular Polygon Model" dialog
/// collects them.
struct SRegularPolygonSettings {
    /// "Radial Distance", 0 to 100.
    double radius = 40.0;
    /// "Number of Members", 3 to 1000.
    int members = 5;
    /// "Default Preference Model": "Tradeoff", "City Block", "Directional" or "Unified".
    std::string preferenceModel = "Tradeoff";
};

/// The settings of an agenda run, as the "Agenda" dialog collects them.
struct SAgendaSettings {
    /// "Number of Iterations".
    int iterations = 10;
};

/// A committee offered by the rationality model dialog, with its indented list text.
struct SCommitteeChoice {
    std::string id;
    std::string text;
};

/// One sampling block of the rationality model dialog (ideal point or status quo).
struct SSamplingBlockAnswer {
    int shape = 0;
    double salience = 1.0;
    double complementarity = 0.0;
    int samples = 1;
    double resolution = 0.0;
    /// "Use member std dev": each member's own spread instead of the block's resolution.
    bool useMemberSpread = false;
};

/// The rationality model dialog's answer: the committee chosen (empty for none), the model
/// code (0 "Sincere" to 5 "Uncertainty - Range") and the two sampling blocks.
struct SRationalityModelAnswer {
    std::string committeeId;
    int model = 0;
    SSamplingBlockAnswer idealPoint;
    SSamplingBlockAnswer statusQuo;
};

/// The benefit-of-the-doubt dialog's answer: the slider's value.
struct SBenefitOfDoubtAnswer {
    double value = 0.0;
};

/// One edit made in the win-set list editor, in the order the user made it.
struct SWinSetListEdit {
    enum class EKind { Combine, Capture, Delete };
    EKind kind = EKind::Combine;
    /// For Combine: RGN_OR, RGN_AND, RGN_XOR or RGN_DIFF.
    int mode = 0;
    /// The selected entries, from 0, in the list as it stands when the edit is made.
    std::vector<std::size_t> selected;
};

/// The win-set list editor's answer: its edits, in order.
struct SWinSetListAnswer {
    std::vector<SWinSetListEdit> edits;
};
