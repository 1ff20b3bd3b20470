// The shortcut keys on the main window: registered from the settings, and each press carried out
// through the command runner on the monitor the settings choose, answered by the on-screen
// value.
#include "utility/shell/dimora_dlg_win.h"

#include "utility/command/command_runner.h"
#include "utility/hotkeys/dlg_hotkeys_win.h"
#include "utility/hotkeys/hotkey_press.h"
#include "utility/ui/display_names_win.h"
#include "utility/ui/modal_loop.h"
#include "utility/ui/user_messages.h"

namespace {

// At most this many presses of one key go into one step; any beyond wait for the next one.
constexpr int kMostPresses = 100;

int IdOf(std::size_t action) {
    return HOTKEY_ID_FIRST + static_cast<int>(action);
}

} // namespace

std::vector<HotkeyAction> CDimoraDlg::RegisterHotkeys(const HotkeySettings& settings) {
    UnregisterHotkeys();
    m_hotkeys = settings;
    std::vector<HotkeyAction> held;
    for (std::size_t i = 0; i < kHotkeyActionCount; ++i) {
        const HotkeyWord key = settings.keys[i];
        if (key == 0)
            continue;
        m_hotkeyRegistered[i] =
            ::RegisterHotKey(m_hWnd, IdOf(i), HotkeyModifiers(key), HotkeyVirtualKey(key)) != FALSE;
        if (!m_hotkeyRegistered[i]) {
            held.push_back(static_cast<HotkeyAction>(i));
            m_hotkeys.keys[i] = 0;
        }
    }
    return held;
}

void CDimoraDlg::UnregisterHotkeys() {
    for (std::size_t i = 0; i < kHotkeyActionCount; ++i) {
        if (m_hotkeyRegistered[i])
            ::UnregisterHotKey(m_hWnd, IdOf(i));
        m_hotkeyRegistered[i] = false;
    }
}

void CDimoraDlg::OnHotkey(WPARAM id) {
    const auto action = static_cast<std::size_t>(static_cast<int>(id) - HOTKEY_ID_FIRST);
    if (action >= kHotkeyActionCount || !m_hotkeyRegistered[action])
        return;
    // As for a command: none while another runs or a question of the user is open, since what
    // the question acts on must not change under it.
    if (!m_ready || m_commandRunning || m_context.shell.InModalLoop())
        return;
    // Presses of the same key that came while the last one was being written go as one step of
    // their sum: holding a key never queues a backlog of writes. The first press of another key
    // ends the run, so that the order of the keys is kept.
    int presses = 1;
    MSG queued;
    while (presses < kMostPresses &&
           ::PeekMessageA(&queued, m_hWnd, WM_HOTKEY, WM_HOTKEY, PM_NOREMOVE) &&
           queued.wParam == id && ::PeekMessageA(&queued, m_hWnd, WM_HOTKEY, WM_HOTKEY, PM_REMOVE))
        ++presses;

    std::string pointerDevice;
    GetDisplayDeviceName(pointerDevice, nullptr, true);
    HotkeyResult result;
    RunAsCommand([&](CommandContext& context) {
        result = PressHotkey(static_cast<HotkeyAction>(action), presses, m_hotkeys, pointerDevice,
                             context);
    });
    m_onScreenValue.Show(m_hWnd, result.value, result.device);
    // The page on show follows what the key changed, as after a command.
    if (result.monitorChanged && m_context.shell.m_mainShown)
        PostMessage(WM_PAGE_REFRESH);
}

void CDimoraDlg::RunHotkeysDialog() {
    ShellState& shell = m_context.shell;
    shell.m_hotkeysOpen = 1;
    CDlgHotkeys dialog(
        m_context.registry, [this](const HotkeySettings& s) { return RegisterHotkeys(s); },
        m_context.strings, shell);
    RunModal(shell, [&] { return dialog.DoModal(m_hWnd); });
    shell.m_hotkeysOpen = 0;
}
