// The EyeCare Filter dialog run modally in this process over real overlays and display devices
// whose gamma ramps live in memory (Wine's displays under Xvfb have none), with the default
// pictures read through MSXML and decoded through GDI+: the messages that end it put back what
// was applied, also under a loop opened over it, and a hundred openings, each decoding a
// picture, leave no GDI object behind.
#include "framework/testing/gdi_objects_win.h"
#include "utility/eyecare/dlg_vsfilter_win.h"
#include "utility/eyecare/filter_text_codec_win.h"
#include "utility/eyecare/overlays_win.h"
#include "utility/monitor/testing/fake_gamma_port.h"
#include "utility/monitor/win/ports_win.h"
#include "utility/res/resource.h"
#include "utility/settings/testing/registry_memory.h"
#include "utility/ui/modal_loop.h"
#include "utility/ui/resource_strings_win.h"
#include "utility/ui/user_messages.h"
#include "xml/win/xml_dom_msxml_win.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

void Slide(HWND dialog, int id, int position) {
    const HWND slider = ::GetDlgItem(dialog, id);
    ::SendMessageA(slider, TBM_SETPOS, TRUE, position);
    ::SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position),
                   reinterpret_cast<LPARAM>(slider));
}

void Choose(HWND dialog, int line) {
    const HWND list = ::GetDlgItem(dialog, IDC_FILTER_IMAGE);
    ::SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(line), 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_FILTER_IMAGE, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
}

BYTE OverlayAlpha(const CMonitorStatus& monitor) {
    BYTE alpha = 0;
    ::GetLayeredWindowAttributes(dynamic_cast<CWnd&>(*monitor.overlay).GetSafeHwnd(), nullptr,
                                 &alpha, nullptr);
    return alpha;
}

class VSFilterDialog : public testing::Test {
  protected:
    VSFilterDialog() {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
        ::InitCommonControlsEx(&controls);
        for (int i = 0; i < 2; ++i) {
            auto monitor = std::make_unique<CMonitorStatus>();
            monitor->deviceName = gammaPort.devices[static_cast<std::size_t>(i)].name;
            monitor->desktop = {i * 300, 0, i * 300 + 300, 200};
            monitors.monitors.push_back(std::move(monitor));
        }
        filter.BuildGammaList();
        filter.CreateOverlayWindows();
    }
    ~VSFilterDialog() override { filter.DestroyOverlays(); }

    // Runs the dialog modally; `script` runs once its window exists, from a timer of the
    // dialog's own message loop.
    INT_PTR Run(const std::function<void(HWND)>& script) {
        s_running = this;
        m_script = script;
        m_scriptDone = false;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 10, &OnTimer);
        shell.m_filterDialogOpen = 1;
        CDlgVSFilter dialog(registry, sources, applied, filter, shell);
        const INT_PTR result = dialog.DoModal();
        ::KillTimer(nullptr, timer);
        s_running = nullptr;
        return result;
    }

    GdiplusSession gdiplus;
    CMonitorStatusAll monitors;
    OverlaysWin overlays;
    FakeGammaPort gammaPort{"\\\\.\\DISPLAY1", "\\\\.\\DISPLAY2"};
    Win32Clock clock;
    GammaList gammaList;
    FilterSettings applied;
    ScreenFilter filter{monitors, applied, overlays, gammaPort, clock, gammaList};
    MemoryRegistry registry;
    const CXMLHandler xml{[] { return std::make_unique<MsxmlDocument>(); }};
    const FilterTextCodec codec = SystemCodePageCodec();
    const std::string folder = std::string(DIMORA_DATA_DIR) + "\\";
    ResourceStrings strings;
    const VSFilterSources sources{xml, codec, folder, strings};
    ShellState shell;

  private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        VSFilterDialog* test = s_running;
        if (!test || test->m_scriptDone || !test->shell.m_hwndFilterDialog)
            return;
        test->m_scriptDone = true;
        test->m_script(static_cast<HWND>(test->shell.m_hwndFilterDialog));
    }

    static inline VSFilterDialog* s_running = nullptr;
    std::function<void(HWND)> m_script;
    bool m_scriptDone = false;
};

TEST_F(VSFilterDialog, EndingForARescanOrADisplayChangePutsBackWhatWasApplied) {
    struct Case {
        UINT message;
        INT_PTR result;
        bool underMenu; // the notification menu's loop runs over the dialog meanwhile
    };
    for (const Case c : {Case{WM_CLOSE_FOR_RESCAN, 255, false}, Case{WM_DISPLAYCHANGE, 0, false},
                         Case{WM_DISPLAYCHANGE, 0, true}, Case{WM_COMMAND, IDCANCEL, false}}) {
        SCOPED_TRACE(testing::Message() << c.message << (c.underMenu ? " under the menu" : ""));
        BYTE previewed = 0;
        int previewedRamp = -1, rampOnEnding = -1;
        LRESULT deviceChange = 0;
        const INT_PTR result = Run([&](HWND dialog) {
            Choose(dialog, 2);                         // paper.jpg at 77
            Slide(dialog, IDC_FILTER_LUM_SLIDER, 150); // luminance 50
            previewed = OverlayAlpha(*monitors.monitors[0]);
            previewedRamp = gammaPort.devices[1].ramp[0] >> 8;
            deviceChange = ::SendMessageA(dialog, WM_DEVICECHANGE, 0x0007, 0);
            {
                std::optional<ModalLoop> menu;
                if (c.underMenu)
                    menu.emplace(shell);
                ::SendMessageA(dialog, c.message, c.message == WM_COMMAND ? IDCANCEL : 0, 0);
                rampOnEnding = gammaPort.devices[1].ramp[0] >> 8;
            }
            // A dialog that did not end is cancelled, and its result says so.
            ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(previewed, 77);
        EXPECT_EQ(previewedRamp, 50);
        EXPECT_EQ(rampOnEnding, 0) << "put back at once, not when a later loop ends";
        EXPECT_EQ(deviceChange, TRUE);
        for (const auto& monitor : monitors.monitors) {
            EXPECT_EQ(OverlayAlpha(*monitor), 0) << "nothing was applied before";
            EXPECT_FALSE(::IsWindowVisible(dynamic_cast<CWnd&>(*monitor->overlay).GetSafeHwnd()));
        }
        for (const FakeDevice& device : gammaPort.devices)
            EXPECT_EQ(device.ramp, FakeDevice(device.name).ramp) << device.name << ": its own";
        EXPECT_EQ(shell.m_hwndFilterDialog, nullptr);
        EXPECT_EQ(shell.m_filterDialogOpen, 0);
        EXPECT_EQ(shell.m_modalLoops, 0);
    }
}

TEST_F(VSFilterDialog, AHundredOpeningsLeaveNoGdiObjectBehind) {
    const auto open = [&](int line) {
        Run([&](HWND dialog) {
            Choose(dialog, line);
            ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
    };
    // The first opening of each picture creates what lives as long as the process (GDI+ keeps
    // each format's decoder once it has been used).
    for (int line = 1; line <= 5; ++line)
        open(line);
    const DWORD before = GdiObjectCount();
    for (int i = 0; i < 100; ++i)
        open(1 + i % 5);
    EXPECT_EQ(GdiObjectCount(), before);
}

} // namespace
