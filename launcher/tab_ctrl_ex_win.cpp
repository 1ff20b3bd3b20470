#include "launcher/tab_ctrl_ex_win.h"

int CTabCtrlEx::InsertItem(int index, LPCTSTR text, LPARAM data) {
    TCITEM item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<LPTSTR>(text);
    item.lParam = data;
    return static_cast<int>(
        SendMessage(TCM_INSERTITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
}

long long CTabCtrlEx::GetItemData(int index) const {
    TCITEM item{};
    item.mask = TCIF_PARAM;
    if (index < 0 ||
        !SendMessage(TCM_GETITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)))
        return -1;
    return static_cast<long long>(item.lParam);
}
