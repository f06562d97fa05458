#include "pages/GeneralStringPage.h"

#include "resources/resource.h"

GeneralStringPage::GeneralStringPage(UINT templateId, int maxLength)
    : CVPropertyPage(templateId), m_maxLength(maxLength) {}

void GeneralStringPage::SetNetworkCondition(const NetworkSet* queueSetA,
                                            const NetworkSet* queueSetB, NetworkSet networkMask) {
    m_queueSetA = queueSetA;
    m_queueSetB = queueSetB;
    m_networkMask = networkMask;
}

void GeneralStringPage::DoDataExchange(fw::CDataExchange* pDX) {
    fw::DDX_Text(pDX, IDC_TEXT, m_value);
}

BOOL GeneralStringPage::OnSetActive() {
    m_value = *m_field;
    UpdateData(FALSE);
    return CVPropertyPage::OnSetActive();
}

bool GeneralStringPage::QueueOffersNetwork(const NetworkSet* queueSet) const {
    return !queueSet || (*queueSet & m_networkMask) != 0;
}

BOOL GeneralStringPage::IsIncluded() {
    return m_included && (QueueOffersNetwork(m_queueSetA) || QueueOffersNetwork(m_queueSetB));
}

void GeneralStringPage::StoreValues() {
    UpdateData(TRUE);
    *m_field = m_value;
}
