#include "utility/pages/dlg_color_sub_win.h"
