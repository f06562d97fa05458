#pragma once
// Every message box of the program goes through ShowMessageBox, so tests can answer boxes
// without a person at the screen.
#include <windows.h>

#include <functional>
#include <string>

namespace fw {

// Answers a box instead of showing it: receives what MessageBoxA would, returns the button id.
using MessageBoxHook =
    std::function<int(HWND owner, const std::string& text, const std::string& caption, UINT type)>;

// Shows a modal box (or asks the installed hook) and returns the id of the button pressed.
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);

// Installs a hook; an empty hook restores the real MessageBoxA. Returns the previous hook.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);

} // namespace fw
