// Identifiers of the launcher's resources, read by windres and by C++ alike: plain #defines.
#pragma once

// Dialogs.
#define IDD_LAUNCHER_DIALOG 102
#define IDD_COMMON 138
#define IDD_INFORMATION 139
// Selection dialogs: model list with OK, model list with language buttons, language buttons
// alone; the sub-item dialog of an Application item.
#define IDD_MODEL_SELECT 132
#define IDD_MODEL_LANGUAGE_SELECT 133
#define IDD_LANGUAGE_SELECT 135
#define IDD_APP_PROC_SELECT 137

// Program icon and the hand cursor of the links.
#define IDR_MAINFRAME 128
#define IDC_LINK_HAND 130

// Skin bitmaps: main window, item pages and information page, below 120 dpi and from 120 dpi.
#define IDB_MAIN_SKIN 141
#define IDB_MAIN_SKIN_LARGE 151
#define IDB_PAGE_SKIN 163
#define IDB_PAGE_SKIN_LARGE 164
#define IDB_INFO_SKIN 167
#define IDB_INFO_SKIN_LARGE 169

// Strings.
#define IDS_INFO_FILE 104
#define IDS_READER_REQUIRED 105
#define IDS_READER_URL 106
#define IDS_ERR_NO_FILE 107
#define IDS_ERR_NO_ASSOCIATION 108
#define IDS_ERR_NO_MEMORY 109
#define IDS_ERR_ACCESS_DENIED 110
#define IDS_ERR_SHARING 111
#define IDS_ERR_UNKNOWN 112
#define IDS_MSI_REQUIRED 113
#define IDS_MSI_INSTALLER 114
#define IDS_UNINSTALL_OTHER 115
#define IDS_CLOSE_FAILED 116
#define IDS_NEWER_INSTALLED 117

// Controls of the main window.
#define IDC_EXIT 1003
#define IDC_TAB 1004

// Controls of the pages: the description (item page) or message (information page), the eight
// item links 1012 to 1019 of an item page, and the web link 1019 of the information page.
#define IDC_DESCRIPTION 1011
#define IDC_ITEM_FIRST 1012
#define IDC_ITEM_LAST 1019
#define IDC_INFO_LINK 1019

// Controls of the selection dialogs: OK and the model list; the language buttons in the order
// Japanese, English, Deutsch, Francais, Chinese.
#define IDC_MODEL_OK 1005
#define IDC_MODEL_LIST 1006
#define IDC_LANGUAGE_FIRST 1008
#define IDC_LANGUAGE_LAST 1012
// The sub-item dialog's five buttons.
#define IDC_SUB_ITEM_FIRST 1014
#define IDC_SUB_ITEM_LAST 1018

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
