// The start-up baseline: the least a Win32 program can do to show a dialog box, the same kind
// of window the configuration program shows first. It ends when its button is clicked.
#include <windows.h>

namespace {

constexpr int kBaselineDialog = 1;

INT_PTR CALLBACK BaselineProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
    if (msg == WM_INITDIALOG)
        return TRUE; // the dialog manager focuses the default button
    if (msg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(kBaselineDialog), nullptr, BaselineProc, 0);
    return 0;
}
