#pragma once

#include "document/RationalityPresets.h"

#include <QDialog>

#include <vector>

class CSamplingBlockBox;
class QButtonGroup;
class QComboBox;
class QListWidget;

/// The "Rationality Model" dialog: a committee of the house, one of the six rationality models
/// with its preset, the default distribution shape and the ideal-point and status-quo sampling
/// blocks. It only fills the answer; the document applies it to the committee's members.
class CRationalityDlg : public QDialog {
    Q_OBJECT

public:
    /// A dialog over the committees offered, "Sincere" chosen and no committee selected.
    explicit CRationalityDlg(const std::vector<SCommitteeChoice>& committees,
                             QWidget* parent = nullptr);

    /// Chooses a model by its name, as the model list does; other texts change nothing.
    void ChooseModel(const QString& name);
    /// The answer the controls hold: the committee selected (empty for none), the model and
    /// both blocks.
    SRationalityModelAnswer Answer() const;

private:
    void ShowFields();

    std::vector<SCommitteeChoice> m_committees;
    SRationalityFields m_fields;
    QListWidget* m_committeeList = nullptr;
    QComboBox* m_models = nullptr;
    QButtonGroup* m_defaultShape = nullptr;
    CSamplingBlockBox* m_idealPoint = nullptr;
    CSamplingBlockBox* m_statusQuo = nullptr;
};
