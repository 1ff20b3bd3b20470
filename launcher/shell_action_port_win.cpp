#include "launcher/shell_action_port_win.h"

#include "framework/handles_win.h"
#include "framework/message_loop_win.h"
#include "framework/res_string_win.h"
#include "framework/system_library_win.h"
#include "launcher/core/win/windows_version_win.h"
#include "launcher/dlg_app_proc_select_win.h"
#include "launcher/dlg_manual_select_win.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <msi.h>

#include <vector>

namespace {

constexpr const wchar_t* kRunKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
// What MsiGetProductInfoW is given for the installed product's name, in characters.
constexpr DWORD kProductNameCapacity = 128;
constexpr int kInstallLevelDefault = 0;
constexpr int kInstallStateAbsent = 2;
// How long the close step waits for a window to go, and then for its program to end.
constexpr DWORD kCloseGoneMs = 10000;
constexpr DWORD kCloseEndMs = 10000;
// The utility's main window class and its notification menu's Exit command
// (utility/res/resource.h): every version ends on that command, while a close of its hidden
// window only hides an older one.
constexpr wchar_t kUtilityClass[] = L"DIMORA";
constexpr WPARAM kUtilityExitCommand = 32771;
// ASSOCSTR_APPID: the application id of a packaged program that opens a file type (Windows 10);
// MinGW's headers declare it only for programs that require Windows 10.
constexpr int kAssocStrAppId = 21;
// ShellExecuteW's results of 32 and less are error codes.
constexpr std::intptr_t kShellLastError = 32;

void CloseRegistryKey(HKEY key) {
    ::RegCloseKey(key);
}
using ScopedRegistryKey = ScopedHandle<HKEY, CloseRegistryKey>;

template <typename Fn> Fn FindExport(HMODULE module, const char* name) {
    // Through a plain function pointer, so GCC does not warn about the cast between function
    // types.
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

class LoadedMsi : public MsiLibrary {
  public:
    using GetProductInfoFn = UINT(WINAPI*)(LPCWSTR, LPCWSTR, LPWSTR, LPDWORD);
    using ConfigureProductFn = UINT(WINAPI*)(LPCWSTR, int, int);
    using OpenPackageExFn = UINT(WINAPI*)(LPCWSTR, DWORD, MSIHANDLE*);
    using GetProductPropertyFn = UINT(WINAPI*)(MSIHANDLE, LPCWSTR, LPWSTR, LPDWORD);
    using CloseHandleFn = UINT(WINAPI*)(MSIHANDLE);
    using EnumRelatedProductsFn = UINT(WINAPI*)(LPCWSTR, DWORD, DWORD, LPWSTR);
    struct Calls {
        GetProductInfoFn getInfo;
        ConfigureProductFn configure;
        OpenPackageExFn openPackage;
        GetProductPropertyFn getProperty;
        CloseHandleFn closeHandle;
        EnumRelatedProductsFn enumRelated;
    };

    LoadedMsi(ScopedLibrary library, const Calls& calls)
        : m_library(std::move(library)), m_getInfo(calls.getInfo), m_configure(calls.configure),
          m_calls(calls) {}

    std::uint32_t GetInstalledProductName(const std::wstring& productCode) override {
        wchar_t name[kProductNameCapacity] = {};
        DWORD length = kProductNameCapacity;
        return m_getInfo(productCode.c_str(), L"InstalledProductName", name, &length);
    }
    std::uint32_t RemoveProduct(const std::wstring& productCode) override {
        return m_configure(productCode.c_str(), kInstallLevelDefault, kInstallStateAbsent);
    }

    std::optional<PackageIdentity> ReadPackage(const std::wstring& path) override {
        MSIHANDLE package = 0;
        // Only the package's own tables are read: the machine's state is not looked at.
        if (!m_calls.openPackage || !m_calls.getProperty || !m_calls.closeHandle ||
            m_calls.openPackage(path.c_str(), MSIOPENPACKAGEFLAGS_IGNOREMACHINESTATE, &package) !=
                ERROR_SUCCESS)
            return std::nullopt;
        PackageIdentity identity{Property(package, L"UpgradeCode"),
                                 Property(package, L"ProductVersion")};
        m_calls.closeHandle(package);
        return identity;
    }
    std::vector<std::wstring> InstalledVersions(const std::wstring& upgradeCode) override {
        std::vector<std::wstring> versions;
        wchar_t code[39] = {};
        for (DWORD i = 0; m_calls.enumRelated && i < 64 &&
                          m_calls.enumRelated(upgradeCode.c_str(), 0, i, code) == ERROR_SUCCESS;
             ++i) {
            wchar_t version[64] = {};
            DWORD length = 64;
            if (m_getInfo(code, L"VersionString", version, &length) == ERROR_SUCCESS)
                versions.emplace_back(version);
        }
        return versions;
    }

  private:
    std::wstring Property(MSIHANDLE package, const wchar_t* name) {
        wchar_t value[64] = {};
        DWORD length = 64;
        if (m_calls.getProperty(package, name, value, &length) != ERROR_SUCCESS)
            return {};
        return value;
    }

    ScopedLibrary m_library;
    GetProductInfoFn m_getInfo;
    ConfigureProductFn m_configure;
    Calls m_calls;
};

// The processes of the installers started, kept until Exit has waited for them. One list for
// the program: the port lives only as long as one click.
std::vector<ScopedKernelHandle>& RunningInstallers() {
    static std::vector<ScopedKernelHandle> installers;
    return installers;
}

// Waits for `handle` (or, without one, only for time to pass) while `keepWaiting` holds, for at
// most `ms`, dispatching the menu's messages meanwhile so that it goes on painting and
// answering. True when `handle` was signalled.
template <typename Condition> bool WaitAnswering(HANDLE handle, DWORD ms, Condition keepWaiting) {
    const DWORD start = ::GetTickCount();
    while (keepWaiting()) {
        const DWORD spent = ::GetTickCount() - start;
        if (ms != INFINITE && spent >= ms)
            return false;
        // Woken at least every 100 ms to look at the condition again.
        const DWORD slice = ms != INFINITE && ms - spent < 100 ? ms - spent : 100;
        const DWORD woken =
            ::MsgWaitForMultipleObjects(handle ? 1 : 0, &handle, FALSE, slice, QS_ALLINPUT);
        if (handle && woken == WAIT_OBJECT_0)
            return true;
        if (!PumpWaitingMessages())
            return false;
    }
    return false;
}

bool IsUtilityWindow(HWND window) {
    wchar_t name[16] = {};
    return ::GetClassNameW(window, name, 16) > 0 && ::lstrcmpW(name, kUtilityClass) == 0;
}

std::wstring SystemFile(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return name;
    return std::wstring(folder, length) + L"\\" + name;
}

// Message boxes carry the program's name: the executable's base name.
std::wstring ProgramName() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name(path, length < MAX_PATH ? length : 0);
    name.erase(0, name.find_last_of(L"\\/") + 1);
    return name.substr(0, name.rfind(L'.'));
}

const wchar_t* OrNull(const std::wstring& text) {
    return text.empty() ? nullptr : text.c_str();
}

} // namespace

