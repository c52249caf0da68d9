#include "app/WidgetPlatform.h"

#include "dialogs/AgendaDlg.h"
#include "dialogs/BenefitOfDoubtDlg.h"
#include "dialogs/MonteCarloDlg.h"
#include "dialogs/RegularPolygonDlg.h"

#include <QWidget>

std::optional<SRegularPolygonSettings>
CWidgetPlatform::AskRegularPolygon(const SRegularPolygonSettings& initial) {
    CRegularPolygonDlg dialog(initial, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Answer();
}

std::optional<SAgendaSettings> CWidgetPlatform::AskAgenda(const SAgendaSettings& initial) {
    CAgendaDlg dialog(initial, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Answer();
}

bool CWidgetPlatform::RunMonteCarloDialog(CMonteCarloSession& session) {
    // A stop asked of an earlier computation must not end the first draw at once.
    m_cancel = false;
    CMonteCarloDlg dialog(session, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<SBenefitOfDoubtAnswer> CWidgetPlatform::AskBenefitOfDoubt(double current) {
    CBenefitOfDoubtDlg dialog(current, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Answer();
}
