// The sheet's page table: every page of the program in page-index order, bound to the fields
// of the record it edits.
#include "editor/VSummaryPage.h"
#include "pages/DialogGenricCheckBoxs.h"
#include "pages/GeneralStringPage.h"
#include "pages/IpConfigPage.h"
#include "pages/NovellCfgPage.h"
#include "pages/StaticTextDialog.h"
#include "pages/genericcombo.h"
#include "resources/resource.h"
#include "sheet/VPropertySheet.h"

namespace {
// The name pages accept text of any length; the value documents the limits on the networks.
constexpr int kServerNameLength = 79;
constexpr int kNameLength = 70;

std::unique_ptr<CVPropertyPage> ChoicePage(UINT templateId, std::string& field) {
    auto page = std::make_unique<genericcombo>(templateId);
    page->SetField(&field);
    return page;
}

std::unique_ptr<GeneralStringPage> TextPage(UINT templateId, int maxLength, std::string& field) {
    auto page = std::make_unique<GeneralStringPage>(templateId, maxLength);
    page->SetField(&field);
    return page;
}

// A text page shown only when either queue is offered over the network.
std::unique_ptr<CVPropertyPage> NetworkTextPage(UINT templateId, std::string& field,
                                                const ServerConfig& config, NetworkSet network) {
    auto page = TextPage(templateId, kNameLength, field);
    page->SetNetworkCondition(&config.m_PQ_network_type, &config.m_HQ_network_type, network);
    return page;
}

std::unique_ptr<CVPropertyPage> NetworksPage(UINT templateId, NetworkSet& field) {
    auto page = std::make_unique<DialogGenricCheckBoxs>(templateId);
    page->SetNetworkField(&field);
    return page;
}

std::unique_ptr<CVPropertyPage> NovellPage(UINT templateId, std::string& server, std::string& queue,
                                           std::string& printServer, const NetworkSet& networks) {
    auto page = std::make_unique<NovellCfgPage>(templateId);
    page->SetFields(&server, &queue, &printServer, &networks);
    return page;
}

std::unique_ptr<CVPropertyPage> AddressPage(ServerConfig& config) {
    auto page = std::make_unique<IpConfigPage>(IDD_TCPIP_ADDRESS);
    page->SetFields(&config.m_ip_adress, &config.m_subnet_mask, &config.m_enable_dhcp);
    return page;
}

std::unique_ptr<CVPropertyPage> ClosingPage(const ServerConfig& config) {
    auto page = std::make_unique<StaticTextDialog>(0);
    page->SetConfig(&config);
    return page;
}
} // namespace

CVPropertySheet::CVPropertySheet(ServerConfig& config, HWND parent)
    : fw::CPropertySheet(IDS_SHEET_CAPTION, parent, 0), m_config(config) {
    AddVPage(std::make_unique<CVPropertyPage>(IDD_WELCOME));
    AddVPage(ChoicePage(IDD_COPIER_MODEL, config.m_copier_type));
    AddVPage(ChoicePage(IDD_FORCE_PAGE, config.m_SrvD_force_page));
    AddVPage(ChoicePage(IDD_DEFAULT_PAPER, config.m_SrvD_default_page));
    AddVPage(TextPage(IDD_PQ_NAME, kNameLength, config.m_PQ_name));
    AddVPage(NetworksPage(IDD_PQ_NETWORKS, config.m_PQ_network_type));
    AddVPage(NovellPage(IDD_PQ_NOVELL, config.m_PQ_Novell_server, config.m_PQ_Novell_queue,
                        config.m_PQ_Novell_pserver, config.m_PQ_network_type));
    AddVPage(TextPage(IDD_HQ_NAME, kNameLength, config.m_HQ_name));
    AddVPage(NetworksPage(IDD_HQ_NETWORKS, config.m_HQ_network_type));
    AddVPage(NovellPage(IDD_HQ_NOVELL, config.m_HQ_Novell_server, config.m_HQ_Novell_queue,
                        config.m_HQ_Novell_pserver, config.m_HQ_network_type));
    AddVPage(AddressPage(config));
    AddVPage(TextPage(IDD_SERVER_NAME, kServerNameLength, config.m_server_name));
    AddVPage(TextPage(IDD_DOMAIN_NAME, kNameLength, config.m_domain_name));
    AddVPage(NetworkTextPage(IDD_WORKGROUP, config.m_Workgroup_name, config, NET_WINDOWS_TCPIP));
    AddVPage(NetworkTextPage(IDD_ZONE, config.m_Zone_name, config, NET_ETHERTALK));
    AddVPage(ClosingPage(config));
    AddVPage(std::make_unique<CVSummaryPage>(config));
    m_dwFlags |= PSH_WIZARD | PSH_HASHELP;
}
