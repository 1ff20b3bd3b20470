// The foreground watcher: every 100 ms it looks at the window in the foreground, and when a new
// window came forward (or the window moved to another display) it names the window's
// application, tells the Auto Veltone page, and puts the monitors into what the table (or the
// default) says for that application.
#pragma once

#include "utility/pages/app_mode_table.h"
#include "utility/pages/auto_apply.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The default for applications without an entry: the default list's selected item.
struct DefaultChoice {
    std::int32_t data = kNotChangeMode; // a mode, 37, or 255 for adjustment data
    std::string text;                   // the item's text (the data name for 255)
};

// What the page tells the watcher at each tick.
struct WatchInputs {
    bool activate = false;    // "Activate Auto Veltone"
    bool independent = false; // per-screen switching
    bool pageOnView = false;  // the Auto Veltone page is the page shown
    bool mainShown = false;   // the main window is shown
    const std::vector<AppModeEntry>* table = nullptr;
    std::optional<DefaultChoice> defaultChoice; // none: no default selected
    // Fills `independent` and `defaultChoice` when an application is about to be switched: most
    // ticks find the same window in front and need neither (each is a question to a control).
    std::function<void(WatchInputs&)> details;
};

class ForegroundWatcher {
  public:
    ForegroundWatcher(ForegroundPort& windows, const CMonitorStatusAll& monitors,
                      AutoApplier& applier, RegistryPort& registry, const CodePage& codePage)
        : m_windows(windows), m_monitors(monitors), m_applier(applier), m_registry(registry),
          m_codePage(codePage) {}

    // Called with each newly evaluated application identifier (the page shows it).
    void SetForegroundListener(std::function<void(const std::string&)> listener) {
        m_listener = std::move(listener);
    }
    // Forgets the last foreground window: the next tick evaluates whatever is in front.
    void Reset() { m_lastWindow = nullptr; }

    void Tick(const WatchInputs& inputs);

    // Evaluations made so far (a new window or display came forward).
    int Evaluations() const { return m_evaluations; }

  private:
    bool NeedsEvaluation(WindowHandle window);
    std::string IdentifierOf(WindowHandle window, bool& notYet);
    void Apply(const WatchInputs& inputs, const std::string& identifier, WindowHandle window);

    ForegroundPort& m_windows;
    const CMonitorStatusAll& m_monitors;
    AutoApplier& m_applier;
    CRegistry m_registry;
    const CodePage& m_codePage;
    std::function<void(const std::string&)> m_listener;
    WindowHandle m_lastWindow = nullptr;
    std::string m_lastDevice;
    int m_evaluations = 0;
};
