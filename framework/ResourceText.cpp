#include "framework/ResourceText.h"

namespace fw {

std::string LoadResourceString(UINT id) {
    // Only the wide function hands out the resource's own text (a zero buffer size), so
    // strings of any length load without a fixed buffer.
    const wchar_t* wide = nullptr;
    const int length =
        LoadStringW(GetModuleHandleA(nullptr), id, reinterpret_cast<LPWSTR>(&wide), 0);
    if (length <= 0 || !wide)
        return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(size > 0 ? size : 0), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, length, text.data(), size, nullptr, nullptr);
    return text;
}

} // namespace fw
