#include "utility/pages/color_sub_model.h"
