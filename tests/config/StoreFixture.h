#pragma once
// A store test: drive A: mapped to a fresh folder, message boxes recorded, and no working copy
// or scratch file of an earlier test in the temporary directory.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "config/ConfigStore.h"
#include "support/FloppyDrive.h"
#include "support/MessageBoxRecorder.h"

namespace configtest {

inline std::string TempDirectory() {
    std::string directory(MAX_PATH + 1, '\0');
    directory.resize(GetTempPathA(MAX_PATH + 1, &directory[0]));
    return directory;
}

inline std::optional<std::string> ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The floppy file of a new configuration, written out here on its own.
inline std::string DefaultFloppyFile() {
    return "hostname=TESSELV\r\ndomain=tessel.local\r\nipaddress=192.168.0.254\r\n"
           "subnetmask=255.255.255.0\r\ndhcp_client=yes\r\nwins_server=\r\ndefaultgateway0=\r\n"
           "defaultpage=letter\r\nforcepage=off\r\nseparator=false\r\npq0device=5750\r\n"
           "pq0type=LOW\r\npq0=Tessel_print\r\npq0novserver=\r\npq0novqueue=\r\n"
           "pq0novpserver=\r\npq0wintcp=on\r\npq0ethertalk=on\r\npq0novell=off\r\n"
           "pq1type=HOLD\r\npq1device=5750\r\npq1=Tessel_hold\r\npq1novserver=\r\n"
           "pq1novqueue=\r\npq1novpserver=\r\npq1wintcp=on\r\npq1ethertalk=on\r\n"
           "pq1novell=off\r\nzone=*\r\nworkgroup=workgroup\r\nfshift=0\r\nsshift=0\r\n"
           "tonerlimit=190,220\r\n";
}

// The record of a new configuration.
inline ServerConfig DefaultRecord() {
    ServerConfig c;
    c.m_server_name = "TESSELV";
    c.m_domain_name = "tessel.local";
    c.m_ip_adress = "192.168.0.254";
    c.m_subnet_mask = "255.255.255.0";
    c.m_enable_dhcp = "yes";
    c.m_copier_type = "Xerox 5750";
    c.m_SrvD_separator_page = "false";
    c.m_SrvD_default_page = "letter";
    c.m_SrvD_force_page = "off";
    c.m_SrvD_tl_start = 190;
    c.m_SrvD_tl_end = 220;
    c.m_PQ_name = "Tessel_print";
    c.m_PQ_network_type = NET_WINDOWS_TCPIP | NET_ETHERTALK;
    c.m_HQ_name = "Tessel_hold";
    c.m_HQ_network_type = NET_WINDOWS_TCPIP | NET_ETHERTALK;
    c.m_Zone_name = "*";
    c.m_Workgroup_name = "workgroup";
    return c;
}

class StoreTest : public testing::Test {
  protected:
    StoreTest() {
        DeleteFileA(WorkingCopy().c_str());
        DeleteFileA(Scratch().c_str());
    }
    ~StoreTest() override { DeleteFileA(WorkingCopy().c_str()); }

    static std::string WorkingCopy() { return TempDirectory() + "tmp_dp.ini"; }
    static std::string Scratch() { return TempDirectory() + "tmp_dp2.ini"; }

    // Puts dp.ini on the floppy and opens the store on it.
    int StartWith(const std::string& floppyFile) {
        floppy.WriteFile("dp.ini", floppyFile);
        return OpenConfigStore(kFloppyConfigPath);
    }
    static ServerConfig Load() {
        ServerConfig config;
        LoadConfiguration(config);
        return config;
    }
    std::optional<std::string> FloppyFile() const { return floppy.ReadFile("dp.ini"); }

    test::FloppyDrive floppy;
    test::MessageBoxRecorder boxes{IDCANCEL};
};

} // namespace configtest
