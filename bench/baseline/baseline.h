// What the start-up benchmark needs to know about the bare baseline program: the class of its
// hidden window, by which the driver finds it.
#pragma once

inline constexpr char kBaselineWindowClass[] = "DimoraBaseline";
