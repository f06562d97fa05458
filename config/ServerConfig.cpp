#include "config/ServerConfig.h"

#include <tuple>

#include "config/ProfileFile.h"

const char kDefaultDomainName[] = "tessel.local";

bool SettingMatches(std::string_view text, std::string_view word) {
    return profile::EqualsNoCase(text, word);
}

const char* NetworkSetName(NetworkSet value) {
    static const char* const kNames[kNetworkSetCount] = {
        "None",
        "Windows TCP/IP",
        "EtherTalk",
        "Windows TCP/IP, EtherTalk",
        "Novell",
        "Windows TCP/IP, Novell",
        "EtherTalk, Novell",
        "Windows TCP/IP, EtherTalk, Novell",
    };
    return value >= 0 && value < kNetworkSetCount ? kNames[value] : "";
}

namespace {
auto Fields(const ServerConfig& c) {
    return std::tie(c.m_server_name, c.m_domain_name, c.m_ip_adress, c.m_subnet_mask,
                    c.m_enable_dhcp, c.m_copier_type, c.m_SrvD_win_server, c.m_SrvD_gateway,
                    c.m_SrvD_separator_page, c.m_SrvD_default_page, c.m_SrvD_force_page,
                    c.m_SrvD_f_shift, c.m_SrvD_s_shift, c.m_SrvD_tl_start, c.m_SrvD_tl_end,
                    c.m_PQ_name, c.m_PQ_network_type, c.m_PQ_Novell_server, c.m_PQ_Novell_queue,
                    c.m_PQ_Novell_pserver, c.m_HQ_name, c.m_HQ_network_type, c.m_HQ_Novell_server,
                    c.m_HQ_Novell_queue, c.m_HQ_Novell_pserver, c.m_Zone_name, c.m_Workgroup_name);
}
} // namespace

bool ServerConfig::operator==(const ServerConfig& other) const {
    return Fields(*this) == Fields(other);
}
