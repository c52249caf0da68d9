#include "views/widgets/InputView.h"

#include "views/widgets/NumberFields.h"

#include "document/QueltaDoc.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include <limits>

CInputView::CInputView(CQueltaDoc& doc, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_form(doc) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildScenarioBox());
    layout->addWidget(BuildScalesBox());
    layout->addWidget(BuildPointsBox());
    layout->addWidget(BuildRuleBox());
    m_help = new QPlainTextEdit(this);
    m_help->setReadOnly(true);
    m_help->setObjectName("help");
    m_help->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_help->setTabStopDistance(m_help->fontMetrics().horizontalAdvance("Identify Member:") + 12);
    m_help->setMinimumHeight(90);
    layout->addWidget(m_help, 1);
    // Every list is as wide as its longest entry, so no committee or scale is cut.
    for (QComboBox* list : findChildren<QComboBox*>())
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Connect();
    UpdateFromDocument();
}

QLineEdit* CInputView::NumberField() {
    auto* field = new QLineEdit(this);
    field->setAlignment(Qt::AlignRight);
    field->setMinimumWidth(60);
    return field;
}

QWidget* CInputView::BuildScenarioBox() {
    auto* box = new QGroupBox(tr("Scenario"), this);
    auto* grid = new QGridLayout(box);
    m_scenario = new QComboBox(box);
    m_scenario->setEditable(true);
    m_scenario->setObjectName("scenario");
    grid->addWidget(m_scenario, 0, 0, 1, 3);
    m_upper = new QRadioButton("UH", box);
    m_lower = new QRadioButton("LH", box);
    m_houseCaption = new QLabel(box);
    grid->addWidget(m_upper, 1, 0);
    grid->addWidget(m_lower, 1, 1);
    grid->addWidget(m_houseCaption, 1, 2);
    m_selectCommittee = new QRadioButton("Select Committee", box);
    m_showMembers = new QRadioButton("Show Members", box);
    grid->addWidget(m_selectCommittee, 2, 0, 1, 2);
    grid->addWidget(m_showMembers, 2, 2);
    m_committeeCaption = new QLabel(box);
    grid->addWidget(m_committeeCaption, 3, 0, 1, 3);
    m_list = new QComboBox(box);
    m_list->setEditable(true);
    m_list->setObjectName("committees");
    m_find = new QPushButton("?", box);
    m_find->setObjectName("find");
    m_find->setFixedWidth(m_find->fontMetrics().horizontalAdvance("??") + 16);
    grid->addWidget(m_list, 4, 0, 1, 2);
    grid->addWidget(m_find, 4, 2, Qt::AlignLeft);
    auto* houses = new QButtonGroup(box);
    houses->addButton(m_upper);
    houses->addButton(m_lower);
    auto* modes = new QButtonGroup(box);
    modes->addButton(m_selectCommittee);
    modes->addButton(m_showMembers);
    return box;
}

QWidget* CInputView::BuildScalesBox() {
    auto* box = new QGroupBox(tr("Ratings"), this);
    auto* form = new QFormLayout(box);
    m_horizontal = new QComboBox(box);
    m_vertical = new QComboBox(box);
    for (QComboBox* list : {m_horizontal, m_vertical}) {
        list->setEditable(true);
        list->setInsertPolicy(QComboBox::NoInsert);
    }
    m_horizontal->setObjectName("horizontalScale");
    m_vertical->setObjectName("verticalScale");
    form->addRow("H", m_horizontal);
    form->addRow("V", m_vertical);
    return box;
}

QWidget* CInputView::BuildPointsBox() {
    auto* box = new QGroupBox(tr("Points"), this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel("H", box), 0, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel("V", box), 0, 2, Qt::AlignHCenter);
    m_sqH = NumberField();
    m_sqV = NumberField();
    m_propH = NumberField();
    m_propV = NumberField();
    grid->addWidget(new QLabel("Status Quo", box), 1, 0);
    grid->addWidget(m_sqH, 1, 1);
    grid->addWidget(m_sqV, 1, 2);
    grid->addWidget(new QLabel("Proposal", box), 2, 0);
    grid->addWidget(m_propH, 2, 1);
    grid->addWidget(m_propV, 2, 2);
    m_zoom = NumberField();
    m_zoom->setObjectName("zoom");
    m_zoomSet = new QPushButton("set", box);
    m_zoomUp = new QToolButton(box);
    m_zoomUp->setText("+1/2");
    m_zoomDown = new QToolButton(box);
    m_zoomDown->setText("-1/2");
    m_zoomDefault = new QPushButton("set to default", box);
    auto* zoomRow = new QHBoxLayout;
    zoomRow->addWidget(m_zoom, 1);
    zoomRow->addWidget(m_zoomSet);
    zoomRow->addWidget(m_zoomUp);
    zoomRow->addWidget(m_zoomDown);
    grid->addWidget(new QLabel("Zoom", box), 3, 0);
    grid->addLayout(zoomRow, 3, 1, 1, 2);
    grid->addWidget(m_zoomDefault, 4, 1, 1, 2);
    return box;
}

