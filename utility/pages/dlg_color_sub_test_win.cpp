// The colour adjustment dialog run modally, alone, over a simulated monitor in this process (on
// the simulator's clock): what it shows, a slider move reaching the monitor, Cancel restoring,
// the messages that end it, and that its GDI objects are all released.
#include "framework/testing/gdi_objects_win.h"
#include "sim/testing/sim_desktop.h"
#include "utility/monitor/monitor_list.h"
#include "utility/pages/dlg_color_sub_win.h"
#include "utility/res/resource.h"
#include "utility/ui/user_messages.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

std::string Text(HWND dialog, int id) {
    char text[64] = {};
    ::GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void Click(HWND dialog, int id) {
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

// The user drags slider `id` to `position` and lets go.
void Drag(HWND dialog, int id, int position) {
    const HWND slider = ::GetDlgItem(dialog, id);
    ::SendMessageA(slider, TBM_SETPOS, TRUE, position);
    ::SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position),
                   reinterpret_cast<LPARAM>(slider));
    ::SendMessageA(dialog, WM_HSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(slider));
}

class ColorSubDialog : public testing::Test {
  protected:
    ColorSubDialog() {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
        ::InitCommonControlsEx(&controls);
        RebuildMonitorList(desktop.ctrl, monitors);
        monitors.adjustmentBusy = 1; // as the colour page sets it before running the dialog
    }

    // Runs the dialog modally; `script` runs once it has loaded the monitor's values (its OK
    // button usable), from a timer of the dialog's own message loop.
    INT_PTR Run(const std::function<void(HWND)>& script) {
        s_running = this;
        m_script = script;
        m_scriptDone = false;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 10, &OnTimer);
        CDlgColorSub dialog(current, snapshot, monitors, shell);
        const INT_PTR result = dialog.DoModal();
        ::KillTimer(nullptr, timer);
        s_running = nullptr;
        return result;
    }

    std::uint32_t Register(std::uint16_t page, std::uint8_t code) {
        return desktop.system.bus.Monitor(0).Value(page, code).value_or(9999);
    }

    SimDesktop desktop{"typical.txt"};
    CMonitorStatusAll monitors;
    CurrentMonitor current{desktop.ctrl, monitors};
    CMonitorColor snapshot;
    ShellState shell;

  private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        ColorSubDialog* test = s_running;
        if (!test || test->m_scriptDone)
            return;
        const auto dialog = static_cast<HWND>(test->shell.m_hwndColorAdjust);
        if (!dialog || !::IsWindowEnabled(::GetDlgItem(dialog, IDOK)))
            return;
        test->m_scriptDone = true;
        test->m_script(dialog);
    }

    static inline ColorSubDialog* s_running = nullptr;
    std::function<void(HWND)> m_script;
    bool m_scriptDone = false;
};

TEST_F(ColorSubDialog, ASliderMoveReachesTheMonitorAndCancelRestores) {
    std::string shown[3], moved;
    std::uint32_t written = 0;
    bool contrastUsable = true;
    const INT_PTR result = Run([&](HWND dialog) {
        shown[0] = Text(dialog, IDC_SUB_TEMP_VALUE);
        shown[1] = Text(dialog, IDC_SUB_BRIGHTNESS_VALUE);
        shown[2] = Text(dialog, IDC_SUB_GAMMA_VALUE);
        contrastUsable = ::IsWindowEnabled(::GetDlgItem(dialog, IDC_SUB_CONTRAST_SLIDER));
        Drag(dialog, IDC_SUB_BRIGHTNESS_SLIDER, 80);
        written = Register(0, 0x10);
        moved = Text(dialog, IDC_SUB_BRIGHTNESS_VALUE);
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(shown[0], "7000K");
    EXPECT_EQ(shown[1], "50");
    EXPECT_EQ(shown[2], "2.2");
    EXPECT_FALSE(contrastUsable) << "the monitor's mode 0 does not let the contrast change";
    EXPECT_EQ(written, 80u);
    EXPECT_EQ(moved, "80");
    EXPECT_EQ(Register(0, 0x10), 50u) << "Cancel wrote the opening value back";
    EXPECT_EQ(desktop.system.bus.Monitor(0).StoreCommands(), (std::vector<std::uint32_t>{0}));
    EXPECT_EQ(shell.m_hwndColorAdjust, nullptr);
    EXPECT_EQ(monitors.adjustmentBusy, 0);
    EXPECT_EQ(desktop.system.bus.Monitor(0).Owner(), 0u);
}

TEST_F(ColorSubDialog, RescanAndDisplayChangeEndItWith255) {
    const UINT messages[] = {WM_CLOSE_FOR_RESCAN, WM_DISPLAYCHANGE};
    for (UINT message : messages) {
        LRESULT deviceChange = 0;
        const INT_PTR result = Run([&](HWND dialog) {
            deviceChange = ::SendMessageA(dialog, WM_DEVICECHANGE, 0x0007, 0);
            ::SendMessageA(dialog, message, 0, 0);
        });
        EXPECT_EQ(result, 255) << message;
        EXPECT_EQ(deviceChange, TRUE) << "device changes are answered and ignored";
        EXPECT_EQ(Register(0xE0, 0xE3), 0u) << "the monitor hears that the dialog closed";
    }
}

TEST_F(ColorSubDialog, OpeningAndClosingKeepsTheGdiObjectCount) {
    auto runOnce = [&] {
        return Run([](HWND dialog) {
            Drag(dialog, IDC_SUB_BRIGHTNESS_SLIDER, 60);
            Click(dialog, IDOK);
        });
    };
    // The first run lets the system make what it keeps for the whole process.
    ASSERT_EQ(runOnce(), IDOK);
    const DWORD before = GdiObjectCount();
    ASSERT_GT(before, 0u);
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(runOnce(), IDOK) << "run " << i;
    EXPECT_EQ(GdiObjectCount(), before);
}

} // namespace
