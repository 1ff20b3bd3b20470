// Font descriptions to derive new fonts from.
#pragma once

#include "framework/mingw_gaps_win.h"

// The description of `font`; of the default GUI font when `font` is null (a window that draws
// with the system font answers WM_GETFONT with null) or cannot be read.
inline LOGFONT FontDescription(HFONT font) {
    LOGFONT description{};
    if (!font || !::GetObject(font, sizeof(description), &description))
        ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(description), &description);
    return description;
}
