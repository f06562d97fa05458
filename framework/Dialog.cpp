#include "framework/Dialog.h"

#include <exception>

namespace fw {

namespace {
// lParam of WM_INITDIALOG is the object itself.
INT_PTR CALLBACK ModalDialogProc(HWND hwnd, UINT msg, WPARAM, LPARAM lParam) {
    if (msg != WM_INITDIALOG)
        return FALSE;
    return reinterpret_cast<CDialog*>(lParam)->AttachAtInitDialog(hwnd);
}
} // namespace

INT_PTR CDialog::DoModal() {
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId), m_parent,
                           ModalDialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CDialog::DoModalIndirect(const DLGTEMPLATE* dialogTemplate) {
    return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), dialogTemplate, m_parent,
                                   ModalDialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CDialog::AttachAtInitDialog(HWND hwnd) {
    if (!SubclassWindow(hwnd))
        return TRUE;
    try {
        return OnInitDialog();
    } catch (const std::exception& e) {
        ReportUnhandledException(e.what());
    } catch (...) {
        ReportUnhandledException("OnInitDialog");
    }
    return TRUE;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(*this, saveAndValidate != FALSE);
    DoDataExchange(&dx);
    return dx.Failed() ? FALSE : TRUE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM) {
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return TRUE;
    case IDCANCEL:
        OnCancel();
        return TRUE;
    default:
        return FALSE;
    }
}

void CDialog::OnOK() {
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

LRESULT CDialog::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND && OnCommand(wParam, lParam))
        return 0;
    return Default();
}

} // namespace fw
