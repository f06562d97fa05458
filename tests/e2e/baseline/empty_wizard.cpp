// The start-up floor of a wizard: comctl32's property sheet in wizard mode with 17 pages of one
// static text each, and nothing else. It ends on Cancel.
#include <windows.h>
#include <commctrl.h>

#include <vector>

namespace {

constexpr int kPages = 17;

INT_PTR CALLBACK PageProc(HWND, UINT msg, WPARAM, LPARAM) {
    return msg == WM_INITDIALOG;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    std::vector<PROPSHEETPAGEA> pages(kPages);
    for (int i = 0; i < kPages; ++i) {
        pages[i].dwSize = sizeof pages[i];
        pages[i].hInstance = instance;
        pages[i].pszTemplate = MAKEINTRESOURCEA(i + 1);
        pages[i].pfnDlgProc = PageProc;
    }
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_WIZARD;
    header.hInstance = instance;
    header.pszCaption = "Empty wizard";
    header.nPages = kPages;
    header.ppsp = pages.data();
    PropertySheetA(&header);
    return 0;
}
