#pragma once
// Dialog data exchange between controls and members. An exchange that fails stops every
// later exchange of the same pass, puts the focus on the failing control (selecting its
// text when it is an edit control) and makes UpdateData return FALSE.
#include <windows.h>

#include <string>

namespace fw {

class CWnd;

class CDataExchange {
  public:
    CDataExchange(CWnd& dialog, bool saveAndValidate)
        : m_dialog(dialog), m_bSaveAndValidate(saveAndValidate) {}

    CWnd& Dialog() const { return m_dialog; }
    bool SavingAndValidating() const { return m_bSaveAndValidate; }
    bool Failed() const { return m_failed; }

    // The control the next exchange works on; it becomes the one focused on failure.
    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);
    // The same for a window that is not a direct child with an id (a field of a control).
    void PrepareWindow(HWND control, bool isEdit);
    // Marks the exchange failed and focuses the last prepared control.
    void Fail();

  private:
    CWnd& m_dialog;
    bool m_bSaveAndValidate;
    bool m_failed = false;
    HWND m_lastControl = nullptr;
    bool m_lastIsEdit = false;
};

// Whole window text of an edit box (any length).
void DDX_Text(CDataExchange* pDX, int id, std::string& value);
// Check box state: 0 clear, 1 checked (2 indeterminate).
void DDX_Check(CDataExchange* pDX, int id, int& value);
// Drop-down list: showing selects the first item that begins with the value (without regard
// to case); storing reads the window text, which is the selected item or empty.
void DDX_CBString(CDataExchange* pDX, int id, std::string& value);

} // namespace fw
