#include "dialogs/MemberSubsetDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CMemberSubsetDlg::CMemberSubsetDlg(const QString& title, const std::vector<SMemberChoice>& members,
                                   QWidget* parent)
    : QDialog(parent), m_members(members) {
    setWindowTitle(title);
    m_list = new QListWidget;
    m_list->setObjectName("members");
    for (const SMemberChoice& member : m_members) {
        auto* item = new QListWidgetItem(QString::fromStdString(member.label), m_list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    auto* all = new QPushButton(tr("Select &All"));
    all->setObjectName("selectAll");
    auto* none = new QPushButton(tr("Select &None"));
    none->setObjectName("selectNone");
    m_count = new QLabel;
    m_count->setObjectName("count");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    auto* heading = new QLabel(tr("&Members:"));
    heading->setBuddy(m_list);
    auto* side = new QHBoxLayout;
    side->addWidget(all);
    side->addWidget(none);
    side->addStretch();
    side->addWidget(m_count);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_list, 1);
    layout->addLayout(side);
    layout->addWidget(buttons);

    connect(all, &QPushButton::clicked, this, [this] { TickAll(true); });
    connect(none, &QPushButton::clicked, this, [this] { TickAll(false); });
    connect(m_list, &QListWidget::itemChanged, this, &CMemberSubsetDlg::ShowCount);
    // A double click ticks or unticks the member, as a click on its box does.
    connect(m_list, &QListWidget::itemDoubleClicked, this, [](QListWidgetItem* item) {
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ShowCount();
}

SMemberSubsetAnswer CMemberSubsetDlg::Answer() const {
    SMemberSubsetAnswer answer;
    for (int row = 0; row < m_list->count(); ++row)
        if (m_list->item(row)->checkState() == Qt::Checked)
            answer.memberIds.push_back(m_members[static_cast<std::size_t>(row)].id);
    return answer;
}

void CMemberSubsetDlg::TickAll(bool on) {
    for (int row = 0; row < m_list->count(); ++row)
        m_list->item(row)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

void CMemberSubsetDlg::ShowCount() {
    m_count->setText(tr("%1 of %2 chosen")
                         .arg(static_cast<int>(Answer().memberIds.size()))
                         .arg(m_list->count()));
}
