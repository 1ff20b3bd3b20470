#include "framework/file_dialog_win.h"

#include <vector>

CFileDialog::CFileDialog(TStringView defaultExtension, TStringView filter, DWORD flags)
    : m_defaultExtension(defaultExtension), m_filter(filter), m_flags(flags) {
    for (TCHAR& c : m_filter) {
        if (c == TEXT('|'))
            c = TEXT('\0');
    }
    // The list ends with two zeros: the one from the last '|' and one more.
    if (m_filter.empty() || m_filter.back() != TEXT('\0'))
        m_filter.push_back(TEXT('\0'));
    m_filter.push_back(TEXT('\0'));
}

INT_PTR CFileDialog::DoModal(HWND owner) {
    std::vector<TCHAR> file(MAX_PATH, TEXT('\0'));
    OPENFILENAME ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = m_filter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrDefExt = m_defaultExtension.empty() ? nullptr : m_defaultExtension.c_str();
    ofn.Flags = m_flags | OFN_ENABLEHOOK | OFN_EXPLORER;
    ofn.lpfnHook = &CFileDialog::HookProc;
    ofn.lCustData = reinterpret_cast<LPARAM>(this);
    const BOOL chosen = ::GetOpenFileName(&ofn);
    m_hook = nullptr;
    if (!chosen)
        return IDCANCEL;
    file.back() = TEXT('\0');
    m_file = file.data();
    return IDOK;
}

UINT_PTR CALLBACK CFileDialog::HookProc(HWND hook, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* ofn = reinterpret_cast<const OPENFILENAME*>(lParam);
        auto* self = reinterpret_cast<CFileDialog*>(ofn->lCustData);
        ::SetWindowLongPtr(hook, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        self->m_hook = hook;
        return 0;
    }
    auto* self = reinterpret_cast<CFileDialog*>(::GetWindowLongPtr(hook, DWLP_USER));
    if (!self)
        return 0;
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const OFNOTIFY*>(lParam);
        if (header->hdr.code == CDN_INITDONE)
            self->OnInitDone();
        return 0;
    }
    if (message == WM_DESTROY)
        self->m_hook = nullptr;
    return self->OnHookMessage(message, wParam, lParam) ? 1 : 0;
}
