#pragma once
// The items of a page's drop-down list. windres cannot compile the DLGINIT resource that would
// carry them inside the dialog template, so they live in the string table instead, in a block
// of their own per dialog: the items of dialog d are the strings IDS_LIST_ITEMS(d) + 0, + 1, ...
// in template order, ended by the first id without a string (so at most 16 items).
#include <windows.h>

#include <string>

#include "framework/ResourceText.h"
#include "resources/resource.h"

namespace resources {

// Adds the items of dialog `dialogId` to the drop-down list IDC_CHOICE of the dialog window
// `dialog`, in template order (a sorted list shows them sorted). Returns how many it added.
inline int FillDropDownList(HWND dialog, int dialogId) {
    const HWND list = GetDlgItem(dialog, IDC_CHOICE);
    if (!list)
        return 0;
    const int blockSize = 16;
    int count = 0;
    for (; count < blockSize; ++count) {
        const std::string item =
            fw::LoadResourceString(static_cast<UINT>(IDS_LIST_ITEMS(dialogId) + count));
        if (item.empty())
            break;
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    return count;
}

} // namespace resources
