#pragma once
// The items of a page's drop-down list. windres cannot compile the DLGINIT resource that would
// carry them inside the dialog template, so they live in the string table instead, in a block
// of their own per dialog: the items of dialog d are the strings IDS_LIST_ITEMS(d) + 0, + 1, ...
// in template order, ended by the first id without a string (so at most 16 items).
#include <windows.h>

#include <string>

#include "resources/resource.h"

namespace resources {

// String resource `id` of the program, or an empty text when there is none.
inline std::string LoadText(UINT id) {
    const wchar_t* text = nullptr;
    // With a zero buffer size LoadStringW points into the resource itself: no length limit.
    const int length =
        LoadStringW(GetModuleHandleA(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text)
        return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, result.data(), size, nullptr, nullptr);
    return result;
}

// Adds the items of dialog `dialogId` to the drop-down list IDC_CHOICE of the dialog window
// `dialog`, in template order (a sorted list shows them sorted). Returns how many it added.
inline int FillDropDownList(HWND dialog, int dialogId) {
    const HWND list = GetDlgItem(dialog, IDC_CHOICE);
    if (!list)
        return 0;
    const int blockSize = 16;
    int count = 0;
    for (; count < blockSize; ++count) {
        const std::string item = LoadText(static_cast<UINT>(IDS_LIST_ITEMS(dialogId) + count));
        if (item.empty())
            break;
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    return count;
}

} // namespace resources
