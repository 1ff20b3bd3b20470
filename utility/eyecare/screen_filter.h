// The screen filter as it is applied: one overlay per monitor showing the filter picture at the
// filter's opacity, and the display devices' gamma ramps shifted by its luminance. The main
// window drives it at start-up, on display changes, after resume or unlock and at exit; the
// filter dialog sets new settings through it.
#pragma once

#include "utility/eyecare/filter_settings.h"
#include "utility/monitor/gamma.h"
#include "utility/monitor/monitor_list.h"
#include "utility/monitor/overlay_window.h"

#include <memory>
#include <string>

// What the filter needs from the platform: overlay windows and decoded pictures.
class OverlayPort {
  public:
    virtual ~OverlayPort() = default;
    // A hidden overlay over `desktop`, owned by the main window; null when it cannot be made.
    virtual std::unique_ptr<OverlayWindow> CreateOverlay(const DesktopRect& desktop) = 0;
    // The picture file at `path`, decoded; null when it cannot be read or decoded.
    virtual std::unique_ptr<FilterImage> LoadImage(const std::string& path) = 0;
};

class ScreenFilter {
  public:
    ScreenFilter(CMonitorStatusAll& monitors, FilterSettings& settings, OverlayPort& overlays,
                 GammaPort& gammaPort, ClockPort& clock, GammaList& gammaList);
    ScreenFilter(const ScreenFilter&) = delete;
    ScreenFilter& operator=(const ScreenFilter&) = delete;

    // The applied filter as stored.
    void LoadSettings(const CRegistry& registry) { LoadFilterSettings(registry, m_settings); }
    // One gamma object per display device attached to the desktop; a device of the previous
    // list keeps the ramp it had when the program started.
    void BuildGammaList();
    // Every device gets its start-up ramp back; the list is emptied.
    void FreeGammaList();
    // An overlay per monitor, hidden; then, with the filter on, the picture loaded again and
    // shown on every overlay with the filter's opacity and luminance. A picture that cannot be
    // loaded switches the filter off for this run (the stored settings stay).
    void CreateOverlayWindows();
    void DestroyOverlays();
    // The filter's luminance on the display device of `monitor`, from the identity ramp.
    void ReapplyFilterLuminance(const CMonitorStatus& monitor);
    // The same for every monitor.
    void ReapplyAllLuminance();
    // Every overlay above every window again.
    void RaiseOverlays();

    // The filter dialog's preview, with the dialog's working settings.
    // Replaces the shared picture with the file at `path` decoded; false (and no picture) when
    // it cannot be read or decodes to nothing. Overlays are handed the new picture at once, so
    // none is left pointing at the discarded one.
    bool LoadPicture(const std::string& path);
    // Every overlay shows the shared picture at `settings.alpha`, and every monitor's device
    // takes `settings.luminance`, also a monitor whose overlay is gone.
    void ShowFilter(const FilterSettings& settings);
    // Every overlay hidden with opacity 0; every display device of the gamma list gets its
    // start-up ramp back, whether or not a monitor with an overlay shows on it.
    void HideFilter();
    // Opacity `alpha` on every overlay.
    void SetAlpha(int alpha);
    // `luminance` on every monitor's device, with the identity ramp first when `resetFirst`.
    void ApplyLuminance(int luminance, bool resetFirst);

    bool On() const { return m_settings.on != 0; }
    // The luminance last given to the monitors' gamma objects (whether their devices took it or
    // not); kNoFilterLuminance since they were restored or before any.
    static constexpr int kNoFilterLuminance = -1000;
    int AppliedLuminance() const { return m_appliedLuminance; }
    // The first entry (0-255 scale) of the ramp the last device written to gave back, what the
    // screen shows rather than what was asked; -1 before any, or when it could not be read.
    int RampStartReadBack() const { return m_rampStartReadBack; }
    const FilterImage* Image() const { return m_filterImage.get(); }

  private:
    // Keeps what the device named `deviceName` gave back after its last write.
    void NoteReadBack(const std::string& deviceName);

    CMonitorStatusAll& m_monitors;
    FilterSettings& m_settings;
    OverlayPort& m_overlays;
    GammaPort& m_gammaPort;
    ClockPort& m_clock;
    GammaList& m_gammaList;
    // The decoded picture every overlay shows.
    std::unique_ptr<FilterImage> m_filterImage;
    int m_appliedLuminance = kNoFilterLuminance;
    int m_rampStartReadBack = -1;
};
