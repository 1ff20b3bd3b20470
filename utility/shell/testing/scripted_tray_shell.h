// Test support: a notification-area shell that answers from a script and records its calls.
#pragma once

#include "utility/shell/tray_icon.h"

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

// A shell that answers from a script: each call takes the next result (true, or an error code).
// Balloons are recorded as "balloon:<icon>:<title>:<text>"; the screen saver runs while
// `screenSaver` says so.
class ScriptedShell : public TrayShellPort {
  public:
    bool NotifyIcon(TrayAction action, std::uint32_t iconId, const std::string&) override {
        calls.push_back(std::to_string(static_cast<int>(action)) + ":" + std::to_string(iconId));
        if (script.empty())
            return true;
        const std::uint32_t next = script.front();
        script.pop_front();
        error = next;
        return next == 0;
    }
    bool NotifyBalloon(const BalloonRecord& record) override {
        calls.push_back("balloon:" + std::to_string(record.iconId) + ":" + record.title + ":" +
                        record.text);
        lastBalloon = record;
        return balloonResult;
    }
    bool ScreenSaverRunning() override { return screenSaver; }
    std::uint32_t LastError() override { return error; }
    void Sleep(std::uint32_t ms) override { slept += ms; }

    std::deque<std::uint32_t> script; // 0 = success, else the error code
    std::vector<std::string> calls;
    std::uint32_t error = 0;
    std::uint64_t slept = 0;
    BalloonRecord lastBalloon;
    bool balloonResult = true;
    bool screenSaver = false;
};
