#include "framework/DataExchange.h"

#include "framework/Wnd.h"

namespace fw {

HWND CDataExchange::PrepareCtrl(int id) {
    PrepareWindow(m_dialog.GetDlgItem(id), false);
    return m_lastControl;
}

HWND CDataExchange::PrepareEditCtrl(int id) {
    PrepareWindow(m_dialog.GetDlgItem(id), true);
    return m_lastControl;
}

void CDataExchange::PrepareWindow(HWND control, bool isEdit) {
    m_lastControl = control;
    m_lastIsEdit = isEdit;
}

void CDataExchange::Fail() {
    m_failed = true;
    if (!m_lastControl)
        return;
    SetFocus(m_lastControl);
    if (m_lastIsEdit)
        SendMessageA(m_lastControl, EM_SETSEL, 0, -1);
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value) {
    if (pDX->Failed())
        return;
    HWND edit = pDX->PrepareEditCtrl(id);
    if (pDX->SavingAndValidating())
        value = GetWindowTextOf(edit);
    else
        SetWindowTextA(edit, value.c_str());
}

void DDX_Check(CDataExchange* pDX, int id, int& value) {
    if (pDX->Failed())
        return;
    HWND button = pDX->PrepareCtrl(id);
    if (pDX->SavingAndValidating())
        value = static_cast<int>(SendMessageA(button, BM_GETCHECK, 0, 0));
    else
        SendMessageA(button, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_CBString(CDataExchange* pDX, int id, std::string& value) {
    if (pDX->Failed())
        return;
    HWND combo = pDX->PrepareCtrl(id);
    if (pDX->SavingAndValidating()) {
        value = GetWindowTextOf(combo);
        return;
    }
    // A drop-down list ignores a text it does not hold: the selection then stays.
    if (SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(value.c_str())) == CB_ERR)
        SetWindowTextA(combo, value.c_str());
}

} // namespace fw
