// The GDI and USER objects the calling process holds, for the state query through which the soak
// reads them: Wine's GetGuiResources answers 0 for every process, so the program counts what it
// can of itself.
#pragma once

// GetGuiResources(GR_GDIOBJECTS) of this process or, where that answers 0, the live entries of
// its GDI handle table: stock objects, DCs, bitmaps, brushes, fonts, pens, regions.
unsigned long OwnGdiObjects();

// GetGuiResources(GR_USEROBJECTS) of this process or, where that answers 0, its windows
// (top-level, child and message-only) and menus; icons and cursors are not counted then.
unsigned long OwnUserObjects();
