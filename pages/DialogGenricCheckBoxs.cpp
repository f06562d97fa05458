#include "pages/DialogGenricCheckBoxs.h"

#include "resources/resource.h"

namespace {
int HasBit(NetworkSet set, NetworkSet bit) {
    return (set & bit) != 0 ? 1 : 0;
}

NetworkSet BitIfTicked(int ticked, NetworkSet bit) {
    return ticked ? bit : 0;
}
} // namespace

DialogGenricCheckBoxs::DialogGenricCheckBoxs(UINT templateId) : CVPropertyPage(templateId) {}

void DialogGenricCheckBoxs::DoDataExchange(fw::CDataExchange* pDX) {
    fw::DDX_Check(pDX, IDC_NET_ETHERTALK, m_etherTalk);
    fw::DDX_Check(pDX, IDC_NET_NOVELL, m_novell);
    fw::DDX_Check(pDX, IDC_NET_WINDOWS_TCPIP, m_windowsTcpip);
}

BOOL DialogGenricCheckBoxs::OnSetActive() {
    m_etherTalk = HasBit(*m_networkField, NET_ETHERTALK);
    m_novell = HasBit(*m_networkField, NET_NOVELL);
    m_windowsTcpip = HasBit(*m_networkField, NET_WINDOWS_TCPIP);
    UpdateData(FALSE);
    return CVPropertyPage::OnSetActive();
}

void DialogGenricCheckBoxs::StoreValues() {
    UpdateData(TRUE);
    *m_networkField = BitIfTicked(m_etherTalk, NET_ETHERTALK) | BitIfTicked(m_novell, NET_NOVELL) |
                      BitIfTicked(m_windowsTcpip, NET_WINDOWS_TCPIP);
}
