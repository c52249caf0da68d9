#include "dialogs/MemberDlg.h"

#include "views/widgets/NumberFields.h"

#include "dialogs/FindEntryDlg.h"
#include "document/QueltaDoc.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

/// The preference type buttons, in their order on the dialog, with their type codes.
struct SPrefTypeButton {
    const char* text;
    int prefType;
};
constexpr SPrefTypeButton kPrefTypeButtons[] = {
    {"Unified", PREF_UNIFIED},         {"Directional", PREF_DIRECTIONAL},
    {"Trade-Off", PREF_TRADEOFF},      {"City Block", PREF_CITYBLOCK},
    {"Independent", PREF_INDEPENDENT}, {"Absolute", PREF_ABSOLUTE},
    {"Abstain", PREF_ABSTAIN},         {"EUM", PREF_EUM},
};

QString NumberText(double value) {
    return QLocale::c().toString(value, 'g', 10);
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

/// A house's button text: its members label, or failing that its name.
QString HouseText(const SHouse& house, const char* fallback) {
    if (!house.membersLabel.empty())
        return Text(house.membersLabel);
    return house.label.empty() ? QObject::tr(fallback) : Text(house.label);
}

QString ConstituencyText(const CMember& member) {
    const std::string& genus = member.ConstituencyGenus();
    const std::string& species = member.ConstituencySpecies();
    if (genus.empty())
        return Text(species);
    return species.empty() ? Text(genus) : Text(genus + "-" + species);
}

} // namespace

