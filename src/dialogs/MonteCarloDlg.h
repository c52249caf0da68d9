#pragma once

#include "montecarlo/MonteCarloDraw.h"
#include "montecarlo/MonteCarloSettings.h"

#include <QDialog>

#include <memory>
#include <optional>

class CMonteCarloSession;
class QComboBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;

/// The "Monte Carlo" dialog over a session: the settings of the draw in its fields, and the
/// Run, Retain, Discard, Reset, OK and Cancel buttons, each the session's operation of that
/// name. The drawn points show on the chart while the dialog is open. Run draws on a worker
/// thread: the dialog stays live, shows how many points it has accepted, and offers only Stop
/// (also Escape and the close box), which ends the draw with the points found.
class CMonteCarloDlg : public QDialog {
    Q_OBJECT

public:
    /// A dialog showing the session's settings.
    explicit CMonteCarloDlg(CMonteCarloSession& session, QWidget* parent = nullptr);

    /// The settings the fields hold; nothing (after a message naming the field) when a field
    /// holds a value the draw cannot take.
    std::optional<SMonteCarloSettings> FieldSettings();

public slots:
    /// Draws on a worker thread and returns when the draw has ended; events are processed
    /// meanwhile.
    void Run();
    /// Asks a running draw to stop after its current candidate.
    void Stop();
    /// Whether a draw is running.
    bool IsDrawing() const { return m_progressState != nullptr; }
    void Retain();
    void Discard();
    void Reset();
    /// OK: the session keeps the drawn points and stores the settings; the dialog closes.
    void accept() override;
    /// Cancel (also Escape and the window's close box): the drawn points are dropped. While a
    /// draw runs this stops the draw instead and the dialog stays open.
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
    /// Hands the fields' settings to the session; false while a draw runs or when a field
    /// cannot be read (its message shown).
    bool TakeFieldSettings();
    /// Locks every field and button but Stop while a draw runs, and shows its progress.
    void ShowDrawing(bool drawing, int members);
    void ShowProgress();
    static void ShowNormalFields(SAxisFields& axis);

    CMonteCarloSession& m_session;
    QComboBox* m_model = nullptr;
    QLineEdit* m_members = nullptr;
    QLineEdit* m_seed = nullptr;
    SAxisFields m_horizontal;
    SAxisFields m_vertical;
    QPushButton* m_run = nullptr;
    QPushButton* m_stop = nullptr;
    QPushButton* m_retain = nullptr;
    QPushButton* m_discard = nullptr;
    QPushButton* m_reset = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QProgressBar* m_progress = nullptr;
    QTimer* m_progressTimer = nullptr;
    /// What the running draw publishes; set only while a draw runs.
    std::unique_ptr<SMonteCarloProgress> m_progressState;
};
