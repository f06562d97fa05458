#include "pages/IpConfigPage.h"

#include "config/ServerConfig.h"
#include "controls/ipaddr/IPAddrCtl.h"
#include "resources/resource.h"

namespace {
// The storing half of DDX_IPAddrCtl without the error box. On an invalid field the control
// has already put the focus there; the exchange fails on that field, so the later exchanges
// of the pass are skipped and their members keep their text.
void StoreAddressSilently(fw::CDataExchange* pDX, int id, std::string& value) {
    if (pDX->Failed())
        return;
    auto* control = dynamic_cast<CIPAddrCtl*>(fw::CWnd::FromHandle(pDX->PrepareCtrl(id)));
    std::string text;
    if (control && control->GetAddressText(FALSE, text)) {
        value = text;
        return;
    }
    pDX->PrepareWindow(GetFocus(), true);
    pDX->Fail();
}
} // namespace

IpConfigPage::IpConfigPage(UINT templateId) : CVPropertyPage(templateId) {}

void IpConfigPage::SetFields(std::string* ipField, std::string* maskField, std::string* dhcpField) {
    m_ipField = ipField;
    m_maskField = maskField;
    m_dhcpField = dhcpField;
}

void IpConfigPage::ExchangeValues(fw::CDataExchange* pDX, AddressExchange exchangeAddress) {
    fw::DDX_Check(pDX, IDC_ENABLE_DHCP, m_dhcp);
    exchangeAddress(pDX, IDC_IP_ADDRESS, m_ipText);
    exchangeAddress(pDX, IDC_SUBNET_MASK, m_maskText);
}

void IpConfigPage::DoDataExchange(fw::CDataExchange* pDX) {
    ExchangeValues(pDX, DDX_IPAddrCtl);
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

BOOL IpConfigPage::OnKillActive() {
    StoreValues();
    return fw::CPropertyPage::OnKillActive();
}

void IpConfigPage::StoreValues() {
    // Leaving the page stores twice before the validating exchange of OnKillActive: only that
    // one reports, so the operator sees one box per attempt.
    fw::CDataExchange silentStore(*this, true);
    ExchangeValues(&silentStore, StoreAddressSilently);
    *m_dhcpField = m_dhcp ? "yes" : "no";
    *m_maskField = m_maskText;
    *m_ipField = m_ipText;
}
