#include "launcher/launcher_app_win.h"

#include "framework/res_string_win.h"
#include "launcher/core/launcher_info_reader.h"
#include "launcher/launcher_dlg_win.h"
#include "launcher/res/resource.h"
#include "launcher/start_marks_win.h"
#include "xml/win/xml_dom_msxml_win.h"

#include <objbase.h>

namespace {

// The module file name's buffer, in characters.
constexpr DWORD kModulePathCapacity = 260;

std::wstring ModulePath() {
    wchar_t path[kModulePathCapacity] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, path, kModulePathCapacity);
    // A cut path (length == capacity) is not ended by a zero on older systems.
    return std::wstring(path, length < kModulePathCapacity ? length : kModulePathCapacity);
}

} // namespace

std::wstring FolderOfPath(const std::wstring& modulePath) {
    const std::size_t slash = modulePath.rfind(L'\\');
    return slash == std::wstring::npos ? std::wstring() : modulePath.substr(0, slash + 1);
}

CLauncherApp::CLauncherApp() : programFolder(FolderOfPath(ModulePath())) {}

CLauncherApp::~CLauncherApp() {
    ReleaseLauncherInfo();
}

bool CLauncherApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{sizeof controls, 0xFF};
    ::InitCommonControlsEx(&controls);
    start_marks::Mark("common controls");
    // The shell's handlers for documents, folders and addresses may be COM objects that need a
    // single-threaded apartment: it stays for the launcher's whole life, around every action.
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    start_marks::Mark("COM");
    {
        CLauncherDlg dialog(*this);
        m_pMainWnd = &dialog;
        dialog.DoModal();
        m_pMainWnd = nullptr;
    }
    if (SUCCEEDED(com))
        ::CoUninitialize();
    // The process ends with the dialog: no message loop after it.
    return false;
}

void CLauncherApp::LoadLauncherInfo() {
    const std::wstring path = programFolder + LoadResString(IDS_INFO_FILE);
    LauncherInfoReader reader(std::make_unique<MsxmlDocument>());
    reader.Load(path, launcherTitle, tabs);
}

void CLauncherApp::ReleaseLauncherInfo() {
    ReleaseTabs(tabs);
}
