#include "config/ConfigFormat.h"

#include <cstdlib>
#include <iterator>

const char kSectionName[] = "Varda";

namespace {

// How a key's value maps to its field.
enum class KeyKind {
    Text,        // stored and written as it is
    Address,     // like Text, but "0.0.0.0" is written as the empty value
    Copier,      // the copier code, read into and written from the copier name
    CopierWrite, // the same code, written only: both queues carry the one copier
    NetworkBit,  // "on" sets the field's bit, anything else clears it
    Shift,       // a number from -36 to 36, else 0
    TonerLimit,  // "start,end", each from 150 to 270, else 190; or "default"
};

struct KeyBinding {
    const char* key;
    KeyKind kind;
    const char* missing; // the value read when the key is absent
    std::string ServerConfig::*text;
    int ServerConfig::*number;
    NetworkSet bit;
};

constexpr KeyBinding TextKey(const char* key, std::string ServerConfig::*field, const char* missing,
                             KeyKind kind = KeyKind::Text) {
    return KeyBinding{key, kind, missing, field, nullptr, 0};
}

constexpr KeyBinding NumberKey(const char* key, int ServerConfig::*field, const char* missing,
                               KeyKind kind, NetworkSet bit = 0) {
    return KeyBinding{key, kind, missing, nullptr, field, bit};
}

using C = ServerConfig;

// Every key the tool reads or writes, in the order it writes them.
const KeyBinding kKeys[] = {
    TextKey("hostname", &C::m_server_name, "TESSELV"),
    TextKey("domain", &C::m_domain_name, kDefaultDomainName),
    TextKey("ipaddress", &C::m_ip_adress, "192.168.0.254", KeyKind::Address),
    TextKey("subnetmask", &C::m_subnet_mask, "255.255.255.0"),
    TextKey("dhcp_client", &C::m_enable_dhcp, "yes"),
    TextKey("wins_server", &C::m_SrvD_win_server, "", KeyKind::Address),
    TextKey("defaultgateway0", &C::m_SrvD_gateway, "", KeyKind::Address),
    TextKey("defaultpage", &C::m_SrvD_default_page, "letter"),
    TextKey("forcepage", &C::m_SrvD_force_page, "off"),
    TextKey("separator", &C::m_SrvD_separator_page, "false"),
    TextKey("pq0device", &C::m_copier_type, "5750", KeyKind::Copier),
    TextKey("pq0", &C::m_PQ_name, "Tessel_print"),
    TextKey("pq0novserver", &C::m_PQ_Novell_server, ""),
    TextKey("pq0novqueue", &C::m_PQ_Novell_queue, ""),
    TextKey("pq0novpserver", &C::m_PQ_Novell_pserver, ""),
    NumberKey("pq0wintcp", &C::m_PQ_network_type, "on", KeyKind::NetworkBit, NET_WINDOWS_TCPIP),
    NumberKey("pq0ethertalk", &C::m_PQ_network_type, "on", KeyKind::NetworkBit, NET_ETHERTALK),
    NumberKey("pq0novell", &C::m_PQ_network_type, "off", KeyKind::NetworkBit, NET_NOVELL),
    TextKey("pq1device", &C::m_copier_type, nullptr, KeyKind::CopierWrite),
    TextKey("pq1", &C::m_HQ_name, "Tessel_hold"),
    TextKey("pq1novserver", &C::m_HQ_Novell_server, ""),
    TextKey("pq1novqueue", &C::m_HQ_Novell_queue, ""),
    TextKey("pq1novpserver", &C::m_HQ_Novell_pserver, ""),
    NumberKey("pq1wintcp", &C::m_HQ_network_type, "on", KeyKind::NetworkBit, NET_WINDOWS_TCPIP),
    NumberKey("pq1ethertalk", &C::m_HQ_network_type, "on", KeyKind::NetworkBit, NET_ETHERTALK),
    NumberKey("pq1novell", &C::m_HQ_network_type, "off", KeyKind::NetworkBit, NET_NOVELL),
    TextKey("zone", &C::m_Zone_name, "*"),
    TextKey("workgroup", &C::m_Workgroup_name, "workgroup"),
    NumberKey("fshift", &C::m_SrvD_f_shift, "0", KeyKind::Shift),
    NumberKey("sshift", &C::m_SrvD_s_shift, "0", KeyKind::Shift),
    NumberKey("tonerlimit", nullptr, "190,220", KeyKind::TonerLimit),
};

struct Copier {
    const char* code;
    const char* name;
};
// Any code or name not listed stands for the last copier.
const Copier kCopiers[] = {{"5750", "Xerox 5750"}, {"5790", "Xerox 5790"}, {"5799", "Xerox 5799"}};

const Copier& FindCopier(const std::string& text, const char* Copier::*column) {
    for (const Copier& copier : kCopiers) {
        if (profile::EqualsNoCase(text, copier.*column))
            return copier;
    }
    return kCopiers[std::size(kCopiers) - 1];
}

// A leading decimal integer (blanks, sign, digits; 0 without digits), or fallback when it lies
// outside [low, high].
int NumberInRange(const std::string& text, long low, long high, int fallback) {
    const long value = std::strtol(text.c_str(), nullptr, 10);
    return value < low || value > high ? fallback : static_cast<int>(value);
}

void ReadTonerLimit(const std::string& value, ServerConfig& config) {
    if (profile::EqualsNoCase(value, "default")) {
        config.m_SrvD_tl_start = 190;
        config.m_SrvD_tl_end = 220;
        return;
    }
    const size_t comma = value.find(',');
    const std::string start = value.substr(0, comma);
    const std::string end = comma == std::string::npos ? "" : value.substr(comma + 1);
    config.m_SrvD_tl_start = NumberInRange(start, 150, 270, 190);
    config.m_SrvD_tl_end = NumberInRange(end, 150, 270, 190);
}

void ReadKey(const KeyBinding& binding, const profile::Document& file, ServerConfig& config) {
    if (binding.kind == KeyKind::CopierWrite)
        return;
    std::string value;
    ReadSetting(binding.key, binding.missing, value, file);
    switch (binding.kind) {
    case KeyKind::Text:
    case KeyKind::Address:
        config.*binding.text = std::move(value);
        break;
    case KeyKind::Copier:
        config.*binding.text = FindCopier(value, &Copier::code).name;
        break;
    case KeyKind::NetworkBit:
        if (profile::EqualsNoCase(value, "on"))
            config.*binding.number |= binding.bit;
        else
            config.*binding.number &= ~binding.bit;
        break;
    case KeyKind::Shift:
        config.*binding.number = NumberInRange(value, -36, 36, 0);
        break;
    case KeyKind::TonerLimit:
        ReadTonerLimit(value, config);
        break;
    case KeyKind::CopierWrite:
        break;
    }
}

std::string ValueToWrite(const KeyBinding& binding, const ServerConfig& config) {
    switch (binding.kind) {
    case KeyKind::Text:
        return config.*binding.text;
    case KeyKind::Address:
        return config.*binding.text == "0.0.0.0" ? std::string() : config.*binding.text;
    case KeyKind::Copier:
    case KeyKind::CopierWrite:
        return FindCopier(config.*binding.text, &Copier::name).code;
    case KeyKind::NetworkBit:
        return (config.*binding.number & binding.bit) != 0 ? "on" : "off";
    case KeyKind::Shift:
        return std::to_string(config.*binding.number);
    case KeyKind::TonerLimit:
        return std::to_string(config.m_SrvD_tl_start) + "," + std::to_string(config.m_SrvD_tl_end);
    }
    return std::string();
}

} // namespace

