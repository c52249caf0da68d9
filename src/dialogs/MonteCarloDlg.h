#pragma once

#include "montecarlo/MonteCarloSettings.h"

#include <QDialog>

#include <optional>

class CMonteCarloSession;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

/// The "Monte Carlo" dialog over a session: the settings of the draw in its fields, and the
/// Run, Retain, Discard, Reset, OK and Cancel buttons, each the session's operation of that
/// name. The drawn points show on the chart while the dialog is open.
class CMonteCarloDlg : public QDialog {
    Q_OBJECT

public:
    /// A dialog showing the session's settings.
    explicit CMonteCarloDlg(CMonteCarloSession& session, QWidget* parent = nullptr);

    /// The settings the fields hold; nothing (after a message naming the field) when a field
    /// holds a value the draw cannot take.
    std::optional<SMonteCarloSettings> FieldSettings();

public slots:
    void Run();
    void Retain();
    void Discard();
    void Reset();
    /// OK: the session keeps the drawn points and stores the settings; the dialog closes.
    void accept() override;
    /// Cancel (also Escape and the window's close box): the drawn points are dropped.
    void reject() override;

private:
    /// One issue dimension's distribution buttons and normal-distribution fields.
    struct SAxisFields {
        QRadioButton* uniform = nullptr;
        QRadioButton* normal = nullptr;
        QLineEdit* mean = nullptr;
        QLineEdit* stdDev = nullptr;
    };

    QWidget* BuildAxisBox(const QString& title, const char* prefix, SAxisFields& axis);
    void ShowSettings(const SMonteCarloSettings& settings);
    void ShowButtons();
    static void ShowNormalFields(SAxisFields& axis);

    CMonteCarloSession& m_session;
    QComboBox* m_model = nullptr;
    QLineEdit* m_members = nullptr;
    QLineEdit* m_seed = nullptr;
    SAxisFields m_horizontal;
    SAxisFields m_vertical;
    QPushButton* m_run = nullptr;
    QPushButton* m_retain = nullptr;
    QPushButton* m_discard = nullptr;
    QPushButton* m_reset = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};