ShellActionPort::ShellActionPort(HWND owner, const LaunchContext& context)
    : m_owner(owner), m_context(context) {}

std::intptr_t ShellActionPort::ShellRun(ShellVerb verb, const std::wstring& file,
                                        const std::wstring& parameters,
                                        const std::wstring& folder) {
    const bool open = verb == ShellVerb::Open;
    const HINSTANCE result =
        ::ShellExecuteW(open ? nullptr : m_owner, open ? L"open" : nullptr, file.c_str(),
                        OrNull(parameters), OrNull(folder), SW_SHOWNORMAL);
    return reinterpret_cast<std::intptr_t>(result);
}

std::intptr_t ShellActionPort::FindProgramFor(const std::wstring& file) {
    wchar_t program[MAX_PATH] = {};
    return reinterpret_cast<std::intptr_t>(::FindExecutableW(file.c_str(), nullptr, program));
}

bool ShellActionPort::HasAssociation(const std::wstring& file) {
    const std::size_t dot = file.rfind(L'.');
    if (dot == std::wstring::npos || file.find(L'\\', dot) != std::wstring::npos)
        return false;
    const std::wstring type = file.substr(dot);
    for (const int what : {static_cast<int>(ASSOCSTR_COMMAND), kAssocStrAppId}) {
        wchar_t answer[MAX_PATH] = {};
        DWORD length = MAX_PATH;
        // Without the flag a type nobody registered would answer with the "Unknown" type's
        // command, the Open With dialog.
        if (::AssocQueryStringW(ASSOCF_INIT_IGNOREUNKNOWN, static_cast<ASSOCSTR>(what),
                                type.c_str(), nullptr, answer, &length) == S_OK &&
            answer[0] != L'\0')
            return true;
    }
    return false;
}

bool ShellActionPort::FileExists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

CloseResult ShellActionPort::CloseWindowTitled(const std::wstring& title) {
    const HWND window = ::FindWindowW(nullptr, title.c_str());
    if (!window)
        return CloseResult::NotFound;
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    // Opened before the close, so that the process is still there to be waited for.
    const ScopedKernelHandle process(processId != ::GetCurrentProcessId()
                                         ? ::OpenProcess(SYNCHRONIZE, FALSE, processId)
                                         : nullptr);
    // Posted, never sent: a hung window must not hold the menu. Windows refuses the post
    // (ERROR_ACCESS_DENIED) when the window's program runs with higher rights.
    const bool posted = IsUtilityWindow(window)
                            ? ::PostMessageW(window, WM_COMMAND, kUtilityExitCommand, 0)
                            : ::PostMessageW(window, WM_CLOSE, 0, 0);
    if (!posted)
        return CloseResult::NotClosed;
    WaitAnswering(nullptr, kCloseGoneMs, [window] { return ::IsWindow(window) != FALSE; });
    if (::IsWindow(window))
        return CloseResult::NotClosed;
    // A program that ends on the close goes on ending after its window has gone; the installer
    // must not find its files still in use.
    if (process)
        WaitAnswering(process.Get(), kCloseEndMs, [] { return true; });
    return CloseResult::Closed;
}

