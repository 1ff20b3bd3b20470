// The sound page's behaviour without the window: the monitor choice, the speaker volume read
// from and written to the current monitor, the sound reset, the store command for the monitor
// that was being adjusted, and which controls are usable. The Win32 page turns notifications
// into calls of this model and shows what it asks through SoundPageView.
#pragma once

#include "utility/monitor/current_monitor.h"
#include "utility/ui/string_table.h"

#include <cstdint>
#include <string>
#include <vector>

// The controls the model switches on and off (the monitor selector is always usable).
struct SoundPageControls {
    bool volume = false; // the slider and its value box
    bool reset = false;

    bool operator==(const SoundPageControls&) const = default;
};

class SoundPageView {
  public:
    virtual ~SoundPageView() = default;
    // Fills the monitor selector and selects entry `selected` (-1: none).
    virtual void SetMonitorList(const std::vector<std::string>& entries, int selected) = 0;
    // The slider's range is 0 ... `maximum`.
    virtual void SetVolumeRange(int maximum) = 0;
    virtual void SetVolumePosition(int position) = 0;
    virtual void SetVolumeText(const std::string& text) = 0;
    virtual void EnableControls(const SoundPageControls& controls) = 0;
    // Asks the main window to make monitor `index` current (it answers before this returns).
    virtual void SelectMonitor(int index) = 0;
};

// The monitor's audio flags: the volume can be set; a sound reset is available.
inline constexpr std::uint32_t kAudioVolume = 0x2;
inline constexpr std::uint32_t kAudioReset = 0x80000000u;
// What the page shows for a monitor whose volume cannot be read.
inline constexpr std::uint32_t kDefaultVolumeMaximum = 30;

class SoundPageModel {
  public:
    SoundPageModel(SoundPageView& view, CurrentMonitor& monitor, CMonitorStatusAll& monitors,
                   const StringTable& strings);
    SoundPageModel(const SoundPageModel&) = delete;
    SoundPageModel& operator=(const SoundPageModel&) = delete;

    // Everything anew for the current monitor: each time the page is shown, and when the
    // current monitor follows the main window.
    void Refresh();
    // The page was hidden: the monitor keeps its sound settings.
    void PageHidden();
    // The user picked the monitor at `index` of the monitor selector.
    void MonitorChanged(int index);
    // The user moved the volume slider to `position`.
    void VolumeMoved(int position);
    // "&Reset": the monitor's sound settings go back to its defaults.
    void SoundReset();

    bool Enabled() const { return m_enabled; }
    // The last volume load read the monitor's volume (otherwise the page shows the defaults).
    bool VolumeRead() const { return m_volumeRead; }

  private:
    void FillMonitors();
    void LoadVolume();
    void ShowVolume(std::uint32_t current);
    // Tells the current monitor to keep its sound settings.
    void StoreSound();
    void EnableByPermission();
    void Enable();
    void Disable();
    std::uint32_t AudioFlags() const { return m_monitor.Status().information.audioFlags; }

    SoundPageView& m_view;
    CurrentMonitor& m_monitor;
    CMonitorStatusAll& m_monitors;
    const StringTable& m_strings;

    // The volume as last read (current, maximum).
    std::uint32_t m_volume = 0;
    std::uint32_t m_volumeMaximum = kDefaultVolumeMaximum;
    int m_accepted = 0; // the last slider position the monitor took
    bool m_volumeRead = false;
    bool m_enabled = false;
};