QWidget* CInputView::BuildRuleBox() {
    auto* box = new QGroupBox(tr("Decision Rule"), this);
    auto* grid = new QGridLayout(box);
    m_fraction = NumberField();
    m_quota = NumberField();
    m_total = NumberField();
    m_total->setReadOnly(true);
    grid->addWidget(new QLabel("Fraction", box), 0, 0);
    grid->addWidget(new QLabel("Quota", box), 0, 1);
    grid->addWidget(new QLabel("Total", box), 0, 2);
    grid->addWidget(m_fraction, 1, 0);
    grid->addWidget(m_quota, 1, 1);
    grid->addWidget(m_total, 1, 2);
    m_absolute = new QRadioButton("Absolute", box);
    m_relative = new QRadioButton("Relative", box);
    m_refresh = new QPushButton("Refresh", box);
    grid->addWidget(m_absolute, 2, 0);
    grid->addWidget(m_relative, 2, 1);
    grid->addWidget(m_refresh, 2, 2);
    auto* plurality = new QButtonGroup(box);
    plurality->addButton(m_absolute);
    plurality->addButton(m_relative);
    return box;
}

void CInputView::Connect() {
    connect(m_scenario->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { m_form.EditScenarioName(Text(m_scenario->currentText())); });
    connect(m_scenario, &QComboBox::activated, this, [this](int index) {
        if (m_form.ChooseScenario(Text(m_scenario->itemText(index))))
            UpdateFromDocument();
    });
    connect(m_upper, &QRadioButton::clicked, this, [this] { PressButton(2); });
    connect(m_lower, &QRadioButton::clicked, this, [this] { PressButton(1); });
    connect(m_selectCommittee, &QRadioButton::clicked, this, [this] { PressButton(3); });
    connect(m_showMembers, &QRadioButton::clicked, this, [this] { PressButton(4); });
    connect(m_list, &QComboBox::activated, this, &CInputView::ChooseListEntry);
    connect(m_list->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        m_form.EditListText(Text(m_list->currentText()));
        UpdateLists();
    });
    connect(m_find, &QPushButton::clicked, this, [this] { emit FindRequested(m_form.ListMode()); });
    for (bool horizontal : {true, false}) {
        QComboBox* list = horizontal ? m_horizontal : m_vertical;
        connect(list, &QComboBox::activated, this, [this, horizontal](int index) {
            m_form.ChooseScale(horizontal, index);
            UpdateFromDocument();
        });
        connect(list->lineEdit(), &QLineEdit::editingFinished, this, [this, horizontal, list] {
            m_form.EditScaleText(horizontal, Text(list->currentText()));
            UpdateLists();
        });
    }
    ConnectFields();
}

void CInputView::EditPoint(bool statusQuo) {
    // Both fields of a point are read when either is left; a refused one leaves the point.
    if (m_updating)
        return;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double h =
        ReadNumberField(*(statusQuo ? m_sqH : m_propH), ENumberKind::Coordinate).value_or(nan);
    const double v =
        ReadNumberField(*(statusQuo ? m_sqV : m_propV), ENumberKind::Coordinate).value_or(nan);
    if (statusQuo)
        m_form.EditStatusQuo(CFPoint(h, v));
    else
        m_form.EditProposal(CFPoint(h, v));
    ShowDraggedPoint(statusQuo, statusQuo ? m_doc.Game().StatusQuo() : m_doc.Game().Proposal());
}

void CInputView::ConnectFields() {
    auto statusQuo = [this] { EditPoint(true); };
    auto proposal = [this] { EditPoint(false); };
    connect(m_sqH, &QLineEdit::editingFinished, this, statusQuo);
    connect(m_sqV, &QLineEdit::editingFinished, this, statusQuo);
    connect(m_propH, &QLineEdit::editingFinished, this, proposal);
    connect(m_propV, &QLineEdit::editingFinished, this, proposal);
    auto zoom = [this] {
        if (const auto value = ReadNumberField(*m_zoom, ENumberKind::Zoom))
            m_form.EditZoom(*value);
        SetNumber(m_zoom, m_doc.Zoom());
    };
    connect(m_zoom, &QLineEdit::editingFinished, this, zoom);
    connect(m_zoomSet, &QPushButton::clicked, this, zoom);
    connect(m_zoomUp, &QToolButton::clicked, this, [this] {
        m_form.StepZoom(1);
        UpdateFromDocument();
    });
    connect(m_zoomDown, &QToolButton::clicked, this, [this] {
        m_form.StepZoom(-1);
        UpdateFromDocument();
    });
    connect(m_zoomDefault, &QPushButton::clicked, this, [this] {
        m_form.DefaultZoom();
        UpdateFromDocument();
    });
    connect(m_fraction, &QLineEdit::editingFinished, this, [this] {
        if (const auto value = ReadNumberField(*m_fraction, ENumberKind::Fraction))
            m_form.EditFraction(*value);
        UpdateRuleFields();
    });
    connect(m_quota, &QLineEdit::editingFinished, this, [this] {
        const double total = m_doc.Game().VoteTotal();
        if (const auto value = ReadNumberField(*m_quota, ENumberKind::Quota, total))
            m_form.EditQuota(*value);
        UpdateRuleFields();
    });
    connect(m_absolute, &QRadioButton::clicked, this, [this] {
        m_form.SetAbsolute(true);
        UpdateRuleFields();
    });
    connect(m_relative, &QRadioButton::clicked, this, [this] {
        m_form.SetAbsolute(false);
        UpdateRuleFields();
    });
    connect(m_refresh, &QPushButton::clicked, this, [this] {
        m_form.Refresh();
        UpdateFromDocument();
    });
}