std::intptr_t ShellActionPort::StartInstaller(const std::wstring& file,
                                              const std::wstring& parameters,
                                              const std::wstring& folder) {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.hwnd = m_owner;
    info.lpFile = file.c_str();
    info.lpParameters = OrNull(parameters);
    info.lpDirectory = OrNull(folder);
    info.nShow = SW_SHOWNORMAL;
    const bool started = ::ShellExecuteExW(&info) != FALSE;
    if (info.hProcess)
        RunningInstallers().emplace_back(info.hProcess);
    // hInstApp holds ShellExecuteW's result: above 32 on success, the error code otherwise.
    const auto code = reinterpret_cast<std::intptr_t>(info.hInstApp);
    if (started)
        return code > kShellLastError ? code : kShellLastError + 1;
    return code <= kShellLastError ? code : 0;
}

void ShellActionPort::WaitForInstallers() {
    if (RunningInstallers().empty())
        return;
    const HCURSOR previous = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    // The wait dispatches the menu's messages: an Install clicked meanwhile adds to the program's
    // list, and an Exit clicked meanwhile waits too. Each wait takes the list out first, so no
    // dispatched click reshapes the list being waited on, and goes on until no installer is left.
    while (!RunningInstallers().empty()) {
        std::vector<ScopedKernelHandle> installers;
        installers.swap(RunningInstallers());
        for (const ScopedKernelHandle& installer : installers)
            WaitAnswering(installer.Get(), INFINITE, [] { return true; });
    }
    ::SetCursor(previous);
}

bool ShellActionPort::IsWindowsNT() {
    return ::IsWindowsNT();
}

std::unique_ptr<MsiLibrary> ShellActionPort::LoadMsi() {
    // Only the system's own: a msi.dll planted beside the launcher must never be loaded.
    ScopedLibrary library = LoadSystemLibrary(L"msi.dll");
    if (!library)
        return nullptr;
    const HMODULE module = library.Get();
    const LoadedMsi::Calls calls{
        FindExport<LoadedMsi::GetProductInfoFn>(module, "MsiGetProductInfoW"),
        FindExport<LoadedMsi::ConfigureProductFn>(module, "MsiConfigureProductW"),
        FindExport<LoadedMsi::OpenPackageExFn>(module, "MsiOpenPackageExW"),
        FindExport<LoadedMsi::GetProductPropertyFn>(module, "MsiGetProductPropertyW"),
        FindExport<LoadedMsi::CloseHandleFn>(module, "MsiCloseHandle"),
        FindExport<LoadedMsi::EnumRelatedProductsFn>(module, "MsiEnumRelatedProductsW")};
    if (!calls.getInfo || !calls.configure)
        return nullptr;
    return std::make_unique<LoadedMsi>(std::move(library), calls);
}

std::uint32_t ShellActionPort::MsiFileVersionMS() {
    return GetFileVersionMS(SystemFile(L"msi.dll"));
}

std::optional<RegistryValue> ShellActionPort::QueryRunValue(const std::wstring& name,
                                                            std::size_t capacity) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return std::nullopt;
    const ScopedRegistryKey key(opened);
    RegistryValue value;
    // Zero-filled with room for one more wide zero: the data need not end with one.
    value.data.assign(capacity + sizeof(wchar_t), 0);
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(capacity);
    if (::RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type, value.data.data(), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    value.type = type;
    value.data.resize(size);
    return value;
}

MessageAnswer ShellActionPort::ShowMessage(const std::wstring& text, MessageButtons buttons,
                                           MessageIcon icon) {
    UINT style = buttons == MessageButtons::YesNo      ? MB_YESNO
                 : buttons == MessageButtons::OkCancel ? MB_OKCANCEL
                                                       : MB_OK;
    if (icon == MessageIcon::Error)
        style |= MB_ICONERROR;
    else if (icon == MessageIcon::Question)
        style |= MB_ICONQUESTION;
    const std::wstring caption = ProgramName();
    switch (::MessageBoxW(m_owner, text.c_str(), caption.c_str(), style)) {
    case IDOK:
        return MessageAnswer::Ok;
    case IDYES:
        return MessageAnswer::Yes;
    case IDNO:
        return MessageAnswer::No;
    default:
        // Cancel, and also a box that could not be shown (0): no question counts as agreed to.
        return MessageAnswer::Cancel;
    }
}

std::wstring ShellActionPort::Text(int id) {
    return LoadResString(static_cast<UINT>(id));
}

void ShellActionPort::RedrawOwner() {
    ::ReleaseCapture();
    ::RedrawWindow(m_owner, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

std::optional<std::wstring> ShellActionPort::ChooseFile(const ItemInfo& item,
                                                        SelectionLayout layout) {
    CDlgManualSelect dialog(item, layout, m_context);
    if (dialog.DoModal(m_owner) != CDlgManualSelect::kChosen)
        return std::nullopt;
    return dialog.ChosenPath();
}

void ShellActionPort::RunSubItemDialog(const ItemInfo& application) {
    CDlgAppProcSelect dialog(application, m_context);
    dialog.DoModal(m_owner);
}
