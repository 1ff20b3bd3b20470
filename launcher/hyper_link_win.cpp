#include "launcher/hyper_link_win.h"

#include "launcher/link_look_win.h"

#include <shellapi.h>

CHyperLink::CHyperLink() : CLinkStatic(kLauncherLinkLook) {}

void CHyperLink::SetURL(const std::wstring& url) {
    m_url = url;
    SetWindowText(m_url.c_str());
}

bool CHyperLink::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wParam) == STN_CLICKED) {
        ResetHover(false);
        // A page without an address has nothing to open (an empty name would open a folder).
        if (!m_url.empty())
            ::ShellExecuteW(nullptr, L"open", m_url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        result = 0;
        return true;
    }
    return CLinkStatic::OnChildNotify(message, wParam, lParam, result);
}
