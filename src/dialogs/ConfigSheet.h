#pragma once

#include "document/DisplayConfig.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QCheckBox;
class QDoubleSpinBox;
class QFormLayout;
class QGridLayout;
class QSpinBox;
class QTabWidget;
class CBrushEditor;
class CColorButton;
class CFontEditor;
class CPenEditor;
class CSizeEditor;

/// The "Configuration Settings" sheet: five pages over every field of the settings record
/// (display switches; styles and colours; labels and fonts; algorithm parameters; chart and
/// thermograph). It edits a copy; OK hands the edited record back only when every value is
/// one the computations can work with, and otherwise names the value and keeps the sheet open.
/// Every control is named after the key of its field in the configuration block.
class CConfigSheet : public QDialog {
    Q_OBJECT

public:
    explicit CConfigSheet(const DisplayConfig& current, QWidget* parent = nullptr);

    /// The record the controls hold.
    DisplayConfig Config() const;
    /// Why the values held cannot be used (the first such value, by its caption and key); empty
    /// when they all can.
    QString Problem() const;

    /// OK: refuses with a message while a value cannot be used.
    void accept() override;

private:
    QWidget* BuildDisplayPage();
    QWidget* BuildStylesPage();
    QWidget* BuildLabelsPage();
    QWidget* BuildAlgorithmPage();
    QWidget* BuildChartPage();

    // Each binder makes the control of one field, showing the record's value, and remembers how
    // the control writes the field back.
    QCheckBox* BindFlag(int DisplayConfig::*field, const char* key, const QString& caption);
    QSpinBox* BindCount(int DisplayConfig::*field, const char* key, const QString& caption,
                        int lowest, int highest);
    QDoubleSpinBox* BindNumber(double DisplayConfig::*field, const char* key,
                               const QString& caption, double lowest, double highest);
    CColorButton* BindColor(std::uint32_t DisplayConfig::*field, const char* key,
                            const QString& caption);
    CPenEditor* BindPen(SPenSpec DisplayConfig::*field, const char* key, const QString& caption);
    CBrushEditor* BindBrush(SBrushSpec DisplayConfig::*field, const char* key,
                            const QString& caption);
    CFontEditor* BindFont(SFontSpec DisplayConfig::*field, const char* key, const QString& caption);
    CSizeEditor* BindSize(SSizeSpec DisplayConfig::*field, const char* key, const QString& caption,
                          int largest);
    void Remember(const char* key, const QString& caption, QWidget* control,
                  std::function<void(DisplayConfig&)> writer);
    /// The key of the first value that cannot be used; empty when there is none.
    std::string ProblemKey() const;
    /// Shows the page of a key's control and gives the control the focus.
    void ShowControl(const std::string& key);

    struct SBinding {
        QString caption;
        QWidget* control = nullptr;
    };

    DisplayConfig m_initial;
    std::vector<std::function<void(DisplayConfig&)>> m_writers;
    std::map<std::string, SBinding> m_bindings;
    QTabWidget* m_pages = nullptr;
};
