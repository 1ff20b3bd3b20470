/* The maker's monitor-information library: finds the maker's monitors among those attached to
 * the desktop and describes each in a fixed 668-byte record. Both functions use the C calling
 * convention and are exported under their plain names from libpanq.dll. */
#pragma once

#include <stdint.h>

#if defined(_WIN32)
#define PNQ_CALL __cdecl
#if defined(PNQ_BUILDING)
#define PNQ_API __declspec(dllexport)
#else
#define PNQ_API __declspec(dllimport)
#endif
#else
#define PNQ_CALL
#define PNQ_API
#endif

/* Results: 0 is success, anything below 0 a failure. */
#define PNQ_OK 0
#define PNQ_E_ARGUMENT (-1)   /* a null pointer, or an index below 0 */
#define PNQ_E_NO_MONITOR (-2) /* no monitor at that index in the last search */

/* PnqFindMonitors option: search the desktop again. Without it the result of the previous
 * search is reported (the first call always searches). */
#define PNQ_FIND_RESCAN 1

/* PnqMonitorInfo.flags: the monitor belongs to the primary desktop monitor. */
#define PNQ_FLAG_PRIMARY 0x1

#define PNQ_MONITOR_INFO_SIZE 668

/* One of the maker's monitors. Texts end in a zero byte (cut to fit); unknown fields are 0. */
typedef struct PnqMonitorInfo {
    uint32_t size;           /*   0: PNQ_MONITOR_INFO_SIZE */
    uint32_t index;          /*   4: position in the search result */
    char manufacturer[4];    /*   8: EDID manufacturer id, three letters */
    uint16_t productCode;    /*  12: EDID product code */
    uint16_t edidVersion;    /*  14: EDID version << 8 | revision */
    uint32_t serialNumber;   /*  16: EDID binary serial number */
    uint16_t year;           /*  20: year of manufacture */
    uint8_t week;            /*  22: week of manufacture as stored, 255: model year */
    uint8_t reserved0;       /*  23 */
    uint32_t flags;          /*  24: PNQ_FLAG_* */
    int32_t left;            /*  28: desktop rectangle of the monitor's display */
    int32_t top;             /*  32 */
    int32_t right;           /*  36 */
    int32_t bottom;          /*  40 */
    char deviceName[32];     /*  44: display device, for example \\.\DISPLAY1 */
    char modelName[16];      /*  76: EDID monitor name descriptor */
    char serialText[16];     /*  92: EDID serial number descriptor */
    char interfaceName[256]; /* 108: the monitor's device interface path */
    uint8_t edid[128];       /* 364: the EDID base block */
    uint8_t reserved[176];   /* 492 */
} PnqMonitorInfo;

#ifdef __cplusplus
extern "C" {
#endif

/* Sets *count to the number of the maker's monitors found; option PNQ_FIND_RESCAN or 0. */
PNQ_API int PNQ_CALL PnqFindMonitors(int* count, int option);
/* Fills the PNQ_MONITOR_INFO_SIZE-byte record of monitor `index` of the last search; option is
 * reserved, pass 0. */
PNQ_API int PNQ_CALL PnqGetMonitorInfo(int index, void* record, int option);

#ifdef __cplusplus
}
#endif
