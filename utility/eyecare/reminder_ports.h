// What the EyeCare reminder needs from the desktop besides its timers: the notification icon's
// balloon, and whether a screen saver runs (time in the screen saver does not count).
#pragma once

#include <string>

// The balloon's texts.
struct BalloonText {
    std::string title;
    std::string text;
};

class BalloonPort {
  public:
    virtual ~BalloonPort() = default;
    // Shows the balloon at the notification icon for 10 seconds.
    virtual void ShowBalloon(const BalloonText& balloon) = 0;
    // Removes the balloon shown last.
    virtual void HideBalloon() = 0;
};

class ScreenSaverPort {
  public:
    virtual ~ScreenSaverPort() = default;
    // SystemParametersInfo's SPI_GETSCREENSAVERRUNNING; false when it cannot be asked.
    virtual bool ScreenSaverRunning() = 0;
};
