#include "utility/pages/adjustment_data.h"
