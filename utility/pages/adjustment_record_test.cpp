#include "utility/pages/adjustment_record.h"
