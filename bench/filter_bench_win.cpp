// The EyeCare Filter dialog's slider drags through the real system calls: two overlays over the
// screen showing the first default picture, 50 steps of the Transmittance slider (an opacity
// change on every overlay) and 50 of the Luminance slider (a ramp for every monitor's gamma
// object). Prints the time per step; beside it, as the floor, one bare layered window of the same
// size changing its opacity. Usage: filter_bench_win DATA-FOLDER (ending with "\").
#include "framework/mingw_gaps_win.h"
#include "utility/eyecare/filter_text_codec_win.h"
#include "utility/eyecare/overlays_win.h"
#include "utility/eyecare/vsfilter_model.h"
#include "utility/monitor/win/gamma_port_win.h"
#include "utility/monitor/win/ports_win.h"
#include "utility/settings/testing/registry_memory.h"
#include "xml/win/xml_dom_msxml_win.h"

#include <cstdio>
#include <functional>

namespace {

constexpr int kSteps = 50;

class NoView : public VSFilterView {
    void SetImageList(const std::vector<std::string>&, int) override {}
    void SelectImage(int) override {}
    void SetPathText(const std::string&) override {}
    void ShowValues(int, int) override {}
    void Enable(const FilterEnabling&) override {}
    bool BrowseFile(const std::string&, const std::string&, std::string&) override { return false; }
    void ShowWarning(const std::string& text) override {
        std::printf("warning: %s\n", text.c_str());
    }
};

class Texts : public StringTable {
    std::string Load(std::uint32_t id) const override { return id == 211 ? "Image%d" : ""; }
};

void Pump() {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&message);
}

// Microseconds per call of `step(i)` over kSteps calls, messages handled after each.
double PerStep(const std::function<void(int)>& step) {
    LARGE_INTEGER frequency, start, end;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    for (int i = 0; i < kSteps; ++i) {
        step(i);
        Pump();
    }
    ::QueryPerformanceCounter(&end);
    return static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 /
           static_cast<double>(frequency.QuadPart) / kSteps;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: filter_bench_win DATA-FOLDER\n");
        return 2;
    }
    GdiplusSession gdiplus;
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "DimoraFilterBench";
    ::RegisterClassA(&wc);
    HWND owner = ::CreateWindowExA(0, wc.lpszClassName, "filter bench", WS_POPUP, 0, 0, 10, 10,
                                   nullptr, nullptr, wc.hInstance, nullptr);
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);

    // Two monitors side by side on the screen's one display device.
    CMonitorStatusAll monitors;
    for (int i = 0; i < 2; ++i) {
        auto monitor = std::make_unique<CMonitorStatus>();
        monitor->deviceName = "\\\\.\\DISPLAY1";
        monitor->desktop = {i * width / 2, 0, (i + 1) * width / 2, height};
        monitors.monitors.push_back(std::move(monitor));
    }
    OverlaysWin overlays;
    overlays.SetOwner(owner);
    Win32GammaPort gammaPort;
    Win32Clock clock;
    GammaList gammaList = BuildGammaDevices(gammaPort, clock);
    FilterSettings applied;
    ScreenFilter filter(monitors, applied, overlays, gammaPort, clock, gammaList);
    filter.CreateOverlayWindows();

    MemoryRegistry registry;
    const CXMLHandler xml([] { return std::make_unique<MsxmlDocument>(); });
    const FilterTextCodec codec = SystemCodePageCodec();
    const std::string folder = argv[1];
    Texts texts;
    const VSFilterSources sources{xml, codec, folder, texts};
    NoView view;
    VSFilterModel model(view, registry, sources, applied, filter);
    model.Open();
    model.ImageSelected(1);
    Pump();
    int usable = 0;
    for (const auto& gamma : gammaList)
        usable += gamma->IsUsable() ? 1 : 0;

    const double alphaStep = PerStep([&](int i) { model.AlphaSlider(i % 51); });
    const double overlaysOnly = PerStep([&](int i) { filter.SetAlpha(i * 5 % 256); });
    const double luminanceStep = PerStep([&](int i) { model.LuminanceSlider(i * 4); });

    HWND bare = ::CreateWindowExA(WS_EX_LAYERED | WS_EX_TOOLWINDOW, wc.lpszClassName, "bare",
                                  WS_POPUP | WS_VISIBLE, 0, 0, width / 2, height, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    const double bareStep = PerStep([&](int i) {
        ::SetLayeredWindowAttributes(bare, 0, static_cast<BYTE>(i * 5 % 256), LWA_ALPHA);
    });

    std::printf("filter slider drag, %d steps, two overlays of %dx%d over one display device\n",
                kSteps, width / 2, height);
    std::printf("  Transmittance step (dialog model, both overlays): %8.1f us\n", alphaStep);
    std::printf(
        "  opacity change on the overlays themselves:        %8.1f us  (goal < 5000 us: %s)\n",
        overlaysOnly, overlaysOnly < 5000 ? "met" : "MISSED");
    std::printf("  baseline, one bare layered window, two changes:   %8.1f us\n", 2 * bareStep);
    std::printf("  Luminance step (every gamma object):              %8.1f us  (%d of %zu gamma "
                "objects usable here)\n",
                luminanceStep, usable, gammaList.size());
    ::DestroyWindow(bare);
    filter.DestroyOverlays();
    filter.FreeGammaList();
    ::DestroyWindow(owner);
    return 0;
}
