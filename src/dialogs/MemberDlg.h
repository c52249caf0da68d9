#pragma once

#include "document/InputLimits.h"
#include "document/MemberEditor.h"

#include <QDialog>

#include <optional>

class CMember;
class CQueltaDoc;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

/// The "Member" dialog: edits one member at a time and walks through a house's member list.
/// Each field acts on the member as soon as the user leaves it or clicks it. Opened modal from
/// the menu, or modeless from a double click on a member in the chart.
class CMemberDlg : public QDialog {
    Q_OBJECT

public:
    /// A dialog on the first member of the house in use.
    explicit CMemberDlg(CQueltaDoc& doc, QWidget* parent = nullptr);

    CMemberEditor& Editor() { return m_editor; }
    /// Shows a member ("m_pMem not found" when it is in neither house's list).
    void ShowMember(const CMember* member);
    /// The member shown; nullptr when none.
    CMember* Member() const { return m_editor.Current(); }
    /// Shows every field of the member again (after a change made elsewhere, such as a drag).
    void UpdateFields();
    /// A member's ideal point moved on the chart: shown when it is this dialog's member.
    void MemberMoved(const CMember* member);

private:
    /// "Find": the find-member dialog over the walked list, starting from the last name shown;
    /// the member found is shown.
    void FindMember();
    QWidget* BuildHouseGroup();
    QWidget* BuildNameGroup();
    QWidget* BuildVoteGroup();
    QWidget* BuildPreferenceGroup();
    QWidget* BuildNavigation();
    QLineEdit* AddField(const QString& objectName);
    void ConnectFields();
    void ConnectPreferenceFields();
    void ShowPreferenceFields(const SPreferenceFields& fields);
    void ShowRatings(const CMember& member);
    void ShowRatingValue();
    void ShowIdealPoint(const CMember* member);
    /// The field's number within the limits of its kind; nothing, with the field marked, when
    /// it is refused.
    std::optional<double> Number(QLineEdit* field, ENumberKind kind) const;

    CQueltaDoc& m_doc;
    CMemberEditor m_editor;
    QWidget* m_nameGroup = nullptr;
    QWidget* m_voteGroup = nullptr;
    QWidget* m_preferenceGroup = nullptr;
    QRadioButton* m_upperHouse = nullptr;
    QRadioButton* m_lowerHouse = nullptr;
    QLineEdit* m_lastName = nullptr;
    QLineEdit* m_firstName = nullptr;
    QLineEdit* m_middleName = nullptr;
    QLineEdit* m_affiliation = nullptr;
    QLineEdit* m_constituency = nullptr;
    QComboBox* m_ratings = nullptr;
    QLineEdit* m_ratingValue = nullptr;
    QLabel* m_idealPoint = nullptr;
    QListWidget* m_committees = nullptr;
    QLineEdit* m_vote = nullptr;
    QCheckBox* m_veto = nullptr;
    QCheckBox* m_candidate = nullptr;
    QCheckBox* m_rational = nullptr;
    QButtonGroup* m_prefTypes = nullptr;
    QLineEdit* m_salience = nullptr;
    QLineEdit* m_angle = nullptr;
    QLineEdit* m_discount = nullptr;
    QLineEdit* m_intensity = nullptr;
    QLineEdit* m_beta = nullptr;
    bool m_showing = false;
};
