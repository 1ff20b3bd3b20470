// Identifiers of the controls tests' resources; the control, string and cursor numbers are
// the utility's own.
#pragma once

#define IDD_TEST_PAGE 300
#define IDC_TEST_TAB 1000
#define IDC_TEST_LINK 1203
#define IDC_TEST_CURSOR 294
#define IDS_TEST_URL 245
