// What the program relies on in its resources: each dialog with the controls it binds, and every
// string and bitmap it loads.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "utility/monitor/picture_modes.h"
#include "utility/res/resource.h"

namespace resource_tables {

constexpr const char* kTrackbar = "msctls_trackbar32";

struct DialogSpec {
    const char* name;
    int id;
    bool page;        // child dialog inside the main window's tab control
    int firstControl; // first control in tab order (pages only)
    std::map<std::string, std::vector<int>> controls; // by window class
};

// clang-format off
inline const std::vector<DialogSpec>& Dialogs() {
    static const std::vector<DialogSpec> dialogs = {
        {"About", IDD_ABOUTBOX, false, 0,
         {{"Static", {IDC_ABOUT_VERSION, IDC_ABOUT_COPYRIGHT}}, {"Button", {IDOK}}}},
        {"Main", IDD_DIMORA_DIALOG, false, 0,
         {{"SysTabControl32", {IDC_TAB}}, {"Button", {IDC_CLOSE}}}},
        {"AutoVeltone", IDD_VTON, true, IDC_VTON_ACTIVATE,
         {{"Button", {IDC_VTON_ACTIVATE, IDC_VTON_REGISTER, IDC_VTON_DELETE, IDC_VTON_INDEPENDENT}},
          {"ComboBox", {IDC_VTON_APP_LIST, IDC_VTON_MODE_LIST, IDC_VTON_DEFAULT_LIST}},
          {"Static", {IDC_VTON_APP_CAPTION, IDC_VTON_MODE_CAPTION, IDC_HYPERLINK}}}},
        {"Color", IDD_COLOR, true, IDC_MONITOR_SELECT,
         {{"ComboBox", {IDC_MONITOR_SELECT, IDC_COLOR_MODE_LIST, IDC_COLOR_DATA_NAME}},
          {"Button", {IDC_COLOR_ADJUST, IDC_COLOR_REGISTER, IDC_COLOR_DELETE, IDC_COLOR_RESTORE}},
          {"Static", {IDC_COLOR_MODE_CAPTION, IDC_COLOR_PARAM_CAPTION, IDC_COLOR_DATA_CAPTION,
                      IDC_PAGE_PICTURE, IDC_HYPERLINK}}}},
        {"ColorAdjustment", IDD_COLOR_SUB, false, 0,
         {{kTrackbar, {IDC_SUB_TEMP_SLIDER, IDC_SUB_BRIGHTNESS_SLIDER, IDC_SUB_CONTRAST_SLIDER,
                       IDC_SUB_GAMMA_SLIDER, IDC_SUB_RED_SLIDER, IDC_SUB_GREEN_SLIDER,
                       IDC_SUB_BLUE_SLIDER}},
          {"Edit", {IDC_SUB_TEMP_VALUE, IDC_SUB_BRIGHTNESS_VALUE, IDC_SUB_CONTRAST_VALUE,
                    IDC_SUB_GAMMA_VALUE, IDC_SUB_RED_VALUE, IDC_SUB_GREEN_VALUE,
                    IDC_SUB_BLUE_VALUE}},
          {"Static", {IDC_SUB_TEMP_PICTURE, IDC_SUB_BRIGHTNESS_ICON, IDC_SUB_CONTRAST_ICON,
                      IDC_SUB_GAMMA_ICON, IDC_SUB_RED_ICON, IDC_SUB_GREEN_ICON, IDC_SUB_BLUE_ICON}},
          {"Button", {IDC_SUB_RESET, IDOK, IDCANCEL, IDC_SUB_TEMP_GROUP, IDC_SUB_BRIGHTNESS_GROUP,
                      IDC_SUB_CONTRAST_GROUP, IDC_SUB_GAMMA_GROUP, IDC_SUB_GAIN_GROUP}}}},
        {"MonitorList", IDD_MONITOR_LIST, false, 0,
         {{"Static", {IDC_MONLIST_HEADER, IDC_MONLIST_NOTE}}, {"ListBox", {IDC_MONLIST_LIST}},
          {"Button", {IDCANCEL}}}},
        {"Sound", IDD_SOUND, true, IDC_MONITOR_SELECT,
         {{"ComboBox", {IDC_MONITOR_SELECT}}, {kTrackbar, {IDC_SOUND_SLIDER}},
          {"Edit", {IDC_SOUND_VALUE}}, {"Button", {IDC_SOUND_RESET}},
          {"Static", {IDC_SOUND_CAPTION, IDC_PAGE_PICTURE, IDC_HYPERLINK}}}},
        {"EyeCare", IDD_EYECARE, false, 0,
         {{"ComboBox", {IDC_EYECARE_MONITOR}}, {"Edit", {IDC_EYECARE_HOURS}},
          {"msctls_updown32", {IDC_EYECARE_HOURS_SPIN}},
          {"Static", {IDC_EYECARE_HOURS_UNIT, IDC_EYECARE_INTERVAL}},
          {"Button", {IDC_EYECARE_POPUP, IDC_EYECARE_EDIT_MSG, IDOK, IDC_EYECARE_TARGET_GROUP,
                      IDC_EYECARE_REMINDER_GROUP}}}},
        {"EditMessage", IDD_EDIT_MSG, false, 0,
         {{"Static", {IDC_EDITMSG_CAPTION}}, {"Edit", {IDC_EDITMSG_TEXT}},
          {"Button", {IDOK, IDCANCEL}}}},
        {"EyeCareFilter", IDD_VSFILTER, false, 0,
         {{"ComboBox", {IDC_FILTER_IMAGE}},
          {"Edit", {IDC_FILTER_PATH, IDC_FILTER_ALPHA_VALUE, IDC_FILTER_LUM_VALUE}},
          {kTrackbar, {IDC_FILTER_ALPHA_SLIDER, IDC_FILTER_LUM_SLIDER}},
          {"Static", {IDC_FILTER_ALPHA_CAPTION, IDC_FILTER_LUM_CAPTION, IDC_FILTER_ALPHA_PERCENT}},
          {"Button", {IDC_FILTER_BROWSE, IDC_FILTER_RESTORE, IDOK, IDCANCEL,
                      IDC_FILTER_SELECT_GROUP, IDC_FILTER_ADJUST_GROUP}}}},
        {"ShortcutKeys", IDD_HOTKEYS, false, 0,
         {{"msctls_hotkey32", {IDC_HOTKEY_FIRST, IDC_HOTKEY_FIRST + 1, IDC_HOTKEY_FIRST + 2,
                               IDC_HOTKEY_FIRST + 3, IDC_HOTKEY_FIRST + 4, IDC_HOTKEY_FIRST + 5,
                               IDC_HOTKEY_FIRST + 6, IDC_HOTKEY_FIRST + 7, IDC_HOTKEY_FIRST + 8}},
          {"Edit", {IDC_HOTKEY_STEP}}, {"msctls_updown32", {IDC_HOTKEY_STEP_SPIN}},
          {"ComboBox", {IDC_HOTKEY_MONITOR}}, {"Button", {IDOK, IDCANCEL}}}},
    };
    return dialogs;
}
// clang-format on

// Every string the program loads: its messages and texts, and the picture-mode names, which
// the picture-mode table refers to by id.
inline const std::vector<UINT>& StringIds() {
    static const std::vector<UINT> ids = [] {
        // clang-format off
        std::vector<UINT> out = {
            IDS_ABOUTBOX, IDS_TAB_VTON, IDS_TAB_COLOR, IDS_MONITOR, IDS_ASK_SAVE_MODE,
            IDS_ASK_DELETE_MODE, IDS_DELETE_MODE_FAILED, IDS_TRAY_ADD_FAILED, IDS_MUTEX_NAME,
            IDS_TAB_SOUND, IDS_VERSION, IDS_MONITOR_LIST_NOTE, IDS_DATA_OTHER_MODEL,
            IDS_KEEP_ON_TOP, IDS_ASK_DELETE_DATA, IDS_APPLIED_ONLY_TO, IDS_COPYRIGHT,
            IDS_FILTER_NONE, IDS_FILTER_IMAGE, IDS_FILTER_SELECT_FILE, IDS_PICTURE_FILES,
            IDS_PICTURE_DEFEXT, IDS_IMPORT_IMAGE_FAILED, IDS_IMPORT_FILE_FAILED,
            IDS_BALLOON_TITLE, IDS_REMINDER_MESSAGE, IDS_MAKER_URL, IDS_NAME_TOO_LONG,
            IDS_DATA_UNREADABLE, IDS_DATA_NOT_SAVED, IDS_NO_MODEL_NAME};
        for (UINT id = IDS_HOTKEY_BRIGHTNESS; id <= IDS_HOTKEY_EVERY; ++id)
            out.push_back(id);
        // clang-format on
        for (const PictureMode& mode : PictureModes())
            out.push_back(mode.nameId);
        return out;
    }();
    return ids;
}

inline constexpr int kAllBitmaps[] = {
    IDB_TEMP_USER,       IDB_TEMP_USER_256,
    IDB_TEMP_USER_OFF,   IDB_TEMP_USER_OFF_256,
    IDB_TEMP_PRESET,     IDB_TEMP_PRESET_256,
    IDB_TEMP_PRESET_OFF, IDB_TEMP_PRESET_OFF_256,
    IDB_BRIGHTNESS,      IDB_BRIGHTNESS_OFF,
    IDB_GAIN_BLUE,       IDB_GAMMA,
    IDB_GAIN_GREEN,      IDB_GAIN_OFF,
    IDB_GAMMA_OFF,       IDB_GAIN_RED,
    IDB_CONTRAST,        IDB_CONTRAST_OFF,
    IDB_PAGE_COLOR,      IDB_PAGE_COLOR_LARGE,
    IDB_PAGE_COLOR_SUB,  IDB_PAGE_COLOR_SUB_LARGE,
    IDB_PAGE_VTON,       IDB_PAGE_VTON_LARGE,
    IDB_PAGE_SOUND,      IDB_PAGE_SOUND_LARGE,
    IDB_PAGE_EYECARE,    IDB_PAGE_EYECARE_LARGE,
    IDB_PAGE_VSFILTER,   IDB_PAGE_VSFILTER_LARGE,
    IDB_PICTURE_MONITOR, IDB_PICTURE_SPEAKER,
};

} // namespace resource_tables
