// What the soak samples of the driven program: its GDI objects, USER objects, kernel handles and
// private bytes, each from the first source that answers under this system, or none.
#pragma once

#include <windows.h>

#include <string>

struct CounterReading {
    long long value = -1; // -1: no source answers
    std::string source;   // where the figure comes from, or why there is none
};

struct ProcessSample {
    CounterReading gdiObjects;
    CounterReading userObjects;
    CounterReading handles;
    CounterReading privateBytes;
};

// Reads the counters of `process` (opened with query and read rights), whose main window answers
// the utility's state query.
ProcessSample ReadProcessCounters(HANDLE process, HWND main);
