#include "utility/ui/hyper_link_win.h"

#include "framework/res_string_win.h"

#include <shellapi.h>

CHyperLink::CHyperLink()
    : CLinkStatic(LinkLook{
          .normalColor = RGB(23, 70, 184), .hoverColor = RGB(255, 0, 0), .cursorId = kCursorId}) {}

void CHyperLink::PreSubclassWindow() {
    CLinkStatic::PreSubclassWindow();
    m_url = LoadResString(kUrlStringId);
    SetWindowText(m_url.c_str());
}

bool CHyperLink::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wParam) == STN_CLICKED) {
        ResetHover(false);
        OpenUrl(m_url);
        result = 0;
        return true;
    }
    return CLinkStatic::OnChildNotify(message, wParam, lParam, result);
}

void CHyperLink::OpenUrl(const std::string& url) {
    ::ShellExecuteA(nullptr, "open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
