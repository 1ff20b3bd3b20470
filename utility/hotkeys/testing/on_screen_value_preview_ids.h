// The preview's sample texts in its string table.
#pragma once

#define IDS_PREVIEW_MONITOR_1 1
#define IDS_PREVIEW_MONITOR_2 2
#define IDS_PREVIEW_BRIGHTNESS 3
#define IDS_PREVIEW_MODE 4
#define IDS_PREVIEW_MOVIE_MODE 5
#define IDS_PREVIEW_CONTRAST 6
#define IDS_PREVIEW_REFUSED 7
