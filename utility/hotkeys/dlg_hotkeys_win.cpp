#include "utility/hotkeys/dlg_hotkeys_win.h"

#include "utility/res/resource.h"
#include "utility/ui/modal_loop.h"
#include "utility/ui/user_messages.h"

#include <commctrl.h>

namespace {

constexpr HotkeyWord kShift = HOTKEYF_SHIFT << 8;
constexpr HotkeyWord kControl = HOTKEYF_CONTROL << 8;
constexpr HotkeyWord kAlt = HOTKEYF_ALT << 8;
constexpr HotkeyWord kExtended = HOTKEYF_EXT << 8;

// The keyboard's own name of a virtual key ("F1", "Num 5", "Strg" on a German keyboard).
std::string KeyName(UINT virtualKey, bool extended) {
    LONG scan = static_cast<LONG>(::MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    if (extended)
        scan |= 1L << 24;
    char name[64] = {};
    if (::GetKeyNameTextA(scan, name, sizeof name) > 0)
        return name;
    return "0x" + std::to_string(virtualKey);
}

HWND HotkeyControl(HWND dialog, std::size_t action) {
    return ::GetDlgItem(dialog, IDC_HOTKEY_FIRST + static_cast<int>(action));
}

} // namespace

std::string HotkeyText(HotkeyWord key) {
    std::string text;
    for (const auto& [flag, virtualKey] :
         {std::pair{kControl, VK_CONTROL}, std::pair{kShift, VK_SHIFT}, std::pair{kAlt, VK_MENU}}) {
        if (key & flag)
            text += KeyName(static_cast<UINT>(virtualKey), false) + "+";
    }
    return text + KeyName(HotkeyVirtualKey(key), (key & kExtended) != 0);
}

CDlgHotkeys::CDlgHotkeys(RegistryPort& registry, const HotkeyRegistrar& registrar,
                         const StringTable& strings, ShellState& shell)
    : CDialog(IDD_HOTKEYS), m_strings(strings), m_shell(shell),
      m_model(*this, registry, registrar) {
    // Windows' common controls register the hot-key class only when asked for it; Wine
    // registers every class of the library when it loads.
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_HOTKEY_CLASS};
    ::InitCommonControlsEx(&classes);
}

bool CDlgHotkeys::OnInitDialog() {
    CDialog::OnInitDialog();
    m_shell.m_hwndHotkeys = m_hWnd;
    // A key without Ctrl or Alt would take a key from every program's typing: such a key
    // becomes Ctrl+Alt and the key.
    for (std::size_t i = 0; i < kHotkeyActionCount; ++i)
        ::SendMessageA(HotkeyControl(m_hWnd, i), HKM_SETRULES, HKCOMB_NONE | HKCOMB_S,
                       MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
    m_step.Attach(GetDlgItem(IDC_HOTKEY_STEP_SPIN));
    m_step.SetRange32(kHotkeyStepMin, kHotkeyStepMax);
    m_monitor.Attach(GetDlgItem(IDC_HOTKEY_MONITOR));
    for (UINT id : {IDS_HOTKEY_UNDER_POINTER, IDS_HOTKEY_CURRENT, IDS_HOTKEY_EVERY})
        m_monitor.AddString(m_strings.Load(id).c_str());
    m_model.Open();
    return true;
}

LRESULT CDlgHotkeys::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE_FOR_RESCAN) {
        m_model.Cancel();
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

LRESULT CDlgHotkeys::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY)
        m_shell.m_hwndHotkeys = nullptr;
    return CDialog::OnMessage(message, wParam, lParam);
}

void CDlgHotkeys::Show(const HotkeySettings& settings) {
    for (std::size_t i = 0; i < kHotkeyActionCount; ++i)
        ::SendMessageA(HotkeyControl(m_hWnd, i), HKM_SETHOTKEY, settings.keys[i], 0);
    m_step.SetPos32(settings.step);
    m_monitor.SetCurSel(static_cast<int>(settings.monitors));
}

HotkeySettings CDlgHotkeys::Read() {
    HotkeySettings settings;
    for (std::size_t i = 0; i < kHotkeyActionCount; ++i)
        settings.keys[i] = static_cast<HotkeyWord>(
            ::SendMessageA(HotkeyControl(m_hWnd, i), HKM_GETHOTKEY, 0, 0) & 0xFFFF);
    bool number = false;
    const int step = m_step.GetPos32(&number);
    settings.step = number ? step : kHotkeyStepDefault;
    const int choice = m_monitor.GetCurSel();
    settings.monitors = choice > 0 ? static_cast<HotkeyMonitors>(choice) : HotkeyMonitors{};
    return settings;
}

void CDlgHotkeys::ShowNotTaken(const std::vector<std::pair<HotkeyAction, HotkeyWord>>& keys) {
    std::string names;
    for (const auto& [action, key] : keys) {
        char label[128] = {};
        // The label beside the action's control: the static text just before it in the dialog.
        ::GetWindowTextA(
            ::GetWindow(HotkeyControl(m_hWnd, static_cast<std::size_t>(action)), GW_HWNDPREV),
            label, sizeof label);
        names += HotkeyText(key) + " (" + label + ")\n";
    }
    std::string text = m_strings.Load(IDS_HOTKEY_HELD);
    const std::size_t at = text.find("%s");
    if (at != std::string::npos)
        text.replace(at, 2, names);
    char title[128] = {};
    ::GetWindowTextA(m_hWnd, title, sizeof title);
    RunModal(m_shell, [&] {
        return ::MessageBoxA(m_hWnd, text.c_str(), title, MB_OK | MB_ICONEXCLAMATION);
    });
}

void CDlgHotkeys::Finish(int result) {
    EndDialog(result);
}
