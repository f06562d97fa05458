#include "pages/NovellCfgPage.h"

#include "resources/resource.h"

NovellCfgPage::NovellCfgPage(UINT templateId) : CVPropertyPage(templateId) {}

void NovellCfgPage::SetFields(std::string* serverField, std::string* queueField,
                              std::string* pserverField, const NetworkSet* networkField) {
    m_serverField = serverField;
    m_queueField = queueField;
    m_pserverField = pserverField;
    m_networkField = networkField;
}

void NovellCfgPage::DoDataExchange(fw::CDataExchange* pDX) {
    fw::DDX_Text(pDX, IDC_NOVELL_PSERVER, m_pserverText);
    fw::DDX_Text(pDX, IDC_NOVELL_QUEUE, m_queueText);
    fw::DDX_Text(pDX, IDC_NOVELL_SERVER, m_serverText);
}

BOOL NovellCfgPage::OnSetActive() {
    m_pserverText = *m_pserverField;
    m_queueText = *m_queueField;
    m_serverText = *m_serverField;
    UpdateData(FALSE);
    return CVPropertyPage::OnSetActive();
}

BOOL NovellCfgPage::IsIncluded() {
    if (!m_networkField)
        return m_included;
    return m_included && (*m_networkField & NET_NOVELL) != 0;
}

void NovellCfgPage::StoreValues() {
    UpdateData(TRUE);
    *m_pserverField = m_pserverText;
    *m_queueField = m_queueText;
    *m_serverField = m_serverText;
}
