#include "app/WidgetPlatform.h"

#include "dialogs/ColorCodeDlg.h"
#include "dialogs/ConfigSheet.h"
#include "dialogs/ImportDlg.h"
#include "dialogs/MemberSubsetDlg.h"
#include "dialogs/RationalityDlg.h"
#include "dialogs/WinSetListDlg.h"
#include "import/ImportCommand.h"

std::optional<SMemberSubsetAnswer>
CWidgetPlatform::AskMemberSubset(const std::string& title,
                                 const std::vector<SMemberChoice>& members) {
    CMemberSubsetDlg dialog(QString::fromStdString(title), members, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Answer();
}

std::optional<SRationalityModelAnswer>
CWidgetPlatform::AskRationalityModel(const std::vector<SCommitteeChoice>& committees) {
    CRationalityDlg dialog(committees, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Answer();
}

void CWidgetPlatform::Ask(CDialogQuestion& question) {
    if (auto* sheet = dynamic_cast<CConfigurationQuestion*>(&question))
        sheet->SetAnswer(AskConfiguration(sheet->Current()));
    else if (auto* colors = dynamic_cast<CColorCodeQuestion*>(&question))
        colors->SetAnswer(AskColorCode(colors->Config()));
    else if (auto* monteCarlo = dynamic_cast<CMonteCarloDialogQuestion*>(&question))
        monteCarlo->SetDialogResult(RunMonteCarloDialog(monteCarlo->Session()));
    else if (auto* import = dynamic_cast<CImportQuestion*>(&question))
        import->SetAnswer(AskImport(import->Initial()));
}

std::optional<SImportSource> CWidgetPlatform::AskImport(const SImportSource& initial) const {
    CImportDlg dialog(initial, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Answer();
}

std::optional<DisplayConfig> CWidgetPlatform::AskConfiguration(const DisplayConfig& current) const {
    CConfigSheet sheet(current, m_parent);
    if (sheet.exec() != QDialog::Accepted)
        return std::nullopt;
    return sheet.Config();
}

std::optional<SWinSetListAnswer>
CWidgetPlatform::AskWinSetListEdits(const std::vector<std::string>& labels) {
    CWinSetListDlg dialog(labels, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Answer();
}

std::optional<SColorCodeAnswer> CWidgetPlatform::AskColorCode(const DisplayConfig& config) const {
    CColorCodeDlg dialog(config, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return SColorCodeAnswer{};
}
