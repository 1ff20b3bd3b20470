// Resource identifiers of DimoraDdcci, shared by the resource scripts and the C++ code.
// Plain #defines only: the resource compiler reads this file too.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Class of the main window: its dialog template names it, so the program registers a dialog
// class of this name (window procedure DefDlgProc, DLGWINDOWEXTRA bytes) before creating it.
#define DIMORA_MAIN_CLASS "DIMORA"

// Dialogs
#define IDD_ABOUTBOX 100
#define IDD_VTON 129
#define IDD_COLOR 283
#define IDD_COLOR_SUB 284
#define IDD_MONITOR_LIST 287
#define IDD_SOUND 290
#define IDD_DIMORA_DIALOG 291
#define IDD_EYECARE 292
#define IDD_EDIT_MSG 293
#define IDD_VSFILTER 308
#define IDD_HOTKEYS 312

// Notification-icon menu: pop-up 0 with a current monitor, pop-up 1 (Exit only) without
#define IDR_TRAY_MENU 155

// Icons and cursor
#define IDR_MAINFRAME 128 // coloured program icon
#define IDI_GREY 152      // the same picture in grey: no monitor to control
#define IDC_LINK_HAND 294 // pointer over links

// Bitmaps: colour temperature pictures (true colour / 256 colours)
#define IDB_TEMP_USER 156
#define IDB_TEMP_USER_256 158
#define IDB_TEMP_USER_OFF 180
#define IDB_TEMP_USER_OFF_256 181
#define IDB_TEMP_PRESET 270
#define IDB_TEMP_PRESET_256 271
#define IDB_TEMP_PRESET_OFF 272
#define IDB_TEMP_PRESET_OFF_256 273

// Bitmaps: pictures beside the colour sliders (enabled / disabled)
#define IDB_BRIGHTNESS 213
#define IDB_BRIGHTNESS_OFF 214
#define IDB_GAIN_BLUE 215
#define IDB_GAMMA 216
#define IDB_GAIN_GREEN 217
#define IDB_GAIN_OFF 219
#define IDB_GAMMA_OFF 220
#define IDB_GAIN_RED 225
#define IDB_CONTRAST 258
#define IDB_CONTRAST_OFF 261

// Bitmaps: page backgrounds, normal and for 120 dpi and above
#define IDB_PAGE_COLOR 274
#define IDB_PAGE_COLOR_LARGE 298
#define IDB_PAGE_COLOR_SUB 275
#define IDB_PAGE_COLOR_SUB_LARGE 300
#define IDB_PAGE_VTON 277
#define IDB_PAGE_VTON_LARGE 304
#define IDB_PAGE_SOUND 279
#define IDB_PAGE_SOUND_LARGE 306
#define IDB_PAGE_EYECARE 295
#define IDB_PAGE_EYECARE_LARGE 302
#define IDB_PAGE_VSFILTER 310
#define IDB_PAGE_VSFILTER_LARGE 311

// Bitmaps: page pictures (static 1216)
#define IDB_PICTURE_MONITOR 276
#define IDB_PICTURE_SPEAKER 278