void CInputView::PressButton(int which) {
    if (which == 1 || which == 2)
        m_form.ChooseHouse(which == 1 ? HOUSE_LOWER : HOUSE_UPPER);
    else
        m_form.SetListMode(which == 4 ? LIST_MEMBERS : LIST_COMMITTEES);
    UpdateFromDocument();
}

void CInputView::ChooseListEntry(int index) {
    m_form.ChooseListEntry(index);
    if (m_form.ListMode() == LIST_MEMBERS)
        emit MemberHighlighted(m_form.HighlightedMember());
    UpdateFromDocument();
}

void CInputView::UpdateFromDocument() {
    m_updating = true;
    const ScenarioHeader& header = m_doc.Header();
    {
        const QSignalBlocker blocker(m_scenario);
        m_scenario->clear();
        for (const std::string& name : m_doc.ScenarioNames())
            m_scenario->addItem(QString::fromStdString(name));
        m_scenario->setEditText(QString::fromStdString(header.scenarioName));
    }
    m_upper->setChecked(header.houseInUse != HOUSE_LOWER);
    m_lower->setChecked(header.houseInUse == HOUSE_LOWER);
    m_selectCommittee->setChecked(m_form.ListMode() == LIST_COMMITTEES);
    m_showMembers->setChecked(m_form.ListMode() == LIST_MEMBERS);
    m_houseCaption->setText(QString::fromStdString(m_form.HouseCaption()));
    UpdateLists();
    SetNumber(m_sqH, m_doc.Game().StatusQuo().x);
    SetNumber(m_sqV, m_doc.Game().StatusQuo().y);
    SetNumber(m_propH, m_doc.Game().Proposal().x);
    SetNumber(m_propV, m_doc.Game().Proposal().y);
    SetNumber(m_zoom, m_doc.Zoom());
    UpdateRuleFields();
    m_help->setPlainText(QString::fromStdString(m_form.HelpText()).remove(QLatin1Char('\r')));
    m_updating = false;
}

void CInputView::UpdateLists() {
    const QSignalBlocker listBlocker(m_list);
    m_committeeCaption->setText(QString::fromStdString(m_form.CommitteeCaption()));
    m_list->clear();
    int current = -1;
    const std::vector<SFormListEntry> entries = m_form.ListEntries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        m_list->addItem(QString::fromStdString(entries[i].text));
        if (entries[i].committee && entries[i].committee == m_doc.Header().currentCommittee)
            current = static_cast<int>(i);
    }
    if (m_form.ListMode() == LIST_MEMBERS)
        current = m_form.ListSelection();
    m_list->setCurrentIndex(current);
    const std::vector<std::string> scales = m_form.ScaleNames();
    for (QComboBox* list : {m_horizontal, m_vertical}) {
        const QSignalBlocker blocker(list);
        list->clear();
        for (const std::string& name : scales)
            list->addItem(QString::fromStdString(name));
    }
    m_horizontal->setCurrentIndex(m_form.HorizontalSelection());
    m_vertical->setCurrentIndex(m_form.VerticalSelection());
}

void CInputView::UpdateRuleFields() {
    const SRuleFields rule = m_form.RuleFields();
    m_absolute->setChecked(rule.absolute);
    m_relative->setChecked(!rule.absolute);
    SetNumber(m_fraction, rule.fraction);
    SetNumber(m_quota, rule.quota);
    SetNumber(m_total, rule.total);
}

void CInputView::ShowDraggedPoint(bool statusQuo, const CFPoint& point) {
    m_updating = true;
    SetNumber(statusQuo ? m_sqH : m_propH, point.x);
    SetNumber(statusQuo ? m_sqV : m_propV, point.y);
    m_updating = false;
}

void CInputView::SetNumber(QLineEdit* field, double value) {
    const QSignalBlocker blocker(field);
    field->setText(QString::fromStdString(NumberFieldText(value)));
}

std::string CInputView::Text(const QString& text) {
    return text.toStdString();
}
