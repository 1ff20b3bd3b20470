#include "utility/pages/sound_page_model.h"

#include "utility/monitor/vcp_codes.h"
#include "utility/pages/monitor_choice.h"

namespace {

// The sound reset command's value; the monitor takes 3.2 s over it.
constexpr std::uint32_t kSoundResetCommand = 4;
// The monitor needs a moment after becoming current, and again after the page's reads.
constexpr std::uint32_t kMonitorSettleMs = 500;
constexpr std::uint32_t kAfterMonitorChangeMs = 100;

} // namespace

SoundPageModel::SoundPageModel(SoundPageView& view, CurrentMonitor& monitor,
                               CMonitorStatusAll& monitors, const StringTable& strings)
    : m_view(view), m_monitor(monitor), m_monitors(monitors), m_strings(strings) {}

void SoundPageModel::Refresh() {
    FillMonitors();
    m_monitor.TakeOwnership(Retry::Yes);
    LoadVolume();
    EnableByPermission();
    m_monitor.ReleaseOwnership();
}

void SoundPageModel::PageHidden() {
    // Without a monitor, or on one without sound functions, there is nothing to keep.
    if (!m_monitor.Exists() || AudioFlags() == 0)
        return;
    StoreSound();
}

void SoundPageModel::MonitorChanged(int index) {
    // The monitor being left keeps what the user set on it, whatever it offers.
    StoreSound();
    m_view.SelectMonitor(index);
    m_monitor.Wait(kMonitorSettleMs);
    m_monitor.TakeOwnership(Retry::Yes);
    LoadVolume();
    EnableByPermission();
    m_monitor.ReleaseOwnership();
    m_monitor.Wait(kAfterMonitorChangeMs);
}

void SoundPageModel::VolumeMoved(int position) {
    if (position == m_accepted)
        return;
    // Every position reaches the monitor as it passes; the volume needs no owner register.
    if (position >= 0 &&
        m_monitor.WriteFeature(kStandardPage, kSpeakerVolumeCode,
                               static_cast<std::uint32_t>(position), PageSelect::Write)) {
        m_accepted = position;
        m_view.SetVolumeText(std::to_string(position));
    } else {
        m_view.SetVolumePosition(m_accepted);
    }
}

void SoundPageModel::SoundReset() {
    m_monitor.TakeOwnership(Retry::Yes);
    if (m_monitor.IsAdjustmentPermitted() &&
        m_monitor.WriteFeature(kCommandPage, kSoundResetCode, kSoundResetCommand,
                               PageSelect::Write)) {
        std::uint32_t current = 0;
        std::uint32_t maximum = 0;
        if (m_monitor.ReadFeature(kStandardPage, kSpeakerVolumeCode, &current, &maximum,
                                  PageSelect::Write, Retry::Yes)) {
            m_volume = current;
            ShowVolume(current);
        }
    } else {
        Disable();
    }
    m_monitor.ReleaseOwnership();
}

void SoundPageModel::FillMonitors() {
    const MonitorChoice choice = MonitorSelectorEntries(m_monitors, m_strings);
    m_view.SetMonitorList(choice.entries, choice.selected);
}

void SoundPageModel::LoadVolume() {
    m_volume = 0;
    m_volumeMaximum = kDefaultVolumeMaximum;
    m_volumeRead = false;
    if (AudioFlags() & kAudioVolume) {
        std::uint32_t current = 0;
        std::uint32_t maximum = 0;
        if (m_monitor.ReadFeature(kStandardPage, kSpeakerVolumeCode, &current, &maximum,
                                  PageSelect::Write, Retry::Yes)) {
            m_volume = current;
            m_volumeMaximum = maximum;
            m_volumeRead = true;
        }
    }
    m_view.SetVolumeRange(static_cast<int>(m_volumeMaximum));
    ShowVolume(m_volume);
}

void SoundPageModel::ShowVolume(std::uint32_t current) {
    m_accepted = static_cast<int>(current);
    m_view.SetVolumePosition(m_accepted);
    m_view.SetVolumeText(std::to_string(current));
}

void SoundPageModel::StoreSound() {
    m_monitor.TakeOwnership(Retry::Yes);
    m_monitor.WriteFeature(kCommandPage, kStoreCode, kStoreSound, PageSelect::Write);
    m_monitor.ReleaseOwnership();
}

void SoundPageModel::EnableByPermission() {
    if (m_monitor.IsAdjustmentPermitted())
        Enable();
    else
        Disable();
}

void SoundPageModel::Enable() {
    const std::uint32_t flags = AudioFlags();
    m_view.EnableControls({(flags & kAudioVolume) != 0, (flags & kAudioReset) != 0});
    m_enabled = true;
}

void SoundPageModel::Disable() {
    m_view.EnableControls({});
    m_enabled = false;
}
