// A command of the utility's command line, as parsed: what to do, on which monitor, with what.
#pragma once

#include <optional>
#include <string>

enum class CommandVerb { Help, List, Mode, Get, Set, Restore, Filter };

// The settings /get and /set name: the colour adjustment dialog's sliders and the sound page's
// volume.
enum class CommandControl { Brightness, Contrast, Temperature, Gamma, Red, Green, Blue, Volume };

// Which monitors a command works on: the utility's current one, the one with a display label
// ("1-2"), or every one.
enum class MonitorTarget { Current, Label, All };

// The exit statuses.
inline constexpr int kCommandDone = 0;
inline constexpr int kCommandNotOffered = 1; // no such monitor, mode, data or picture
inline constexpr int kCommandUsage = 2;
inline constexpr int kCommandRefused = 3;  // refused by the monitor or the picture mode
inline constexpr int kCommandNoAnswer = 4; // the monitor (or the running utility) did not answer

struct CommandRequest {
    CommandVerb verb = CommandVerb::Help;
    MonitorTarget target = MonitorTarget::Current;
    std::string label;
    int mode = -1; // /mode: the picture-mode number
    // /mode by steps instead (the shortcut keys): +n the n-th next, -n the n-th previous of the
    // modes the colour page lists for the monitor, wrapping; 0 takes `mode`.
    int modeStep = 0;
    CommandControl control = CommandControl::Brightness;
    std::string value;    // /set: as typed ("64", "6500K", "2.2", "raw:40")
    std::string dataName; // /restore
    // /filter: off, a default picture (1-based) or a picture file.
    bool filterOff = false;
    int picture = 0;
    std::string pictureFile;
    std::optional<int> transmittance; // percent, 0 ... 50
    std::optional<int> luminance;     // -100 ... 100
};
