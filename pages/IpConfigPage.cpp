#include "pages/IpConfigPage.h"

#include "config/ServerConfig.h"
#include "controls/ipaddr/IPAddrCtl.h"
#include "resources/resource.h"

IpConfigPage::IpConfigPage(UINT templateId) : CVPropertyPage(templateId) {}

void IpConfigPage::SetFields(std::string* ipField, std::string* maskField, std::string* dhcpField) {
    m_ipField = ipField;
    m_maskField = maskField;
    m_dhcpField = dhcpField;
}

void IpConfigPage::ExchangeValues(fw::CDataExchange* pDX, bool reportErrors) {
    fw::DDX_Check(pDX, IDC_ENABLE_DHCP, m_dhcp);
    DDX_IPAddrCtl(pDX, IDC_IP_ADDRESS, m_ipText, reportErrors);
    DDX_IPAddrCtl(pDX, IDC_SUBNET_MASK, m_maskText, reportErrors);
}

void IpConfigPage::DoDataExchange(fw::CDataExchange* pDX) {
    ExchangeValues(pDX, true);
}

void IpConfigPage::LoadValues() {
    m_dhcp = SettingMatches(*m_dhcpField, "yes") ? 1 : 0;
    m_ipText = *m_ipField;
    m_maskText = *m_maskField;
    UpdateData(FALSE);
}

BOOL IpConfigPage::OnSetActive() {
    LoadValues();
    return CVPropertyPage::OnSetActive();
}

void IpConfigPage::StoreValues() {
    // Leaving the page stores twice before the validating exchange of OnKillActive: only that
    // one reports, so the operator sees one box per attempt.
    fw::CDataExchange silentStore(*this, true);
    ExchangeValues(&silentStore, false);
    *m_dhcpField = m_dhcp ? "yes" : "no";
    *m_maskField = m_maskText;
    *m_ipField = m_ipText;
}
