// Test support: windows as a table (their process, class, display and whether they are shown)
// for the automatic mode switching, and a two-display simulated desktop to switch.
#pragma once

#include "utility/pages/foreground_port.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct FakeWindow {
    std::string exeFile;
    std::string className = "Window";
    std::string device = "\\\\.\\DISPLAY1";
    bool shown = true;
    bool systemMenu = true;
    std::uintptr_t parent = 0; // the window it is a child of; 0 for a top-level window
};

class FakeWindows : public ForegroundPort {
  public:
    // Window `id` (any number but 0) as a handle.
    static WindowHandle Handle(std::uintptr_t id) { return reinterpret_cast<WindowHandle>(id); }

    WindowHandle ForegroundWindow() override { return foreground; }
    bool IsShownWindow(WindowHandle window) override { return Of(window).shown; }
    std::string DisplayDeviceName(WindowHandle window) override { return Of(window).device; }
    bool ProcessFileOf(WindowHandle window, std::string& exeFile) override {
        ++snapshots;
        exeFile = Of(window).exeFile;
        return !exeFile.empty();
    }
    std::string ClassName(WindowHandle window) override { return Of(window).className; }
    WindowHandle ChildWindowOfClass(WindowHandle parent, const std::string& className) override {
        for (auto& [id, window] : windows) {
            if (Handle(window.parent) == parent && window.className == className)
                return Handle(id);
        }
        return nullptr;
    }
    std::vector<TopWindow> TopLevelWindows() override {
        ++snapshots;
        std::vector<TopWindow> top;
        for (auto& [id, window] : windows) {
            if (!window.parent)
                top.push_back({Handle(id), window.shown, window.systemMenu, window.exeFile});
        }
        return top;
    }

    FakeWindow& Of(WindowHandle window) {
        return windows[reinterpret_cast<std::uintptr_t>(window)];
    }
    void WaitCursor(bool on) override { waitCursor += on ? "+" : "-"; }
    // Brings window `id` forward.
    void Front(std::uintptr_t id) { foreground = Handle(id); }

    std::map<std::uintptr_t, FakeWindow> windows;
    WindowHandle foreground = nullptr;
    int snapshots = 0;      // process look-ups made
    std::string waitCursor; // "+" for each wait cursor shown, "-" for each taken away
};

// A maker monitor offering picture modes 0 ... 4 in mode `mode`, on display `display`.
inline std::string SwitchableMonitor(const std::string& name, int display, int mode) {
    const int left = (display - 1) * 1920;
    return "monitor " + name + "\ndevice \\\\.\\DISPLAY" + std::to_string(display) + "\ndesktop " +
           std::to_string(left) + " 0 " + std::to_string(left + 1920) +
           " 1080\ncaps (prot(monitor)vcp(10 e0 e1)mswhql(1)mccs_ver(2.2))\n"
           "vcp 10 50 100\nvendor 20 e2 1 1\nvendor 20 e6 0 1\nvendor 30 e2 " +
           std::to_string(mode) +
           " 36\nvendor f0 e3 0 10\n"
           "slot 0 text 10(e2 e3 e4 e5 e6 e7 e8 e9 ea eb ec ed)20(e2 e6)30(e2)f0(e3)\n"
           "slot 1 hex 040110 05081f00000000000000 ff\nslot 2 text S-" +
           name + "\nslot 3 text M-SAME\n";
}
