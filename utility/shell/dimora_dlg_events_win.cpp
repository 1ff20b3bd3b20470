// The main window's timers and system events, handed to the model, and the data folder.
#include "utility/shell/dimora_dlg_win.h"

#include "utility/ui/display_names_win.h"

#include <shlobj.h>

namespace {

constexpr char kDataSubFolder[] = "\\Orvane\\Visomat (DDCCI)\\";

} // namespace

bool CDimoraDlg::OnSystemEvent(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_TIMER: {
        // Timers that are not the model's go to default handling.
        const bool handled = m_model.OnTimer(static_cast<unsigned>(wParam));
        NoteIconShown(); // the icon may have come with the retry timer
        return handled;
    }
    case WM_DISPLAYCHANGE:
        m_pageAuto.DisplaysChanged();
        m_model.OnDisplayChange();
        result = TRUE;
        return true;
    case WM_POWERBROADCAST:
        m_model.OnPowerBroadcast(static_cast<std::uint32_t>(wParam));
        return false;
    case WM_WTSSESSION_CHANGE:
        m_model.OnSessionChange(static_cast<std::uint32_t>(wParam));
        return false;
    case WM_ENDSESSION:
        m_model.OnEndSession(wParam != FALSE, (lParam & ENDSESSION_CLOSEAPP) != 0);
        return true;
    default:
        return false;
    }
}

void CDimoraDlg::WindowDeviceName(std::string& name) {
    GetDisplayDeviceName(name, m_hWnd, false);
}

void CDimoraDlg::SetUpDataFolderAndFilter() {
    char folder[MAX_PATH] = {};
    if (SUCCEEDED(
            ::SHGetFolderPathA(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
        m_context.dataFolder = std::string(folder) + kDataSubFolder;
    m_model.SetUpFilter();
}
