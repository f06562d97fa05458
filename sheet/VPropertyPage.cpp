#include "sheet/VPropertyPage.h"

#include "resources/resource.h"
#include "sheet/VPropertySheet.h"

CVPropertySheet* CVPropertyPage::GetVSheet() const {
    return dynamic_cast<CVPropertySheet*>(GetSheet());
}

BOOL CVPropertyPage::OnSetActive() {
    HWND wizardButton = GetDlgItem(IDC_START_WIZARD);
    if (wizardButton && GetSheet())
        GetSheet()->PostMessage(PSM_SETWIZBUTTONS, 0, 0);
    const BOOL result = fw::CPropertyPage::OnSetActive();
    if (wizardButton)
        ::SetFocus(wizardButton);
    return result;
}

BOOL CVPropertyPage::OnKillActive() {
    StoreValues();
    return fw::CPropertyPage::OnKillActive();
}

LRESULT CVPropertyPage::OnWizardBack() {
    if (CVPropertySheet* sheet = GetVSheet())
        sheet->GoBack();
    return -1;
}

LRESULT CVPropertyPage::OnWizardNext() {
    if (CVPropertySheet* sheet = GetVSheet())
        sheet->GoNext();
    return -1;
}

void CVPropertyPage::OnCancel() {
    if (GetSheet())
        GetSheet()->PostMessage(WM_COMMAND, IDCANCEL, 0);
}

BOOL CVPropertyPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    CVPropertySheet* sheet = GetVSheet();
    switch (LOWORD(wParam)) {
    case IDC_START_EDITOR:
        if (sheet)
            sheet->StartEditor();
        return TRUE;
    case IDC_START_WIZARD:
        if (sheet)
            sheet->StartWizard();
        return TRUE;
    default:
        return fw::CPropertyPage::OnCommand(wParam, lParam);
    }
}
