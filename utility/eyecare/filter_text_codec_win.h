// The filter files' text conversion in the Windows build: UTF-16 and the system code page.
#pragma once

#include "utility/eyecare/def_filter_file.h"

FilterTextCodec SystemCodePageCodec();
