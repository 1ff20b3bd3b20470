// Identifiers of the framework tests' resources.
#pragma once

#define IDD_TEST_MODELESS 100
#define IDD_TEST_MODAL 101
#define IDD_TEST_CHILD 102
#define IDD_TEST_LANGUAGE 103

#define IDR_TEST_MENU 300
#define ID_TEST_ITEM 40001

#define IDC_REFLECT_BUTTON 1001
#define IDC_PLAIN_BUTTON 1002
#define IDC_LABEL 1003
#define IDC_EDIT 1004
#define IDC_SPIN 1005
#define IDC_COMBO 1006
#define IDC_LIST 1007
#define IDC_SLIDER 1008
#define IDC_TAB 1009

#define IDB_TEST_NORMAL 200
#define IDB_TEST_LARGE 201
#define IDB_MISSING 299

#define IDS_PLAIN 1
#define IDS_LONG 2
#define IDS_LATIN 3
#define IDS_JAPANESE 4
#define IDS_LANGUAGE 5
#define IDS_MISSING 99
