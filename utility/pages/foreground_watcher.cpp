#include "utility/pages/foreground_watcher.h"

#include "utility/pages/adjustment_data.h"
#include "utility/pages/application_window.h"

namespace {

// This program's own windows never switch anything.
constexpr char kOwnProgram[] = "DIMORADDCCI";

} // namespace

void ForegroundWatcher::Tick(const WatchInputs& inputs) {
    if (!inputs.activate)
        return;
    // With the settings window open on another page the user is adjusting by hand.
    if (inputs.mainShown && !inputs.pageOnView)
        return;
    // The common tick, the same window in front where it was, asks the system for the window
    // and its rectangle only: whether it is shown is asked of a window about to be evaluated.
    const WindowHandle window = m_windows.ForegroundWindow();
    if (!window || !NeedsEvaluation(window) || !m_windows.IsShownWindow(window))
        return;
    // Remembered even when nothing follows, so the same window is not looked at again.
    ++m_evaluations;
    m_lastWindow = window;
    m_lastDevice = m_windows.DisplayDeviceName(window);
    bool notYet = false;
    const std::string identifier = IdentifierOf(window, notYet);
    // A packaged application's frame gets its application's window a moment after it comes
    // forward: it is looked at again at the next tick.
    if (notYet)
        m_lastWindow = nullptr;
    if (identifier.empty())
        return;
    if (m_listener)
        m_listener(identifier);
    if (!inputs.details) {
        Apply(inputs, identifier, window);
        return;
    }
    WatchInputs complete = inputs;
    inputs.details(complete);
    Apply(complete, identifier, window);
}

// A window is evaluated when it comes forward, and again each time it moves to another display.
bool ForegroundWatcher::NeedsEvaluation(WindowHandle window) {
    if (window != m_lastWindow)
        return true;
    const std::string device = m_windows.DisplayDeviceName(window);
    return device != m_lastDevice && !AnyMonitorHasDeviceNames(m_monitors, m_lastDevice, device);
}

// The application of `window`; empty when its process has ended, for this program's own windows
// and for the desktop shell's other windows. `notYet` tells of a packaged application's frame
// that shows no application window yet.
std::string ForegroundWatcher::IdentifierOf(WindowHandle window, bool& notYet) {
    std::string className = m_windows.ClassName(window);
    const WindowHandle application = ApplicationWindow(m_windows, window, className);
    notYet = application == nullptr;
    if (notYet)
        return {};
    if (application != window)
        className = m_windows.ClassName(application);
    std::string exeFile;
    if (!m_windows.ProcessFileOf(application, exeFile))
        return {};
    const std::string identifier = ApplicationIdentifier(exeFile, className, m_codePage);
    return identifier == kOwnProgram ? std::string() : identifier;
}

void ForegroundWatcher::Apply(const WatchInputs& inputs, const std::string& identifier,
                              WindowHandle window) {
    std::int32_t target = kNotChangeMode;
    std::string dataName;
    const AppModeEntry* entry = nullptr;
    if (inputs.table) {
        for (const AppModeEntry& candidate : *inputs.table) {
            if (candidate.name == identifier) {
                entry = &candidate;
                break;
            }
        }
    }
    if (entry && entry->mode == kAdjustmentDataMode) {
        if (ReadAppModeName(m_registry, entry->name, dataName))
            target = kAdjustmentDataMode;
        else if (inputs.defaultChoice)
            target = inputs.defaultChoice->data; // the default's number, without its data name
        else
            return;
    } else if (entry) {
        target = entry->mode; // a stored number outside 0 ... 36 changes nothing
    } else {
        if (!inputs.defaultChoice || inputs.defaultChoice->data == kNotChangeMode)
            return;
        target = inputs.defaultChoice->data;
        if (target == kAdjustmentDataMode)
            dataName = inputs.defaultChoice->text;
    }
    if (target == kAdjustmentDataMode) {
        AdjustmentRecord record;
        if (!dataName.empty() && ReadAdjustmentRecord(m_registry, dataName, record))
            m_applier.ApplyRecordToModel(record, window, inputs.independent);
        return;
    }
    if (IsPictureMode(target))
        m_applier.ApplyMode(target, window, !inputs.independent);
}
