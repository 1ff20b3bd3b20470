// Start-up marks: where the time goes before a window is on the screen. Only when the
// environment variable DIMORA_START_MARKS names a file does a program record anything: each
// Mark takes the performance counter, and once the window is shown and every part of it has
// painted, the marks are written to that file, one "name counter" line each after a first line
// with the counter's frequency, and a last line "cpu" with the processor time used until then
// (100 ns units). The start-up benchmark reads them beside its own counter taken
// before it started the program. Without the variable every call returns at once.
#pragma once

#include <windows.h>

namespace start_marks {

// Records `name` (a literal: it is kept, not copied) with the counter now.
void Mark(const char* name);

// Called when the program's window is shown: marks "shown", then "painted" after each paint
// of any of the thread's windows, and writes the file once no window of the thread has anything
// left to paint ("visible", at the end of the last paint).
void WindowShown();

} // namespace start_marks
