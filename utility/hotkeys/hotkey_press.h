// What a shortcut key does: the action goes through the command runner, as a command of the
// command line would (the same permission check, ownership bracket, mode flags, pauses and store
// command), on the monitor the settings choose, and its outcome becomes the on-screen value.
#pragma once

#include "utility/command/command_runner.h"
#include "utility/hotkeys/hotkey_settings.h"
#include "utility/hotkeys/on_screen_value.h"
#include "utility/res/resource.h"

#include <string>

// What the on-screen value says: IDS_HOTKEY_* of the string table; the reasons for a refusal
// follow IDS_HOTKEY_WHY_NOT_OFFERED in the order of CommandRefusal.
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
