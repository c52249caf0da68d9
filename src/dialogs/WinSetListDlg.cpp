#include "dialogs/WinSetListDlg.h"

#include "geometry/Rgn.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

struct SCombineButton {
    int mode;
    const char* text;
    const char* objectName;
    const char* word;
};

const SCombineButton kCombineButtons[] = {
    {RGN_OR, "&Union", "union", "or"},
    {RGN_AND, "&Intersection", "intersection", "and"},
    {RGN_XOR, "&Exclusive", "exclusive", "X"},
    {RGN_DIFF, "&Difference", "difference", "-"},
};

/// The description part of an entry's label: what stands inside "( ... )" after the tab.
QString DescriptionOf(const std::string& label) {
    QString text = QString::fromStdString(label);
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    if (tab < 0)
        return {};
    text = text.mid(tab + 1).trimmed();
    if (text.startsWith(QLatin1Char('(')) && text.endsWith(QLatin1Char(')')))
        text = text.mid(1, text.size() - 2).trimmed();
    return text;
}

} // namespace

CWinSetListDlg::CWinSetListDlg(const std::vector<std::string>& labels, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Win Set List Editor"));
    for (const std::string& label : labels)
        m_descriptions << DescriptionOf(label);
    m_list = new QListWidget;
    m_list->setObjectName("winSets");
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* heading = new QLabel(tr("&List of Win Sets"));
    heading->setBuddy(m_list);
    m_status = new QLabel;
    m_status->setObjectName("status");

    auto* actions = new QGridLayout;
    int index = 0;
    for (const SCombineButton& entry : kCombineButtons) {
        auto* button = new QPushButton(tr(entry.text));
        button->setObjectName(entry.objectName);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, mode = entry.mode] { Combine(mode); });
        actions->addWidget(button, index / 2, index % 2);
        m_combineButtons.push_back(button);
        ++index;
    }
    m_capture = new QPushButton(tr("&Capture"));
    m_capture->setObjectName("capture");
    m_delete = new QPushButton(tr("Dele&te"));
    m_delete->setObjectName("delete");
    for (QPushButton* button : {m_capture, m_delete})
        button->setAutoDefault(false);
    actions->addWidget(m_capture, 2, 0);
    actions->addWidget(m_delete, 2, 1);
    actions->setRowStretch(3, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    auto* left = new QVBoxLayout;
    left->addWidget(heading);
    left->addWidget(m_list, 1);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(actions);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(m_status);
    layout->addWidget(buttons);

    connect(m_capture, &QPushButton::clicked, this, &CWinSetListDlg::Capture);
    connect(m_delete, &QPushButton::clicked, this, &CWinSetListDlg::Delete);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &CWinSetListDlg::OfferButtons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ShowList();
}

std::vector<std::size_t> CWinSetListDlg::Selected() const {
    std::vector<std::size_t> selected;
    for (int row = 0; row < m_list->count(); ++row)
        if (m_list->item(row)->isSelected())
            selected.push_back(static_cast<std::size_t>(row));
    return selected;
}

void CWinSetListDlg::Combine(int mode) {
    const std::vector<std::size_t> selected = Selected();
    const auto button = std::find_if(std::begin(kCombineButtons), std::end(kCombineButtons),
                                     [mode](const SCombineButton& b) { return b.mode == mode; });
    if (selected.size() < 2 || button == std::end(kCombineButtons))
        return;
    QString description = QString::number(selected.front() + 1);
    for (std::size_t k = 1; k < selected.size(); ++k)
        description += QStringLiteral(" %1 %2").arg(button->word).arg(selected[k] + 1);
    m_descriptions << description;
    m_answer.edits.push_back({SWinSetListEdit::EKind::Combine, mode, selected});
    ShowList();
    m_list->setCurrentRow(m_list->count() - 1);
    m_status->setText(tr("Win set %1 added.").arg(m_list->count()));
}

void CWinSetListDlg::Capture() {
    const std::vector<std::size_t> selected = Selected();
    if (selected.size() != 1)
        return;
    m_answer.edits.push_back({SWinSetListEdit::EKind::Capture, 0, selected});
    m_status->setText(tr("Win set %1 becomes the captured win set.").arg(selected.front() + 1));
}

void CWinSetListDlg::Delete() {
    std::vector<std::size_t> selected = Selected();
    if (selected.empty())
        return;
    m_answer.edits.push_back({SWinSetListEdit::EKind::Delete, 0, selected});
    std::sort(selected.rbegin(), selected.rend());
    for (std::size_t index : selected)
        m_descriptions.removeAt(static_cast<qsizetype>(index));
    ShowList();
    m_status->setText(tr("%n win set(s) deleted.", nullptr, static_cast<int>(selected.size())));
}

void CWinSetListDlg::ShowList() {
    m_list->clear();
    for (qsizetype i = 0; i < m_descriptions.size(); ++i) {
        // The entries are numbered by their place, as the document's list numbers them.
        QString text = QString::number(i + 1);
        if (!m_descriptions[i].isEmpty())
            text += QStringLiteral("    ( %1 )").arg(m_descriptions[i]);
        m_list->addItem(text);
    }
    OfferButtons();
}

void CWinSetListDlg::OfferButtons() {
    const std::size_t selected = Selected().size();
    for (QPushButton* button : m_combineButtons)
        button->setEnabled(m_list->count() > 0 && selected >= 2);
    m_capture->setEnabled(selected == 1);
    m_delete->setEnabled(selected >= 1);
}
