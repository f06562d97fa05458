#pragma once
// CDialog: a dialog from a template, run modally, with data exchange. The dialog window is
// attached to the object at WM_INITDIALOG; from then on its messages reach WindowProc.
#include "framework/DataExchange.h"
#include "framework/Wnd.h"

namespace fw {

class CDialog : public CWnd {
  public:
    explicit CDialog(UINT templateId, HWND parent = nullptr)
        : m_templateId(templateId), m_parent(parent) {}

    const char* GetRuntimeClassName() const override { return "CDialog"; }

    // Runs the dialog modally; returns the value given to EndDialog, or -1 when the dialog
    // could not be created.
    INT_PTR DoModal();
    // The same from a template in memory (one built at run time) instead of the template id.
    INT_PTR DoModalIndirect(const DLGTEMPLATE* dialogTemplate);
    void EndDialog(INT_PTR result) const { ::EndDialog(m_hWnd, result); }

    // saveAndValidate TRUE copies the controls into the members and validates them; FALSE
    // copies the members into the controls. Returns FALSE when an exchange failed.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    UINT TemplateId() const { return m_templateId; }

    // Attaches the object to its dialog window at WM_INITDIALOG and runs OnInitDialog; for
    // the framework's dialog procedures, which leave every earlier message to the dialog
    // manager.
    INT_PTR AttachAtInitDialog(HWND hwnd);

  protected:
    // Runs once the dialog's controls exist. The default shows the members in the controls.
    // Return TRUE to let the dialog manager set the focus, FALSE when the dialog set it.
    virtual BOOL OnInitDialog();
    // Exchanges the dialog's members with its controls. The default has none.
    virtual void DoDataExchange(CDataExchange*) {}
    // WM_COMMAND. Return TRUE when handled. The default maps IDOK and IDCANCEL.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual void OnOK();
    virtual void OnCancel();

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    UINT m_templateId;
    HWND m_parent;
};

} // namespace fw
