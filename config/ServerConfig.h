#pragma once
// The configuration record: every setting the tool edits, in the order the editor shows them.
#include <string>
#include <string_view>

// The networks over which a print queue is offered, as bits.
using NetworkSet = int;
enum NetworkBits : NetworkSet {
    NET_WINDOWS_TCPIP = 1,
    NET_ETHERTALK = 2,
    NET_NOVELL = 4,
};
constexpr int kNetworkSetCount = 8;

// Display name of a set ("None" for 0 ... "Windows TCP/IP, EtherTalk, Novell" for 7); empty
// for a value outside 0 to 7.
const char* NetworkSetName(NetworkSet value);

// Settings the tool interprets ("yes", "on", "default", copier names) match without regard to
// case.
bool SettingMatches(std::string_view text, std::string_view word);

// The placeholder domain of a new configuration.
extern const char kDefaultDomainName[];

struct ServerConfig {
    std::string m_server_name;
    std::string m_domain_name;
    std::string m_ip_adress;
    std::string m_subnet_mask;
    std::string m_enable_dhcp;
    std::string m_copier_type;
    std::string m_SrvD_win_server;
    std::string m_SrvD_gateway;
    std::string m_SrvD_separator_page;
    std::string m_SrvD_default_page;
    std::string m_SrvD_force_page;
    int m_SrvD_f_shift = 0;
    int m_SrvD_s_shift = 0;
    int m_SrvD_tl_start = 0;
    int m_SrvD_tl_end = 0;
    std::string m_PQ_name;
    NetworkSet m_PQ_network_type = 0;
    std::string m_PQ_Novell_server;
    std::string m_PQ_Novell_queue;
    std::string m_PQ_Novell_pserver;
    std::string m_HQ_name;
    NetworkSet m_HQ_network_type = 0;
    std::string m_HQ_Novell_server;
    std::string m_HQ_Novell_queue;
    std::string m_HQ_Novell_pserver;
    std::string m_Zone_name;
    std::string m_Workgroup_name;

    bool operator==(const ServerConfig& other) const;
    bool operator!=(const ServerConfig& other) const { return !(*this == other); }
};
