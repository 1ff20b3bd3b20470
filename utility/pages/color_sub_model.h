// The colour adjustment dialog's behaviour without the window: what the seven sliders offer and
// show for the current monitor, which of them the picture mode allows, every slider movement
// written to the monitor at once, Reset, OK, and Cancel writing back the values the monitor had
// when the dialog opened. The Win32 dialog turns messages into calls of this model and shows
// what it asks through ColorSubView.
#pragma once

#include "utility/monitor/current_monitor.h"
#include "utility/monitor/monitor_color.h"
#include "utility/monitor/monitor_list.h"
#include "utility/ui/shell_state.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

enum class ColorSlider { Temperature, Brightness, Contrast, Gamma, Red, Green, Blue };
inline constexpr std::size_t kColorSliderCount = 7;

// What one slider shows: its range and its position (always inside the range, as the control
// keeps it).
struct SliderState {
    int minimum = 0;
    int maximum = 0;
    int position = 0;

    bool operator==(const SliderState&) const = default;
};

class ColorSubView {
  public:
    virtual ~ColorSubView() = default;
    virtual void SetSliderRange(ColorSlider slider, int minimum, int maximum) = 0;
    virtual void SetSliderPosition(ColorSlider slider, int position) = 0;
    virtual void SetSliderPageSize(ColorSlider slider, int size) = 0;
    virtual void SetValueText(ColorSlider slider, const std::string& text) = 0;
    // Enables or disables the slider with its value box, and shows bitmap `icon` beside it (0:
    // the slider has no icon).
    virtual void EnableSlider(ColorSlider slider, bool enabled, std::uint32_t icon) = 0;
    // "&Reset", "OK" and "Cancel".
    virtual void EnableButtons(bool enabled) = 0;
    virtual void FocusOk() = 0;
    // The colour temperature picture is drawn again (TemperaturePicture says which).
    virtual void RepaintPicture() = 0;
    // The wait cursor, nested: shown from the first Begin until the matching End.
    virtual void BeginWait() = 0;
    virtual void EndWait() = 0;
    // Ends the dialog with `result`.
    virtual void Finish(int result) = 0;
};

// Dialog results besides OK (1) and Cancel (2).
inline constexpr int kColorSubRefused = 0; // the monitor refuses adjustment
inline constexpr int kColorSubClosedForRescan = 255;

class ColorSubModel {
  public:
    ColorSubModel(ColorSubView& view, CurrentMonitor& monitor, CMonitorColor& snapshot,
                  CMonitorStatusAll& monitors, ShellState& shell);
    ColorSubModel(const ColorSubModel&) = delete;
    ColorSubModel& operator=(const ColorSubModel&) = delete;

    // The window exists: it is published for the rescan to close, and everything is disabled
    // until Open has loaded the values.
    void Initialise(WindowHandle window);
    // First shown: claims the monitor, loads every value and keeps the backup; ends the dialog
    // with kColorSubRefused when the monitor refuses adjustment. Shown again (Windows hides and
    // shows the dialog with its owner), it changes nothing: the backup stays the opening values.
    void Open();
    // The user moved `slider` to `position`.
    void SliderMoved(ColorSlider slider, int position);
    // Factory colour defaults, then everything loaded again.
    void Reset();
    void Ok();
    void Cancel();
    // The window goes: the monitor hears that the dialog stopped working on it, and the rescan
    // may run again.
    void Close();

    // The bitmap of the colour temperature picture, by whether the mode lets the temperature be
    // adjusted, whether the monitor shows its user colour and whether the screen has fewer than
    // 16 bits per pixel; 0 (nothing to paint) without a current monitor.
    std::uint32_t TemperaturePicture(bool fewerThan16Bits);

    const SliderState& Slider(ColorSlider slider) const { return m_sliders[Index(slider)]; }
    // The monitor's value at `position` of `slider`: the temperature's positions stand for the
    // set bits of the monitor's temperature mask (-1 past the last), every other position for
    // the value itself.
    int PositionValue(ColorSlider slider, int position) const;
    // What the value box would show with `slider` at `position` (the command line takes values
    // in these units).
    std::string PositionText(ColorSlider slider, int position) const;
    const CMonitorColor& Backup() const { return m_backup; }

  private:
    static std::size_t Index(ColorSlider slider) { return static_cast<std::size_t>(slider); }

    void Load();
    void ReadAll();
    void SetupAll();
    void SetupSlider(ColorSlider slider, bool read, std::int32_t current);
    void SetupTemperature(bool read, std::int32_t current);
    void EnableByMode();
    std::string FormatValue(ColorSlider slider, std::int32_t value) const;
    void WriteBack(const CMonitorColor& backup);

    void MoveTemperature(int position);
    void MoveGamma(int position);
    void MoveStandard(ColorSlider slider, int position);
    void FollowGainMove();
    void Accept(ColorSlider slider, int position, std::int32_t value);
    void PutBack(ColorSlider slider);

    void SetRange(ColorSlider slider, int minimum, int maximum);
    void SetPosition(ColorSlider slider, int position);
    void SetText(ColorSlider slider, const std::string& text);

    // The adjustment flags of `mode` (0 for a mode beyond the table or unknown).
    std::uint32_t ModeFlags(std::int32_t mode) const;
    bool GroupInUse() const;
    // The monitor's available temperature values (the set bits of its temperature mask).
    int TemperatureCount() const;
    int TemperatureValueAt(int position) const;

    ColorSubView& m_view;
    CurrentMonitor& m_monitor;
    CMonitorColor& m_snapshot;
    CMonitorStatusAll& m_monitors;
    ShellState& m_shell;

    CMonitorColor m_backup;
    std::array<SliderState, kColorSliderCount> m_sliders{};
    std::array<int, kColorSliderCount> m_accepted{};
    int m_userColorPicture = 0;
    bool m_opened = false;
};
