#include "dialogs/ImportDlg.h"

#include "dialogs/DialogFields.h"
#include "import/ImportCommand.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

/// The fields of a table's columns: their labels and object names, in SCsvColumns' order.
const char* const kColumnFields[6][2] = {{"&Horizontal:", "columnH"}, {"&Vertical:", "columnV"},
                                         {"&ID:", "columnId"},        {"&Name:", "columnName"},
                                         {"&Party:", "columnParty"},  {"&Weight:", "columnWeight"}};

/// The members of SCsvColumns in the order of kColumnFields.
std::string SCsvColumns::*const kColumnMembers[6] = {&SCsvColumns::h,     &SCsvColumns::v,
                                                     &SCsvColumns::id,    &SCsvColumns::name,
                                                     &SCsvColumns::party, &SCsvColumns::weight};

} // namespace

CImportDlg::CImportDlg(const SImportSource& initial, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Import"));
    m_format = new QComboBox;
    m_format->setObjectName("format");
    m_format->addItems({tr("Roll-call member file (voteview)"), tr("Table with a header (CSV)")});
    m_file = new QLineEdit(QString::fromStdString(initial.file));
    m_file->setObjectName("file");
    m_file->setMinimumWidth(320);
    auto* fileLabel = new QLabel(tr("&File:"));
    fileLabel->setBuddy(m_file);
    auto* browse = new QPushButton(tr("&Browse..."));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(browse);
    m_pages = new QStackedWidget;
    m_pages->addWidget(RollCallPage(initial.rollCallOptions));
    m_pages->addWidget(TablePage(initial.csvColumns));
    m_format->setCurrentIndex(initial.rollCall ? 0 : 1);
    m_pages->setCurrentIndex(m_format->currentIndex());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    auto* form = new QFormLayout;
    form->addRow(tr("&Format:"), m_format);
    form->addRow(fileLabel, fileRow);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);
    connect(m_format, &QComboBox::currentIndexChanged, m_pages, &QStackedWidget::setCurrentIndex);
    connect(browse, &QPushButton::clicked, this, &CImportDlg::Browse);
    connect(buttons, &QDialogButtonBox::accepted, this, &CImportDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QWidget* CImportDlg::RollCallPage(const SRollCallOptions& options) {
    m_congress = new QSpinBox;
    m_congress->setObjectName("congress");
    m_congress->setRange(1, 999);
    m_congress->setValue(std::max(options.congress, 1));
    m_chamber = new QComboBox;
    m_chamber->setObjectName("chamber");
    m_chamber->addItems({"House", "Senate"});
    m_chamber->setCurrentText(QString::fromStdString(options.chamber));
    m_scores = new QComboBox;
    m_scores->setObjectName("scores");
    m_scores->addItems({tr("NOMINATE"), tr("Nokken-Poole")});
    m_scores->setCurrentIndex(options.nokkenPoole ? 1 : 0);
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->addRow(tr("&Congress:"), m_congress);
    form->addRow(tr("C&hamber:"), m_chamber);
    form->addRow(tr("&Scores:"), m_scores);
    return page;
}

QWidget* CImportDlg::TablePage(const SCsvColumns& columns) {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    for (int i = 0; i < 6; ++i) {
        m_columns[i] = new QLineEdit(QString::fromStdString(columns.*kColumnMembers[i]));
        m_columns[i]->setObjectName(kColumnFields[i][1]);
        form->addRow(tr(kColumnFields[i][0]), m_columns[i]);
    }
    return page;
}

void CImportDlg::Browse() {
    const QString file = QFileDialog::getOpenFileName(this, tr("Import"), m_file->text(),
                                                      tr("Tables (*.csv *.txt);;All files (*)"));
    if (!file.isEmpty())
        m_file->setText(file);
}

std::optional<SImportSource> CImportDlg::Answer() {
    SImportSource source;
    source.rollCall = m_format->currentIndex() == 0;
    source.file = m_file->text().trimmed().toStdString();
    source.rollCallOptions = {m_congress->value(), m_chamber->currentText().toStdString(),
                              m_scores->currentIndex() == 1};
    for (int i = 0; i < 6; ++i)
        source.csvColumns.*kColumnMembers[i] = m_columns[i]->text().trimmed().toStdString();
    const std::string problem = ImportSourceProblem(source);
    if (problem.empty())
        return source;
    // The message names its field; the cursor goes back there.
    RefuseField(problem.find("File") != std::string::npos
                    ? *m_file
                    : *m_columns[source.csvColumns.h.empty() ? 0 : 1],
                problem);
    return std::nullopt;
}

void CImportDlg::accept() {
    if (Answer())
        QDialog::accept();
}
