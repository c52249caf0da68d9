#pragma once

#include "views/InputForm.h"

#include <QWidget>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

/// The scenario form beside the chart: house, committee, rating scales, status quo, proposal,
/// zoom and decision rule. Every control event is one call of the form model; the widget only
/// shows the model's state.
class CInputView : public QWidget {
    Q_OBJECT

public:
    CInputView(CQueltaDoc& doc, QWidget* parent = nullptr);

    /// Re-reads every field from the document (after any document change).
    void UpdateFromDocument();
    /// Shows a point being dragged on the chart in the status-quo or proposal fields.
    void ShowDraggedPoint(bool statusQuo, const CFPoint& point);
    /// The form model behind the widgets.
    CInputForm& Form() { return m_form; }
    /// Presses the house (1 lower, 2 upper) or list-mode (3 committees, 4 members) button.
    void PressButton(int which);
    /// Chooses an entry of the committee/member list as the user does: a committee becomes the
    /// document's, a member is highlighted on the chart.
    void ChooseListEntry(int index);

signals:
    /// The user asked for the find-committee or find-member dialog.
    void FindRequested(int listMode);
    /// The member chosen in member mode should be highlighted on the chart.
    void MemberHighlighted(CMember* member);

private:
    QWidget* BuildScenarioBox();
    QWidget* BuildScalesBox();
    QWidget* BuildPointsBox();
    QWidget* BuildRuleBox();
    QLineEdit* NumberField();
    void Connect();
    void ConnectFields();
    void UpdateLists();
    void UpdateRuleFields();
    void SetNumber(QLineEdit* field, double value);
    /// Reads the status quo's (proposal's) fields into the model, or marks what is refused.
    void EditPoint(bool statusQuo);
    static std::string Text(const QString& text);

    CQueltaDoc& m_doc;
    CInputForm m_form;
    QComboBox* m_scenario = nullptr;
    QRadioButton* m_upper = nullptr;
    QRadioButton* m_lower = nullptr;
    QLabel* m_houseCaption = nullptr;
    QRadioButton* m_selectCommittee = nullptr;
    QRadioButton* m_showMembers = nullptr;
    QLabel* m_committeeCaption = nullptr;
    QComboBox* m_list = nullptr;
    QPushButton* m_find = nullptr;
    QComboBox* m_horizontal = nullptr;
    QComboBox* m_vertical = nullptr;
    QLineEdit* m_sqH = nullptr;
    QLineEdit* m_sqV = nullptr;
    QLineEdit* m_propH = nullptr;
    QLineEdit* m_propV = nullptr;
    QLineEdit* m_zoom = nullptr;
    QPushButton* m_zoomSet = nullptr;
    QToolButton* m_zoomUp = nullptr;
    QToolButton* m_zoomDown = nullptr;
    QPushButton* m_zoomDefault = nullptr;
    QLineEdit* m_fraction = nullptr;
    QLineEdit* m_quota = nullptr;
    QLineEdit* m_total = nullptr;
    QRadioButton* m_absolute = nullptr;
    QRadioButton* m_relative = nullptr;
    QPushButton* m_refresh = nullptr;
    QPlainTextEdit* m_help = nullptr;
    bool m_updating = false;
};
