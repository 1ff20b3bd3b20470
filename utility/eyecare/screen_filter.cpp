#include "utility/eyecare/screen_filter.h"

ScreenFilter::ScreenFilter(CMonitorStatusAll& monitors, FilterSettings& settings,
                           OverlayPort& overlays, GammaPort& gammaPort, ClockPort& clock,
                           GammaList& gammaList)
    : m_monitors(monitors), m_settings(settings), m_overlays(overlays), m_gammaPort(gammaPort),
      m_clock(clock), m_gammaList(gammaList) {}

void ScreenFilter::BuildGammaList() {
    GammaList rebuilt = BuildGammaDevices(m_gammaPort, m_clock, m_gammaList);
    m_gammaList = std::move(rebuilt);
}

void ScreenFilter::NoteReadBack(const std::string& deviceName) {
    for (const auto& gamma : m_gammaList) {
        if (gamma->DeviceName() == deviceName) {
            m_rampStartReadBack = gamma->ReadBackStart();
            return;
        }
    }
}

void ScreenFilter::FreeGammaList() {
    for (auto& gamma : m_gammaList) {
        gamma->Restore();
        m_rampStartReadBack = gamma->ReadBackStart();
    }
    m_gammaList.clear();
    m_appliedLuminance = kNoFilterLuminance;
}

void ScreenFilter::CreateOverlayWindows() {
    for (auto& monitor : m_monitors.monitors) {
        monitor->overlay = m_overlays.CreateOverlay(monitor->desktop);
        if (monitor->overlay)
            monitor->overlay->Show(false);
    }
    if (!On())
        return;
    // Every overlay was just made without a picture: the old one can go first.
    m_filterImage.reset();
    m_filterImage = m_overlays.LoadImage(m_settings.filePath);
    if (m_filterImage && (m_filterImage->Width() <= 0 || m_filterImage->Height() <= 0))
        m_filterImage.reset(); // a picture of no size shows nothing: not loaded
    if (!m_filterImage) {
        m_settings = FilterSettings{};
        return;
    }
    for (auto& monitor : m_monitors.monitors) {
        if (!monitor->overlay)
            continue;
        monitor->overlay->SetPicture(m_filterImage.get());
        monitor->overlay->SetAlpha(m_settings.alpha);
        monitor->overlay->Show(true);
        ReapplyFilterLuminance(*monitor);
    }
}

void ScreenFilter::DestroyOverlays() {
    for (auto& monitor : m_monitors.monitors)
        monitor->overlay.reset();
}

void ScreenFilter::ReapplyFilterLuminance(const CMonitorStatus& monitor) {
    ApplyFilterLuminance(m_gammaList, monitor.deviceName, m_settings.luminance);
    NoteReadBack(monitor.deviceName);
    m_appliedLuminance = m_settings.luminance;
}

void ScreenFilter::ReapplyAllLuminance() {
    for (const auto& monitor : m_monitors.monitors)
        ReapplyFilterLuminance(*monitor);
}

void ScreenFilter::RaiseOverlays() {
    for (const auto& monitor : m_monitors.monitors) {
        if (monitor->overlay)
            monitor->overlay->RaiseToTop();
    }
}

bool ScreenFilter::LoadPicture(const std::string& path) {
    std::unique_ptr<FilterImage> picture = m_overlays.LoadImage(path);
    if (picture && (picture->Width() <= 0 || picture->Height() <= 0))
        picture.reset();
    for (auto& monitor : m_monitors.monitors) {
        if (monitor->overlay)
            monitor->overlay->SetPicture(picture.get());
    }
    m_filterImage = std::move(picture);
    return m_filterImage != nullptr;
}

void ScreenFilter::ShowFilter(const FilterSettings& settings) {
    // The ramps are set whether or not the monitor still has an overlay: a display change
    // destroys the overlays before the filter dialog puts back what it previewed.
    for (auto& monitor : m_monitors.monitors) {
        if (monitor->overlay) {
            monitor->overlay->SetPicture(m_filterImage.get());
            monitor->overlay->SetAlpha(settings.alpha);
            monitor->overlay->Show(true);
        }
        ApplyFilterLuminance(m_gammaList, monitor->deviceName, settings.luminance, false);
        NoteReadBack(monitor->deviceName);
        m_appliedLuminance = settings.luminance;
    }
}

void ScreenFilter::HideFilter() {
    for (auto& monitor : m_monitors.monitors) {
        if (monitor->overlay) {
            monitor->overlay->SetAlpha(0);
            monitor->overlay->Show(false);
        }
    }
    // Every display device, overlay or not: none keeps a luminance once the filter is off.
    for (auto& gamma : m_gammaList) {
        gamma->Restore();
        m_rampStartReadBack = gamma->ReadBackStart();
    }
    m_appliedLuminance = kNoFilterLuminance;
}

void ScreenFilter::SetAlpha(int alpha) {
    for (auto& monitor : m_monitors.monitors) {
        if (monitor->overlay)
            monitor->overlay->SetAlpha(alpha);
    }
}

void ScreenFilter::ApplyLuminance(int luminance, bool resetFirst) {
    for (const auto& monitor : m_monitors.monitors) {
        ApplyFilterLuminance(m_gammaList, monitor->deviceName, luminance, resetFirst);
        NoteReadBack(monitor->deviceName);
        m_appliedLuminance = luminance;
    }
}
