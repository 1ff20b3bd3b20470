// What a shortcut key does: the action goes through the command runner, as a command of the
// command line would (the same permission check, ownership bracket, mode flags, pauses and store
// command), on the monitor the settings choose, and its outcome becomes the on-screen value.
#pragma once

#include "utility/command/command_runner.h"
#include "utility/hotkeys/hotkey_settings.h"
#include "utility/hotkeys/on_screen_value.h"

#include <string>

// String ids of what the on-screen value says.
inline constexpr std::uint32_t kHotkeyBrightnessId = 400;
inline constexpr std::uint32_t kHotkeyContrastId = 401;
inline constexpr std::uint32_t kHotkeyVolumeId = 402;
inline constexpr std::uint32_t kHotkeyModeId = 403;
inline constexpr std::uint32_t kHotkeyFilterId = 404;
inline constexpr std::uint32_t kHotkeyOnId = 405;
inline constexpr std::uint32_t kHotkeyOffId = 406;
inline constexpr std::uint32_t kHotkeyRefusedId = 407; // "Refused: ", before the reason
// The reasons, in the order of CommandRefusal from NotOffered on.
inline constexpr std::uint32_t kHotkeyWhyFirstId = 408;
inline constexpr std::uint32_t kHotkeyNoMonitorId = 415; // none under the pointer

struct HotkeyResult {
    OnScreenValue value;
    // The display device the value shows on ("\\.\DISPLAY2"); empty for the primary one.
    std::string device;
    // A monitor's settings changed: a page that shows them should be filled anew.
    bool monitorChanged = false;
};

// The command `presses` presses of `action` make, as one step of their sum. False when they
// change nothing (the filter key pressed an even number of times).
bool HotkeyRequest(HotkeyAction action, int presses, const HotkeySettings& settings,
                   const FilterSettings& applied, RegistryPort& registry, CommandRequest& request);

// Carries out `presses` presses of `action` (queued presses collapsed into one) on the monitor
// `settings` choose; `pointerDevice` is the display device under the mouse pointer.
HotkeyResult PressHotkey(HotkeyAction action, int presses, const HotkeySettings& settings,
                         const std::string& pointerDevice, CommandContext& context);
