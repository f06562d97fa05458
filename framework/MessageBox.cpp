#include "framework/MessageBox.h"

#include <utility>

namespace fw {

namespace {
MessageBoxHook& CurrentHook() {
    static MessageBoxHook hook;
    return hook;
}
} // namespace

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    if (const MessageBoxHook& hook = CurrentHook())
        return hook(owner, text, caption, type);
    return MessageBoxA(owner, text.c_str(), caption.c_str(), type);
}

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook) {
    return std::exchange(CurrentHook(), std::move(hook));
}

} // namespace fw
