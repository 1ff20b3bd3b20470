#include "utility/eyecare/byte_edit_win.h"

bool CByteEdit::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wParam) == EN_UPDATE)
        KeepWithinLimit();
    // The parent still hears of the change.
    return CEdit::OnChildNotify(message, wParam, lParam, result);
}

void CByteEdit::KeepWithinLimit() {
    const TString text = GetWindowText();
    const auto kept = CutToByteLimit(text, m_limit, m_codePage);
    if (!kept)
        return;
    int first = 0;
    int last = 0;
    GetSel(first, last);
    // Setting the text updates the control again; the kept text fits, so that ends here.
    SetWindowText(kept->c_str());
    SetSel(first, last);
}
