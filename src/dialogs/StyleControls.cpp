#include "dialogs/StyleControls.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QSpinBox>

namespace {

constexpr int kWidestPen = 50;
constexpr int kTallestFont = 200;
constexpr int kHeaviestFont = 1000;

QColor ToQColor(std::uint32_t color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

QHBoxLayout* Row(QWidget* owner) {
    auto* row = new QHBoxLayout(owner);
    row->setContentsMargins(0, 0, 0, 0);
    return row;
}

QComboBox* CodeCombo(const QString& objectName, std::initializer_list<const char*> names) {
    auto* combo = new QComboBox;
    combo->setObjectName(objectName);
    int code = 0;
    for (const char* name : names)
        combo->addItem(QObject::tr(name), code++);
    return combo;
}

QSpinBox* SpinBox(const QString& objectName, int lowest, int highest, int value) {
    auto* spin = new QSpinBox;
    spin->setObjectName(objectName);
    spin->setRange(lowest, highest);
    spin->setValue(value);
    return spin;
}

} // namespace

CColorButton::CColorButton(std::uint32_t color, QWidget* parent) : QPushButton(parent) {
    setFixedWidth(44);
    setToolTip(tr("Choose a colour"));
    SetColor(color);
    connect(this, &QPushButton::clicked, this, &CColorButton::Pick);
}

void CColorButton::SetColor(std::uint32_t color) {
    m_color = color & 0xFFFFFF;
    QPixmap swatch(24, 12);
    swatch.fill(ToQColor(m_color));
    setIcon(QIcon(swatch));
    setIconSize(swatch.size());
    const QColor shown = ToQColor(m_color);
    setAccessibleName(shown.name());
}

void CColorButton::Pick() {
    const QColor chosen = QColorDialog::getColor(ToQColor(m_color), this, tr("Colour"));
    if (chosen.isValid())
        SetColor(MakeRgb(chosen.red(), chosen.green(), chosen.blue()));
}

CPenEditor::CPenEditor(const QString& name, const SPenSpec& pen, QWidget* parent)
    : QWidget(parent) {
    setObjectName(name);
    m_style =
        CodeCombo(name + "Style", {"Solid", "Dash", "Dot", "Dash-Dot", "Dash-Dot-Dot", "None"});
    SelectCode(*m_style, pen.style);
    m_width = SpinBox(name + "Width", 0, kWidestPen, pen.width);
    m_width->setToolTip(tr("Width in pixels"));
    m_color = new CColorButton(pen.color);
    m_color->setObjectName(name + "Color");
    QHBoxLayout* row = Row(this);
    row->addWidget(m_style);
    row->addWidget(m_width);
    row->addWidget(m_color);
}

SPenSpec CPenEditor::Pen() const {
    return {SelectedCode(*m_style), m_width->value(), m_color->Color()};
}

CBrushEditor::CBrushEditor(const QString& name, const SBrushSpec& brush, QWidget* parent)
    : QWidget(parent) {
    setObjectName(name);
    m_style = CodeCombo(name + "Style", {"Solid", "None", "Hatched"});
    SelectCode(*m_style, brush.style);
    m_hatch = CodeCombo(name + "Hatch", {"Horizontal", "Vertical", "Forward Diagonal",
                                         "Backward Diagonal", "Cross", "Diagonal Cross"});
    SelectCode(*m_hatch, brush.hatch);
    m_color = new CColorButton(brush.color);
    m_color->setObjectName(name + "Color");
    QHBoxLayout* row = Row(this);
    row->addWidget(m_style);
    row->addWidget(m_hatch);
    row->addWidget(m_color);
    const auto offerHatch = [this] {
        m_hatch->setEnabled(SelectedCode(*m_style) == BrushStyle::Hatched);
    };
    connect(m_style, &QComboBox::currentIndexChanged, this, offerHatch);
    offerHatch();
}

SBrushSpec CBrushEditor::Brush() const {
    return {SelectedCode(*m_style), SelectedCode(*m_hatch), m_color->Color()};
}

CFontEditor::CFontEditor(const QString& name, const SFontSpec& font, QWidget* parent)
    : QWidget(parent), m_italicValue(font.italic) {
    setObjectName(name);
    m_face = new QLineEdit(QString::fromStdString(font.face));
    m_face->setObjectName(name + "Face");
    m_face->setMinimumWidth(140);
    m_height = SpinBox(name + "Height", 1, kTallestFont, font.height);
    m_height->setToolTip(tr("Height in pixels"));
    m_weight = SpinBox(name + "Weight", 0, kHeaviestFont, font.weight);
    m_weight->setSingleStep(100);
    m_weight->setToolTip(tr("Weight: 400 normal, 700 bold"));
    m_italic = new QCheckBox(tr("Italic"));
    m_italic->setObjectName(name + "Italic");
    m_italic->setChecked(font.italic != 0);
    m_color = new CColorButton(font.color);
    m_color->setObjectName(name + "Color");
    QHBoxLayout* row = Row(this);
    row->addWidget(m_face, 1);
    row->addWidget(m_height);
    row->addWidget(m_weight);
    row->addWidget(m_italic);
    row->addWidget(m_color);
}

SFontSpec CFontEditor::Font() const {
    // An italic flag read from a file may be any non-zero number; a box left ticked keeps it.
    const int italic = m_italic->isChecked() ? (m_italicValue != 0 ? m_italicValue : 1) : 0;
    return {m_face->text().toStdString(), m_height->value(), m_weight->value(), italic,
            m_color->Color()};
}

CSizeEditor::CSizeEditor(const QString& name, const SSizeSpec& size, int largest, QWidget* parent)
    : QWidget(parent) {
    setObjectName(name);
    m_cx = SpinBox(name + "H", 0, largest, size.cx);
    m_cy = SpinBox(name + "V", 0, largest, size.cy);
    QHBoxLayout* row = Row(this);
    row->addWidget(m_cx);
    row->addWidget(new QLabel(tr("by")));
    row->addWidget(m_cy);
    row->addStretch();
}

SSizeSpec CSizeEditor::Size() const {
    return {m_cx->value(), m_cy->value()};
}

void SelectCode(QComboBox& combo, int code) {
    int index = combo.findData(code);
    if (index < 0) {
        combo.addItem(QObject::tr("Code %1").arg(code), code);
        index = combo.count() - 1;
    }
    combo.setCurrentIndex(index);
}

int SelectedCode(const QComboBox& combo) {
    return combo.currentData().toInt();
}