// Strings
#define IDS_ABOUTBOX 101
#define IDS_TAB_VTON 102
#define IDS_TAB_COLOR 103
#define IDS_MODE_GAME 104
#define IDS_MODE_USER1 105
#define IDS_MODE_USER2 106
#define IDS_MODE_USER3 107
#define IDS_MODE_EYECARE 108
#define IDS_MODE_CINEMA 109
#define IDS_MODE_PAPER 110
#define IDS_MODE_TEXT 111
#define IDS_MODE_PICTURE 112
#define IDS_MODE_MOVIE 113
#define IDS_MODE_CUSTOM 114
#define IDS_MODE_SRGB 115
#define IDS_MONITOR 116
#define IDS_ASK_SAVE_MODE 117
#define IDS_MODE_ECO 118
#define IDS_ASK_DELETE_MODE 120
#define IDS_DELETE_MODE_FAILED 121
#define IDS_TRAY_ADD_FAILED 122
#define IDS_MUTEX_NAME 133
#define IDS_TAB_SOUND 149
#define IDS_VERSION 152
#define IDS_MODE_EXTERNAL 153
#define IDS_MODE_NOT_CHANGE 156
#define IDS_MODE_VIEWER 168
#define IDS_MONITOR_LIST_NOTE 180
#define IDS_DATA_OTHER_MODEL 181
#define IDS_KEEP_ON_TOP 182
#define IDS_MODE_DICOM_CL 183
#define IDS_MODE_DICOM_BL 184
#define IDS_MODE_CAL 185
#define IDS_ASK_DELETE_DATA 195
#define IDS_APPLIED_ONLY_TO 196
#define IDS_COPYRIGHT 201
#define IDS_FILTER_NONE 210
#define IDS_FILTER_IMAGE 211
#define IDS_FILTER_SELECT_FILE 212
#define IDS_PICTURE_FILES 213
#define IDS_PICTURE_DEFEXT 214
#define IDS_IMPORT_IMAGE_FAILED 215
#define IDS_IMPORT_FILE_FAILED 216
#define IDS_MODE_CAD 226
#define IDS_MODE_BLANK 227
#define IDS_BALLOON_TITLE 231
#define IDS_REMINDER_MESSAGE 232
#define IDS_MAKER_URL 245
#define IDS_NAME_TOO_LONG 246
#define IDS_DATA_UNREADABLE 260
#define IDS_DATA_NOT_SAVED 261
#define IDS_NO_MODEL_NAME 262
// The shortcut keys: what the on-screen value names and says, why a key was refused, the
// dialog's monitor choices and its message for keys another program holds.
#define IDS_HOTKEY_BRIGHTNESS 400
#define IDS_HOTKEY_CONTRAST 401
#define IDS_HOTKEY_VOLUME 402
#define IDS_HOTKEY_MODE 403
#define IDS_HOTKEY_FILTER 404
#define IDS_HOTKEY_ON 405
#define IDS_HOTKEY_OFF 406
#define IDS_HOTKEY_REFUSED 407
#define IDS_HOTKEY_WHY_NOT_OFFERED 408
#define IDS_HOTKEY_WHY_MODE 409
#define IDS_HOTKEY_WHY_NOT_PERMITTED 410
#define IDS_HOTKEY_WHY_OTHER_PROGRAM 411
#define IDS_HOTKEY_WHY_NOT_TAKEN 412
#define IDS_HOTKEY_WHY_NO_ANSWER 413
#define IDS_HOTKEY_WHY_DIALOG 414
#define IDS_HOTKEY_WHY_NO_MONITOR 415
#define IDS_HOTKEY_HELD 416
#define IDS_HOTKEY_UNDER_POINTER 417
#define IDS_HOTKEY_CURRENT 418
#define IDS_HOTKEY_EVERY 419

// Commands of the notification-icon menu
#define ID_TRAY_EXIT 32771
#define ID_TRAY_SETTINGS 32772
#define ID_TRAY_MONITOR_LIST 32782
#define ID_TRAY_EYECARE 32792
#define ID_TRAY_FILTER 32796
#define ID_TRAY_HOTKEYS 32797

// System-menu commands of the main window (the system keeps the low four bits for itself)
#define IDM_ABOUTBOX 0x0010
#define IDM_KEEPONTOP 0x0020

// Controls used on more than one dialog
#define IDC_MONITOR_SELECT 1008 // colour and sound pages
#define IDC_HYPERLINK 1203      // the three pages
#define IDC_PAGE_PICTURE 1216   // colour and sound pages

// Main window
#define IDC_TAB 1000
#define IDC_CLOSE 1046

// About box
#define IDC_ABOUT_VERSION 1159
#define IDC_ABOUT_COPYRIGHT 1160

// Application modes page
#define IDC_VTON_APP_LIST 1007
#define IDC_VTON_INDEPENDENT 1008
#define IDC_VTON_MODE_LIST 1010
#define IDC_VTON_ACTIVATE 1029
#define IDC_VTON_DELETE 1030
#define IDC_VTON_REGISTER 1031
#define IDC_VTON_DEFAULT_LIST 1095
#define IDC_VTON_APP_CAPTION 1120
#define IDC_VTON_MODE_CAPTION 1121
#define IDC_VTON_DEFAULT_CAPTION 1122

