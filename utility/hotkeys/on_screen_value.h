// What the on-screen value shows after a shortcut key: which monitor changed, what changed, and
// to what. Texts are in the system code page, as the string table gives them.
#pragma once

#include <string>

struct OnScreenValue {
    std::string monitor; // the monitor's display label and model name ("1-2  XR-2790")
    std::string control; // what the key changed, as the pages name it ("Brightness")
    // A value in a range shows as a bar and its number; without one only `text` shows.
    bool hasValue = false;
    int value = 0;
    int minimum = 0;
    int maximum = 100;
    // A picture mode's name, the filter's state, or (with `refused`) why nothing changed.
    std::string text;
    bool refused = false;
};