std::string HeaderLine() {
    return std::string("[") + kSectionName + "]\r\n";
}

std::string DefaultConfigBody() {
    return std::string("hostname=TESSELV\r\n"
                       "domain=") +
           kDefaultDomainName +
           "\r\n"
           "ipaddress=192.168.0.254\r\n"
           "subnetmask=255.255.255.0\r\n"
           "dhcp_client=yes\r\n"
           "wins_server=\r\n"
           "defaultgateway0=\r\n"
           "defaultpage=letter\r\n"
           "forcepage=off\r\n"
           "separator=false\r\n"
           "pq0device=5750\r\n"
           "pq0type=LOW\r\n"
           "pq0=Tessel_print\r\n"
           "pq0novserver=\r\n"
           "pq0novqueue=\r\n"
           "pq0novpserver=\r\n"
           "pq0wintcp=on\r\n"
           "pq0ethertalk=on\r\n"
           "pq0novell=off\r\n"
           "pq1type=HOLD\r\n"
           "pq1device=5750\r\n"
           "pq1=Tessel_hold\r\n"
           "pq1novserver=\r\n"
           "pq1novqueue=\r\n"
           "pq1novpserver=\r\n"
           "pq1wintcp=on\r\n"
           "pq1ethertalk=on\r\n"
           "pq1novell=off\r\n"
           "zone=*\r\n"
           "workgroup=workgroup\r\n"
           "fshift=0\r\n"
           "sshift=0\r\n"
           "tonerlimit=190,220\r\n";
}

void TransferSettings(profile::Document& file, TransferDirection direction, ServerConfig& config) {
    if (direction == TransferDirection::Read) {
        ServerConfig loaded; // network sets start empty; each key adds its bit
        for (const KeyBinding& binding : kKeys)
            ReadKey(binding, file, loaded);
        config = std::move(loaded);
        return;
    }
    for (const KeyBinding& binding : kKeys)
        WriteSetting(binding.key, ValueToWrite(binding, config), file);
}

size_t ReadSetting(const char* key, const char* missing, std::string& target,
                   const profile::Document& file) {
    target = file.Value(key).value_or(missing);
    return target.size();
}

void WriteSetting(const char* key, const std::string& source, profile::Document& file) {
    file.SetValue(key, source);
}
