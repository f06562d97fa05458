#pragma once
// Reads the running program's resources as the system would: extended dialog templates
// (DIALOGEX), raw resource bytes, and dialogs created for real from their templates.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace test {

struct DialogItem {
    DWORD id;
    DWORD style;
    short x, y, cx, cy;
    std::string className; // built-in classes by their usual names ("Button", "Static")
    std::string text;      // a resource ordinal reads as "#300"
};

struct DialogTemplate {
    DWORD style;
    DWORD exStyle;
    short cx, cy;
    std::string caption;
    WORD pointSize;
    std::string fontFace;
    std::vector<DialogItem> items;

    // The first item with that id, or null.
    const DialogItem* Find(DWORD id) const;
};

// The template with that id from the program's resources; nothing when it is missing, is not
// an extended template or ends early.
std::optional<DialogTemplate> LoadDialogTemplate(UINT id);

// Raw bytes of a resource of the program, or an empty view when it is missing.
struct ResourceBytes {
    const BYTE* data = nullptr;
    size_t size = 0;
};
ResourceBytes FindResourceBytes(LPCSTR name, LPCSTR type);

// Path of the running test program.
std::string ModulePath();

struct WindowDeleter {
    void operator()(HWND hwnd) const { DestroyWindow(hwnd); }
};
using Window = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;

// Creates templates as modeless dialogs with no handlers of their own, under a hidden parent
// (pages are child windows). Null when the template or one of its controls fails.
class DialogHost {
  public:
    DialogHost();
    bool Ready() const { return m_host != nullptr; }
    Window Create(UINT templateId) const;

  private:
    Window m_host;
};

} // namespace test