// Colour page
#define IDC_COLOR_MODE_LIST 1010
#define IDC_COLOR_DATA_NAME 1044
#define IDC_COLOR_REGISTER 1045
#define IDC_COLOR_DELETE 1046
#define IDC_COLOR_ADJUST 1047
#define IDC_COLOR_RESTORE 1048
#define IDC_COLOR_MODE_CAPTION 1121
#define IDC_COLOR_PARAM_CAPTION 1125
#define IDC_COLOR_DATA_CAPTION 1126

// Colour adjustment dialog: slider, value box and picture of each feature
#define IDC_SUB_BRIGHTNESS_SLIDER 1003
#define IDC_SUB_BRIGHTNESS_VALUE 1005
#define IDC_SUB_BRIGHTNESS_ICON 1096
#define IDC_SUB_GAMMA_SLIDER 1008
#define IDC_SUB_GAMMA_VALUE 1010
#define IDC_SUB_GAMMA_ICON 1102
#define IDC_SUB_RED_SLIDER 1012
#define IDC_SUB_RED_VALUE 1013
#define IDC_SUB_RED_ICON 1099
#define IDC_SUB_GREEN_SLIDER 1014
#define IDC_SUB_GREEN_VALUE 1015
#define IDC_SUB_GREEN_ICON 1100
#define IDC_SUB_BLUE_SLIDER 1016
#define IDC_SUB_BLUE_VALUE 1017
#define IDC_SUB_BLUE_ICON 1101
#define IDC_SUB_TEMP_VALUE 1018
#define IDC_SUB_CONTRAST_SLIDER 1022
#define IDC_SUB_CONTRAST_VALUE 1023
#define IDC_SUB_CONTRAST_ICON 1194
#define IDC_SUB_TEMP_SLIDER 1039
#define IDC_SUB_TEMP_PICTURE 1048 // hidden: marks where the dialog paints the picture
#define IDC_SUB_RESET 1080
#define IDC_SUB_TEMP_GROUP 1161
#define IDC_SUB_BRIGHTNESS_GROUP 1162
#define IDC_SUB_GAIN_GROUP 1165
#define IDC_SUB_GAMMA_GROUP 1166
#define IDC_SUB_CONTRAST_GROUP 1193

// Sound page
#define IDC_SOUND_RESET 1080
#define IDC_SOUND_SLIDER 1133
#define IDC_SOUND_VALUE 1134
#define IDC_SOUND_CAPTION 1136

// Monitor connection list
#define IDC_MONLIST_NOTE 1130
#define IDC_MONLIST_LIST 1153
#define IDC_MONLIST_HEADER 1156

// EyeCare dialog
#define IDC_EYECARE_HOURS_SPIN 1019
#define IDC_EYECARE_HOURS 1202
#define IDC_EYECARE_TARGET_GROUP 1205
#define IDC_EYECARE_REMINDER_GROUP 1207
#define IDC_EYECARE_MONITOR 1208
#define IDC_EYECARE_POPUP 1211
#define IDC_EYECARE_HOURS_UNIT 1213
#define IDC_EYECARE_EDIT_MSG 1214
#define IDC_EYECARE_INTERVAL 1215

// Edit Message dialog
#define IDC_EDITMSG_TEXT 1202
#define IDC_EDITMSG_CAPTION 1204

// EyeCare Filter dialog
#define IDC_FILTER_SELECT_GROUP 1217
#define IDC_FILTER_ADJUST_GROUP 1218
#define IDC_FILTER_IMAGE 1219
#define IDC_FILTER_PATH 1220
#define IDC_FILTER_BROWSE 1221
#define IDC_FILTER_ALPHA_CAPTION 1222
#define IDC_FILTER_LUM_CAPTION 1223
#define IDC_FILTER_ALPHA_SLIDER 1224
#define IDC_FILTER_LUM_SLIDER 1225
#define IDC_FILTER_ALPHA_VALUE 1226
#define IDC_FILTER_ALPHA_PERCENT 1227
#define IDC_FILTER_LUM_VALUE 1228
#define IDC_FILTER_RESTORE 1229

// Shortcut Keys dialog: a hot-key control per action, in the actions' order, then the step with
// its spin button and the monitor choice
#define IDC_HOTKEY_FIRST 1300
#define IDC_HOTKEY_STEP 1310
#define IDC_HOTKEY_STEP_SPIN 1311
#define IDC_HOTKEY_MONITOR 1312
