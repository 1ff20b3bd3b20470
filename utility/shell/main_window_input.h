// The main window's input as its model sees it: keys, the notification icon's mouse messages and
// the power and session events (with their system values).
#pragma once

#include <cstdint>

// The main window's keyboard: keys that reach the main window itself.
enum class KeyFocus { TabControl, CloseButton, Other };
struct KeyPress {
    unsigned key = 0;    // virtual-key code
    bool system = false; // with Alt (a system key)
    bool ctrl = false;
    bool shift = false;
    KeyFocus focus = KeyFocus::Other;
};
enum class KeyOutcome {
    Consumed,                  // the key goes no further
    Dispatch,                  // normal dialog processing
    DispatchWithoutNavigation, // dispatched, but the dialog's own Tab handling must not see it
};

// The notification icon's mouse messages that matter.
enum class TrayMouse { LeftDoubleClick, RightButtonUp, Other };

// Power-broadcast and session-change events the program reacts to (their system values).
inline constexpr std::uint32_t kPowerSuspend = 4; // PBT_APMSUSPEND
// Windows sends PBT_APMRESUMEAUTOMATIC on every resume, and PBT_APMRESUMESUSPEND as well when
// the user woke the machine (or touches it later): one resume, one or two messages.
inline constexpr std::uint32_t kPowerResume = 7;           // PBT_APMRESUMESUSPEND
inline constexpr std::uint32_t kPowerResumeAutomatic = 18; // PBT_APMRESUMEAUTOMATIC
inline constexpr std::uint32_t kSessionUnlock = 8;         // WTS_SESSION_UNLOCK