CMemberDlg::CMemberDlg(CQueltaDoc& doc, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_editor(doc) {
    setWindowTitle(tr("Member"));
    auto* left = new QVBoxLayout;
    left->addWidget(BuildHouseGroup());
    m_nameGroup = BuildNameGroup();
    left->addWidget(m_nameGroup);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    m_voteGroup = BuildVoteGroup();
    m_preferenceGroup = BuildPreferenceGroup();
    right->addWidget(m_voteGroup);
    right->addWidget(m_preferenceGroup);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(BuildNavigation());
    ConnectFields();
    ConnectPreferenceFields();
    UpdateFields();
}

QLineEdit* CMemberDlg::AddField(const QString& objectName) {
    auto* field = new QLineEdit;
    field->setObjectName(objectName);
    return field;
}

QWidget* CMemberDlg::BuildHouseGroup() {
    auto* group = new QGroupBox(tr("Member Type"));
    const ScenarioHeader& header = m_doc.Header();
    m_upperHouse = new QRadioButton(HouseText(header.upperHouse, "Upper House"));
    m_lowerHouse = new QRadioButton(HouseText(header.lowerHouse, "Lower House"));
    m_upperHouse->setObjectName("upperHouse");
    m_lowerHouse->setObjectName("lowerHouse");
    auto* row = new QHBoxLayout(group);
    row->addWidget(m_upperHouse);
    row->addWidget(m_lowerHouse);
    connect(m_upperHouse, &QRadioButton::clicked, this, [this] {
        m_editor.SelectHouse(HOUSE_UPPER);
        UpdateFields();
    });
    connect(m_lowerHouse, &QRadioButton::clicked, this, [this] {
        m_editor.SelectHouse(HOUSE_LOWER);
        UpdateFields();
    });
    return group;
}

QWidget* CMemberDlg::BuildNameGroup() {
    auto* group = new QGroupBox(tr("Name"));
    auto* form = new QFormLayout(group);
    m_lastName = AddField("lastName");
    m_firstName = AddField("firstName");
    m_middleName = AddField("middleName");
    m_affiliation = AddField("affiliation");
    m_constituency = AddField("constituency");
    m_affiliation->setReadOnly(true);
    m_constituency->setReadOnly(true);
    form->addRow(tr("&Last:"), m_lastName);
    form->addRow(tr("&First:"), m_firstName);
    form->addRow(tr("M&iddle:"), m_middleName);
    form->addRow(tr("Affiliation:"), m_affiliation);
    form->addRow(tr("Constituency:"), m_constituency);
    m_ratings = new QComboBox;
    m_ratings->setObjectName("ratings");
    m_ratingValue = AddField("ratingValue");
    auto* rating = new QHBoxLayout;
    rating->addWidget(m_ratings, 2);
    rating->addWidget(m_ratingValue, 1);
    auto* ratingLabel = new QLabel(tr("&Rating:"));
    ratingLabel->setBuddy(m_ratings);
    form->addRow(ratingLabel, rating);
    m_idealPoint = new QLabel;
    m_idealPoint->setObjectName("idealPoint");
    form->addRow(tr("Ideal point:"), m_idealPoint);
    m_committees = new QListWidget;
    m_committees->setObjectName("committees");
    m_committees->setSelectionMode(QAbstractItemView::NoSelection);
    m_committees->setMaximumHeight(90);
    form->addRow(tr("Committees:"), m_committees);
    return group;
}

QWidget* CMemberDlg::BuildVoteGroup() {
    auto* group = new QGroupBox(tr("Voting"));
    auto* grid = new QGridLayout(group);
    m_vote = AddField("vote");
    auto* voteLabel = new QLabel(tr("&Vote:"));
    voteLabel->setBuddy(m_vote);
    m_veto = new QCheckBox(tr("Ve&to"));
    m_candidate = new QCheckBox(tr("&Candidate"));
    m_rational = new QCheckBox(tr("R&ational"));
    m_veto->setObjectName("veto");
    m_candidate->setObjectName("candidate");
    m_rational->setObjectName("rational");
    grid->addWidget(voteLabel, 0, 0);
    grid->addWidget(m_vote, 0, 1, 1, 2);
    grid->addWidget(m_veto, 1, 0);
    grid->addWidget(m_candidate, 1, 1);
    grid->addWidget(m_rational, 1, 2);
    return group;
}

QWidget* CMemberDlg::BuildPreferenceGroup() {
    auto* group = new QGroupBox(tr("Preference"));
    auto* layout = new QVBoxLayout(group);
    auto* types = new QGridLayout;
    m_prefTypes = new QButtonGroup(this);
    int index = 0;
    for (const SPrefTypeButton& entry : kPrefTypeButtons) {
        auto* button = new QRadioButton(tr(entry.text));
        button->setObjectName(QStringLiteral("pref%1").arg(entry.prefType));
        m_prefTypes->addButton(button, entry.prefType);
        types->addWidget(button, index / 2, index % 2);
        ++index;
    }
    layout->addLayout(types);
    auto* form = new QFormLayout;
    m_salience = AddField("salience");
    m_angle = AddField("angle");
    m_discount = AddField("discount");
    m_intensity = AddField("intensity");
    m_beta = AddField("beta");
    form->addRow(tr("Salience (V/H)"), m_salience);
    form->addRow(tr("Complementarity (Angle in degrees)"), m_angle);
    form->addRow(tr("Discount"), m_discount);
    form->addRow(tr("Intensity"), m_intensity);
    form->addRow(tr("Beta"), m_beta);
    layout->addLayout(form);
    return group;
}

QWidget* CMemberDlg::BuildNavigation() {
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    auto* previous = new QPushButton(tr("&Previous"));
    auto* next = new QPushButton(tr("&Next"));
    auto* find = new QPushButton(tr("&Find..."));
    auto* close = new QPushButton(tr("Close"));
    previous->setObjectName("previous");
    next->setObjectName("next");
    find->setObjectName("find");
    close->setObjectName("close");
    // Enter ends a field's edit; it must not also press a button.
    for (QPushButton* button : {previous, next, find, close})
        button->setAutoDefault(false);
    row->addWidget(previous);
    row->addWidget(next);
    row->addWidget(find);
    row->addStretch(1);
    row->addWidget(close);
    connect(previous, &QPushButton::clicked, this, [this] {
        m_editor.Previous();
        UpdateFields();
    });
    connect(next, &QPushButton::clicked, this, [this] {
        m_editor.Next();
        UpdateFields();
    });
    connect(find, &QPushButton::clicked, this, &CMemberDlg::FindMember);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    return bar;
}

void CMemberDlg::FindMember() {
    std::vector<SFormListEntry> entries;
    for (const std::unique_ptr<CMember>& member : m_editor.Walked().members)
        entries.push_back({member->Label(), nullptr, member.get()});
    CFindEntryDlg dialog(entries, LIST_MEMBERS, this);
    dialog.SetSearchText(m_lastName->text());
    if (dialog.exec() != QDialog::Accepted)
        return;
    ShowMember(entries[static_cast<std::size_t>(dialog.ChosenEntry())].member);
}

std::optional<double> CMemberDlg::Number(QLineEdit* field, ENumberKind kind) const {
    return ReadNumberField(*field, kind);
}

void CMemberDlg::ConnectFields() {
    auto onEdit = [this](QLineEdit* field, auto write) {
        connect(field, &QLineEdit::editingFinished, this, [this, write] {
            if (!m_showing)
                write();
        });
    };
    onEdit(m_lastName, [this] { m_editor.SetLastName(m_lastName->text().toStdString()); });
    onEdit(m_firstName, [this] { m_editor.SetFirstName(m_firstName->text().toStdString()); });
    onEdit(m_middleName, [this] { m_editor.SetMiddleName(m_middleName->text().toStdString()); });
    onEdit(m_vote, [this] {
        if (const auto weight = Number(m_vote, ENumberKind::Weight))
            m_editor.SetVoteWeight(*weight);
        UpdateFields();
    });
    onEdit(m_ratingValue, [this] {
        if (const auto value = Number(m_ratingValue, ENumberKind::Coordinate))
            m_editor.SetRatingValue(m_ratings->currentData().toString().toStdString(), *value);
        ShowIdealPoint(Member());
        ShowRatingValue();
    });
    connect(m_ratings, &QComboBox::currentIndexChanged, this, [this] { ShowRatingValue(); });
    connect(m_veto, &QCheckBox::clicked, this, [this](bool on) { m_editor.SetVeto(on); });
    connect(m_candidate, &QCheckBox::clicked, this, [this](bool on) { m_editor.SetCandidate(on); });
    connect(m_rational, &QCheckBox::clicked, this,
            [this](bool on) { m_editor.SetRationalBox(on); });
}

void CMemberDlg::ConnectPreferenceFields() {
    connect(m_prefTypes, &QButtonGroup::idClicked, this, [this](int prefType) {
        const auto salience = Number(m_salience, ENumberKind::Coordinate);
        const auto angle = Number(m_angle, ENumberKind::Coordinate);
        if (salience && angle)
            ShowPreferenceFields(m_editor.ChoosePreferenceType(prefType, *salience, *angle));
        else
            ShowPreferenceFields(m_editor.PreferenceFields());
    });
    auto onValue = [this](QLineEdit* field, void (CMemberEditor::*write)(double)) {
        connect(field, &QLineEdit::editingFinished, this, [this, field, write] {
            if (m_showing)
                return;
            if (const auto value = Number(field, ENumberKind::Coordinate))
                (m_editor.*write)(*value);
            ShowPreferenceFields(m_editor.PreferenceFields());
        });
    };
    onValue(m_salience, &CMemberEditor::SetSalience);
    onValue(m_angle, &CMemberEditor::SetAngle);
    onValue(m_discount, &CMemberEditor::SetDiscount);
    onValue(m_intensity, &CMemberEditor::SetIntensity);
    onValue(m_beta, &CMemberEditor::SetBeta);
}

void CMemberDlg::ShowMember(const CMember* member) {
    m_editor.ShowMember(member);
    UpdateFields();
}

void CMemberDlg::MemberMoved(const CMember* member) {
    if (member && member == Member()) {
        ShowIdealPoint(member);
        ShowRatingValue();
    }
}

void CMemberDlg::UpdateFields() {
    m_showing = true;
    (m_editor.House() == HOUSE_LOWER ? m_lowerHouse : m_upperHouse)->setChecked(true);
    const CMember* member = Member();
    for (QWidget* group : {m_nameGroup, m_voteGroup, m_preferenceGroup})
        group->setEnabled(member != nullptr);
    m_lastName->setText(member ? Text(member->LastName()) : QString());
    m_firstName->setText(member ? Text(member->FirstName()) : QString());
    m_middleName->setText(member ? Text(member->MiddleName()) : QString());
    const std::string* party = member ? member->NominalAttribute("PARTY") : nullptr;
    m_affiliation->setText(party ? Text(*party) : QString());
    m_constituency->setText(member ? ConstituencyText(*member) : QString());
    m_vote->setText(member ? NumberText(member->VoteWeight()) : QString());
    m_veto->setChecked(member && member->Veto() != 0);
    m_candidate->setChecked(member && member->Candidate() != 0);
    m_rational->setChecked(member && member->Rational() == 0);
    m_committees->clear();
    m_ratings->clear();
    if (member) {
        for (const CCommittee* committee : member->Committees())
            m_committees->addItem(
                Text(committee->Name().empty() ? committee->CommitteeID() : committee->Name()));
        ShowRatings(*member);
    }
    ShowIdealPoint(member);
    m_showing = false;
    ShowPreferenceFields(m_editor.PreferenceFields());
}

void CMemberDlg::ShowRatings(const CMember& member) {
    for (const CRating& rating : member.Ratings()) {
        if (!rating.scale)
            continue;
        const std::string& id = rating.scale->RatingID();
        const std::string& name = rating.scale->Rating();
        m_ratings->addItem(Text(name.empty() ? id : id + " " + name), Text(id));
    }
    ShowRatingValue();
}

void CMemberDlg::ShowRatingValue() {
    const CMember* member = Member();
    const CRating* rating =
        member ? member->FindRating(m_ratings->currentData().toString().toStdString()) : nullptr;
    const bool showing = m_showing;
    m_showing = true;
    m_ratingValue->setText(rating ? QString::asprintf("%f", rating->Value) : QString());
    m_showing = showing;
}

void CMemberDlg::ShowIdealPoint(const CMember* member) {
    m_idealPoint->setText(member ? NumberText(member->IdealPoint().x) + ", " +
                                       NumberText(member->IdealPoint().y)
                                 : QString());
}

void CMemberDlg::ShowPreferenceFields(const SPreferenceFields& fields) {
    m_showing = true;
    if (QAbstractButton* button = m_prefTypes->button(fields.prefType))
        button->setChecked(true);
    m_salience->setText(NumberText(fields.salience));
    m_angle->setText(NumberText(fields.angle));
    m_discount->setText(NumberText(fields.discount));
    m_intensity->setText(NumberText(fields.intensity));
    m_beta->setText(NumberText(fields.beta));
    m_showing = false;
}
