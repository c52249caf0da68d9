#pragma once

#include "document/DisplayConfig.h"

#include <QPushButton>
#include <QWidget>

#include <cstdint>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

/// A swatch button showing a colour; clicking it opens the colour picker, whose choice becomes
/// the button's colour.
class CColorButton : public QPushButton {
    Q_OBJECT

public:
    explicit CColorButton(std::uint32_t color, QWidget* parent = nullptr);

    std::uint32_t Color() const { return m_color; }
    /// Shows a colour (what the picker's choice does).
    void SetColor(std::uint32_t color);

private:
    void Pick();

    std::uint32_t m_color = 0;
};

/// A pen's style, width and colour in one row; the controls are named after `name`
/// (name + "Style", "Width", "Color").
class CPenEditor : public QWidget {
    Q_OBJECT

public:
    CPenEditor(const QString& name, const SPenSpec& pen, QWidget* parent = nullptr);
    SPenSpec Pen() const;

private:
    QComboBox* m_style = nullptr;
    QSpinBox* m_width = nullptr;
    CColorButton* m_color = nullptr;
};

/// A brush's style, hatch and colour in one row (name + "Style", "Hatch", "Color"); the hatch
/// is offered only for a hatched brush.
class CBrushEditor : public QWidget {
    Q_OBJECT

public:
    CBrushEditor(const QString& name, const SBrushSpec& brush, QWidget* parent = nullptr);
    SBrushSpec Brush() const;

private:
    QComboBox* m_style = nullptr;
    QComboBox* m_hatch = nullptr;
    CColorButton* m_color = nullptr;
};

/// A chart font's face, height, weight, italic flag and colour in one row (name + "Face",
/// "Height", "Weight", "Italic", "Color").
class CFontEditor : public QWidget {
    Q_OBJECT

public:
    CFontEditor(const QString& name, const SFontSpec& font, QWidget* parent = nullptr);
    SFontSpec Font() const;

private:
    QLineEdit* m_face = nullptr;
    QSpinBox* m_height = nullptr;
    QSpinBox* m_weight = nullptr;
    QCheckBox* m_italic = nullptr;
    CColorButton* m_color = nullptr;
    int m_italicValue = 0;
};

/// A horizontal and a vertical extent in pixels (name + "H", "V").
class CSizeEditor : public QWidget {
    Q_OBJECT

public:
    CSizeEditor(const QString& name, const SSizeSpec& size, int largest, QWidget* parent = nullptr);
    SSizeSpec Size() const;

private:
    QSpinBox* m_cx = nullptr;
    QSpinBox* m_cy = nullptr;
};

/// Picks the entry of a combo box whose data is `code`; a code the list does not offer is added
/// as "Code %d", so a value read from a file survives the sheet unchanged.
void SelectCode(QComboBox& combo, int code);
/// The code of the combo box's current entry.
int SelectedCode(const QComboBox& combo);
