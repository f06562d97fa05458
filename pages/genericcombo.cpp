#include "pages/genericcombo.h"

#include "resources/DropDownItems.h"
#include "resources/resource.h"

genericcombo::genericcombo(UINT templateId) : CVPropertyPage(templateId) {}

BOOL genericcombo::OnInitDialog() {
    resources::FillDropDownList(m_hWnd, static_cast<int>(TemplateId()));
    return CVPropertyPage::OnInitDialog();
}

void genericcombo::DoDataExchange(fw::CDataExchange* pDX) {
    fw::DDX_CBString(pDX, IDC_CHOICE, m_value);
}

BOOL genericcombo::OnSetActive() {
    m_value = *m_field;
    UpdateData(FALSE);
    return CVPropertyPage::OnSetActive();
}

void genericcombo::StoreValues() {
    // A value the list does not hold selects nothing; it stays as it was.
    if (SendDlgItemMessageA(m_hWnd, IDC_CHOICE, CB_GETCURSEL, 0, 0) == CB_ERR)
        return;
    UpdateData(TRUE);
    *m_field = m_value;
}
