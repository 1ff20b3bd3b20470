// Test support: the number of GDI objects this process holds, for tests that check a window
// releases everything it made.
#pragma once

#include <windows.h>

// Wine answers 0 to GetGuiResources; there a handle whose upper word is 0 names the object in
// that slot of the handle table, so the live slots are counted instead.
inline DWORD GdiObjectCount() {
    DWORD count = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (count)
        return count;
    for (ULONG_PTR slot = 1; slot < 0x10000; ++slot) {
        if (::GetObjectType(reinterpret_cast<HGDIOBJ>(slot)))
            ++count;
    }
    return count;
}
