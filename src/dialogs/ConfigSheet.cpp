#include "dialogs/ConfigSheet.h"

#include "dialogs/StyleControls.h"
#include "document/ConfigBounds.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QMessageBox>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

CConfigSheet::CConfigSheet(const DisplayConfig& current, QWidget* parent)
    : QDialog(parent), m_initial(current) {
    setWindowTitle(tr("Configuration Settings"));
    m_pages = new QTabWidget;
    m_pages->setObjectName("pages");
    m_pages->addTab(BuildDisplayPage(), tr("&Display"));
    m_pages->addTab(BuildStylesPage(), tr("&Styles and Colours"));
    m_pages->addTab(BuildLabelsPage(), tr("&Labels and Fonts"));
    m_pages->addTab(BuildAlgorithmPage(), tr("&Algorithms"));
    m_pages->addTab(BuildChartPage(), tr("&Chart and Thermograph"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CConfigSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

DisplayConfig CConfigSheet::Config() const {
    DisplayConfig config = m_initial;
    for (const auto& write : m_writers)
        write(config);
    return config;
}

std::string CConfigSheet::ProblemKey() const {
    const DisplayConfig config = Config();
    for (const std::string& key : DisplayConfig::KeyNames())
        if (!ConfigValueProblem(config, key).empty())
            return key;
    return {};
}

QString CConfigSheet::Problem() const {
    const std::string key = ProblemKey();
    if (key.empty())
        return {};
    const auto bound = m_bindings.find(key);
    const QString caption =
        bound != m_bindings.end() ? bound->second.caption : QString::fromStdString(key);
    return tr("%1: %2.").arg(caption, QString::fromStdString(ConfigValueProblem(Config(), key)));
}

void CConfigSheet::accept() {
    const std::string key = ProblemKey();
    if (key.empty()) {
        QDialog::accept();
        return;
    }
    ShowControl(key);
    QMessageBox::warning(this, windowTitle(), Problem());
}

void CConfigSheet::ShowControl(const std::string& key) {
    const auto bound = m_bindings.find(key);
    if (bound == m_bindings.end())
        return;
    QWidget* control = bound->second.control;
    for (int page = 0; page < m_pages->count(); ++page)
        if (m_pages->widget(page)->isAncestorOf(control))
            m_pages->setCurrentIndex(page);
    control->setFocus();
}

void CConfigSheet::Remember(const char* key, const QString& caption, QWidget* control,
                            std::function<void(DisplayConfig&)> writer) {
    control->setObjectName(key);
    control->setToolTip(caption);
    m_bindings[key] = {caption, control};
    m_writers.push_back(std::move(writer));
}

QCheckBox* CConfigSheet::BindFlag(int DisplayConfig::*field, const char* key,
                                  const QString& caption) {
    auto* box = new QCheckBox(caption);
    const int initial = m_initial.*field;
    box->setChecked(initial != 0);
    // Any non-zero value counts as set; a box left ticked keeps the value it was given.
    Remember(key, caption, box, [box, field, initial](DisplayConfig& config) {
        config.*field = box->isChecked() ? (initial != 0 ? initial : 1) : 0;
    });
    return box;
}

QSpinBox* CConfigSheet::BindCount(int DisplayConfig::*field, const char* key,
                                  const QString& caption, int lowest, int highest) {
    auto* spin = new QSpinBox;
    // A value from a file outside the offered range is still shown as it is.
    spin->setRange(std::min(lowest, m_initial.*field), std::max(highest, m_initial.*field));
    spin->setValue(m_initial.*field);
    Remember(key, caption, spin,
             [spin, field](DisplayConfig& config) { config.*field = spin->value(); });
    return spin;
}

QDoubleSpinBox* CConfigSheet::BindNumber(double DisplayConfig::*field, const char* key,
                                         const QString& caption, double lowest, double highest) {
    auto* spin = new QDoubleSpinBox;
    // The configuration block keeps six decimals.
    spin->setDecimals(6);
    spin->setRange(std::min(lowest, m_initial.*field), std::max(highest, m_initial.*field));
    spin->setValue(m_initial.*field);
    const double initial = m_initial.*field;
    // An untouched box hands back the record's own value, not its rounded display.
    Remember(key, caption, spin, [spin, field, initial, shown = spin->value()](DisplayConfig& c) {
        c.*field = spin->value() == shown ? initial : spin->value();
    });
    return spin;
}

CColorButton* CConfigSheet::BindColor(std::uint32_t DisplayConfig::*field, const char* key,
                                      const QString& caption) {
    auto* button = new CColorButton(m_initial.*field);
    Remember(key, caption, button,
             [button, field](DisplayConfig& config) { config.*field = button->Color(); });
    return button;
}

CPenEditor* CConfigSheet::BindPen(SPenSpec DisplayConfig::*field, const char* key,
                                  const QString& caption) {
    auto* editor = new CPenEditor(key, m_initial.*field);
    Remember(key, caption, editor,
             [editor, field](DisplayConfig& config) { config.*field = editor->Pen(); });
    return editor;
}

CBrushEditor* CConfigSheet::BindBrush(SBrushSpec DisplayConfig::*field, const char* key,
                                      const QString& caption) {
    auto* editor = new CBrushEditor(key, m_initial.*field);
    Remember(key, caption, editor,
             [editor, field](DisplayConfig& config) { config.*field = editor->Brush(); });
    return editor;
}

CFontEditor* CConfigSheet::BindFont(SFontSpec DisplayConfig::*field, const char* key,
                                    const QString& caption) {
    auto* editor = new CFontEditor(key, m_initial.*field);
    Remember(key, caption, editor,
             [editor, field](DisplayConfig& config) { config.*field = editor->Font(); });
    return editor;
}

CSizeEditor* CConfigSheet::BindSize(SSizeSpec DisplayConfig::*field, const char* key,
                                    const QString& caption, int largest) {
    auto* editor = new CSizeEditor(key, m_initial.*field, largest);
    Remember(key, caption, editor,
             [editor, field](DisplayConfig& config) { config.*field = editor->Size(); });
    return editor;
}
