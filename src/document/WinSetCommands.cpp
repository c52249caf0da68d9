#include "document/WinSetCommands.h"

#include "document/QueltaDoc.h"
#include "platform/Platform.h"

namespace {

void RefreshWhenCaptureShown(CQueltaDoc& doc) {
    if (doc.Config().flagWinSetCap)
        doc.RefreshAndModify();
}

bool FitsList(const CWinSetList& list, const std::vector<std::size_t>& selected) {
    for (std::size_t index : selected)
        if (index >= list.Size())
            return false;
    return true;
}

void ApplyEdit(CQueltaDoc& doc, const SWinSetListEdit& edit) {
    CWinSetList& list = doc.WinSetList();
    if (!FitsList(list, edit.selected))
        return;
    switch (edit.kind) {
    case SWinSetListEdit::EKind::Combine:
        list.Combine(edit.selected, edit.mode);
        break;
    case SWinSetListEdit::EKind::Capture:
        if (edit.selected.size() == 1)
            doc.Game().CaptureWinSet(&list.At(edit.selected.front()));
        break;
    case SWinSetListEdit::EKind::Delete:
        list.Delete(edit.selected);
        break;
    }
}

} // namespace

void CaptureWinSetCommand(CQueltaDoc& doc) {
    doc.Game().CaptureWinSet();
    RefreshWhenCaptureShown(doc);
}

void CombineWinSetCommand(CQueltaDoc& doc, int mode) {
    doc.Game().CombineCapturedWinSet(mode);
    RefreshWhenCaptureShown(doc);
}

void AddWinSetToList(CQueltaDoc& doc) {
    doc.WinSetList().Add(doc.Game().GetWinSet());
}

void FreeWinSetList(CQueltaDoc& doc) {
    doc.WinSetList().Free();
}

void ApplyWinSetListEdits(CQueltaDoc& doc, const SWinSetListAnswer& answer) {
    for (const SWinSetListEdit& edit : answer.edits)
        ApplyEdit(doc, edit);
    doc.RefreshAndModify();
}

bool ShowWinSetListCommand(CQueltaDoc& doc) {
    std::vector<std::string> labels;
    for (std::size_t i = 0; i < doc.WinSetList().Size(); ++i)
        labels.push_back(doc.WinSetList().Label(i));
    const auto answer = Platform().AskWinSetListEdits(labels);
    if (!answer)
        return false;
    ApplyWinSetListEdits(doc, *answer);
    return true;
}
