// Where a pattern brush starts so that a control painted with it continues its window's
// background picture without a seam.
#pragma once

struct BrushOrigin {
    int x = 0;
    int y = 0;
};

// The origin for painting a control whose top-left corner lies at (`controlLeft`,
// `controlTop`) in its window: the control's pixel (0, 0) shows the pattern's pixel at that
// position. Taken modulo the pattern size, so it stays small and non-negative; without a pattern
// (0 x 0) the plain offset.
BrushOrigin SeamlessBrushOrigin(int patternWidth, int patternHeight, int controlLeft,
                                int controlTop);
