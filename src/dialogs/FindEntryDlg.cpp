#include "dialogs/FindEntryDlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

CFindEntryDlg::CFindEntryDlg(std::vector<SFormListEntry> entries, int listMode, QWidget* parent)
    : QDialog(parent), m_entries(std::move(entries)) {
    const bool members = listMode == LIST_MEMBERS;
    setWindowTitle(members ? tr("Find Member") : tr("Find Committee"));
    m_text = new QLineEdit;
    m_text->setObjectName("text");
    m_text->setClearButtonEnabled(true);
    m_list = new QListWidget;
    m_list->setObjectName("found");
    m_keys = new QButtonGroup(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(members ? tr("Find &member:") : tr("Find &committee:"), m_text);
    layout->addLayout(form);
    if (members) {
        auto* keyBox = new QGroupBox(tr("Search by"));
        auto* keyRow = new QHBoxLayout(keyBox);
        const std::pair<const char*, EFindKey> keys[] = {{"Name", EFindKey::Name},
                                                         {"Affiliation", EFindKey::Affiliation},
                                                         {"Committee", EFindKey::Committee}};
        for (const auto& [name, key] : keys) {
            auto* button = new QRadioButton(tr(name));
            button->setObjectName(QStringLiteral("by") + QString::fromUtf8(name));
            m_keys->addButton(button, static_cast<int>(key));
            keyRow->addWidget(button);
        }
        keyRow->addStretch(1);
        m_keys->button(static_cast<int>(EFindKey::Name))->setChecked(true);
        layout->addWidget(keyBox);
    }
    auto* foundLabel = new QLabel(tr("&Found:"));
    foundLabel->setBuddy(m_list);
    layout->addWidget(foundLabel);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(340, 320);

    connect(m_text, &QLineEdit::textChanged, this, &CFindEntryDlg::ShowFound);
    connect(m_keys, &QButtonGroup::idClicked, this, &CFindEntryDlg::ShowFound);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CFindEntryDlg::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &CFindEntryDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ShowFound();
}

EFindKey CFindEntryDlg::Key() const {
    const int checked = m_keys->checkedId();
    return checked < 0 ? EFindKey::Name : static_cast<EFindKey>(checked);
}

void CFindEntryDlg::ShowFound() {
    m_found = FindListEntries(m_entries, m_text->text().toStdString(), Key());
    m_list->clear();
    for (int index : m_found)
        m_list->addItem(QString::fromStdString(m_entries[static_cast<std::size_t>(index)].text));
    if (m_found.size() == 1)
        m_list->setCurrentRow(0);
}

int CFindEntryDlg::ChosenEntry() const {
    const int row = m_list->currentRow();
    if (row >= 0 && row < static_cast<int>(m_found.size()))
        return m_found[static_cast<std::size_t>(row)];
    return m_found.size() == 1 ? m_found.front() : -1;
}

void CFindEntryDlg::SetSearchText(const QString& text) {
    m_text->setText(text);
}

void CFindEntryDlg::accept() {
    // Nothing found or nothing chosen among several: the dialog stays for another try.
    if (ChosenEntry() < 0)
        return;
    QDialog::accept();
}
