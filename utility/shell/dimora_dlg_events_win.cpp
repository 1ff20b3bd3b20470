// The main window's timers and system events, the data folder, the screen filter's settings and
// the gamma ramps of the display devices.
#include "utility/shell/dimora_dlg_win.h"

#include "utility/shell/display_names_win.h"

#include <shlobj.h>

namespace {

constexpr char kDataSubFolder[] = "\\Orvane\\Visomat (DDCCI)\\";

} // namespace

void CDimoraDlg::OnTimer(UINT_PTR id) {
    m_model.OnTimer(static_cast<unsigned>(id));
}

void CDimoraDlg::WindowDeviceName(std::string& name) {
    GetDisplayDeviceName(name, m_hWnd, false);
}

void CDimoraDlg::OnEndSession() {
    // The session ends without Exit: the screens get their own ramps back.
    FreeGammaList();
}

void CDimoraDlg::SetUpDataFolderAndFilter() {
    char folder[MAX_PATH] = {};
    if (SUCCEEDED(
            ::SHGetFolderPathA(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
        m_context.dataFolder = std::string(folder) + kDataSubFolder;
    CRegistry registry(m_context.registry);
    LoadFilterSettings(registry, m_context.filter);
    BuildGammaList();
}

void CDimoraDlg::BuildGammaList() {
    m_context.gammaList = BuildGammaDevices(m_context.gammaPort, m_context.clock);
}

void CDimoraDlg::FreeGammaList() {
    for (auto& gamma : m_context.gammaList)
        gamma->Restore();
    m_context.gammaList.clear();
}
