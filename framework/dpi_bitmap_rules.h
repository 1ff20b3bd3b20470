// Which of a picture's two bitmaps a screen resolution takes, and when it is stretched: the
// rule of every page and skin background of both programs.
#pragma once

// From 120 dots per inch on the large bitmap is used.
bool UsesLargeBitmap(int dpi);
// At exactly 96 and 120 dpi the bitmap repeats as it is; at any other resolution a copy
// stretched once to the window repeats instead.
bool BitmapIsStretched(int dpi);
