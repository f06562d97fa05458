#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "StoreFixture.h"

namespace configtest {
namespace {

TEST(NetworkSet, NamesFollowTheBits) {
    const char* const expected[] = {
        "None",
        "Windows TCP/IP",
        "EtherTalk",
        "Windows TCP/IP, EtherTalk",
        "Novell",
        "Windows TCP/IP, Novell",
        "EtherTalk, Novell",
        "Windows TCP/IP, EtherTalk, Novell",
    };
    for (NetworkSet value = 0; value < kNetworkSetCount; ++value)
        EXPECT_STREQ(expected[value], NetworkSetName(value)) << value;
    EXPECT_STREQ("", NetworkSetName(-1));
    EXPECT_STREQ("", NetworkSetName(8));
}

TEST(ServerConfigRecord, EveryFieldTakesPartInComparison) {
    const std::vector<std::string ServerConfig::*> texts = {
        &ServerConfig::m_server_name,         &ServerConfig::m_domain_name,
        &ServerConfig::m_ip_adress,           &ServerConfig::m_subnet_mask,
        &ServerConfig::m_enable_dhcp,         &ServerConfig::m_copier_type,
        &ServerConfig::m_SrvD_win_server,     &ServerConfig::m_SrvD_gateway,
        &ServerConfig::m_SrvD_separator_page, &ServerConfig::m_SrvD_default_page,
        &ServerConfig::m_SrvD_force_page,     &ServerConfig::m_PQ_name,
        &ServerConfig::m_PQ_Novell_server,    &ServerConfig::m_PQ_Novell_queue,
        &ServerConfig::m_PQ_Novell_pserver,   &ServerConfig::m_HQ_name,
        &ServerConfig::m_HQ_Novell_server,    &ServerConfig::m_HQ_Novell_queue,
        &ServerConfig::m_HQ_Novell_pserver,   &ServerConfig::m_Zone_name,
        &ServerConfig::m_Workgroup_name};
    const std::vector<int ServerConfig::*> numbers = {
        &ServerConfig::m_SrvD_f_shift,    &ServerConfig::m_SrvD_s_shift,
        &ServerConfig::m_SrvD_tl_start,   &ServerConfig::m_SrvD_tl_end,
        &ServerConfig::m_PQ_network_type, &ServerConfig::m_HQ_network_type};
    ASSERT_EQ(27u, texts.size() + numbers.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        ServerConfig changed;
        changed.*texts[i] = "x";
        EXPECT_NE(ServerConfig(), changed) << "text field " << i;
    }
    for (size_t i = 0; i < numbers.size(); ++i) {
        ServerConfig changed;
        changed.*numbers[i] = 1;
        EXPECT_NE(ServerConfig(), changed) << "number field " << i;
    }
}

struct ReadCase {
    const char* line;
    std::function<bool(const ServerConfig&)> holds;
};

#define FIELDS(condition) [](const ServerConfig& c) { return condition; }

const std::vector<ReadCase> kReadCases = {
    {"tonerlimit=default", FIELDS(c.m_SrvD_tl_start == 190 && c.m_SrvD_tl_end == 220)},
    {"tonerlimit=DeFaUlT", FIELDS(c.m_SrvD_tl_start == 190 && c.m_SrvD_tl_end == 220)},
    {"tonerlimit=200", FIELDS(c.m_SrvD_tl_start == 200 && c.m_SrvD_tl_end == 190)},
    {"tonerlimit=100,300", FIELDS(c.m_SrvD_tl_start == 190 && c.m_SrvD_tl_end == 190)},
    {"tonerlimit=160,250", FIELDS(c.m_SrvD_tl_start == 160 && c.m_SrvD_tl_end == 250)},
    {"tonerlimit=150,270", FIELDS(c.m_SrvD_tl_start == 150 && c.m_SrvD_tl_end == 270)},
    {"tonerlimit=149,271", FIELDS(c.m_SrvD_tl_start == 190 && c.m_SrvD_tl_end == 190)},
    {"tonerlimit=,200", FIELDS(c.m_SrvD_tl_start == 190 && c.m_SrvD_tl_end == 200)},
    {"tonerlimit=170x,abc", FIELDS(c.m_SrvD_tl_start == 170 && c.m_SrvD_tl_end == 190)},
    {"fshift=40", FIELDS(c.m_SrvD_f_shift == 0)},
    {"fshift=-36", FIELDS(c.m_SrvD_f_shift == -36)},
    {"fshift=36", FIELDS(c.m_SrvD_f_shift == 36)},
    {"fshift=-37", FIELDS(c.m_SrvD_f_shift == 0)},
    {"fshift=letters", FIELDS(c.m_SrvD_f_shift == 0)},
    {"fshift=12abc", FIELDS(c.m_SrvD_f_shift == 12)},
    {"fshift=+5", FIELDS(c.m_SrvD_f_shift == 5)},
    {"fshift=99999999999999999999", FIELDS(c.m_SrvD_f_shift == 0)},
    {"sshift=-20", FIELDS(c.m_SrvD_s_shift == -20)},
    {"sshift=37", FIELDS(c.m_SrvD_s_shift == 0)},
    {"pq0device=5750", FIELDS(c.m_copier_type == "Xerox 5750")},
    {"pq0device=5790", FIELDS(c.m_copier_type == "Xerox 5790")},
    {"pq0device=5799", FIELDS(c.m_copier_type == "Xerox 5799")},
    {"pq0device=", FIELDS(c.m_copier_type == "Xerox 5799")},
    {"pq0device=1234", FIELDS(c.m_copier_type == "Xerox 5799")},
    {"pq1device=5790", FIELDS(c.m_copier_type == "Xerox 5750")}, // never read
    {"pq0wintcp=ON", FIELDS(c.m_PQ_network_type == (NET_WINDOWS_TCPIP | NET_ETHERTALK))},
    {"pq0wintcp=yes", FIELDS(c.m_PQ_network_type == NET_ETHERTALK)},
    {"pq0ethertalk=1", FIELDS(c.m_PQ_network_type == NET_WINDOWS_TCPIP)},
    {"pq0novell=On", FIELDS(c.m_PQ_network_type == 7)},
    {"pq1wintcp=off", FIELDS(c.m_HQ_network_type == NET_ETHERTALK)},
    {"pq1ethertalk=OFF", FIELDS(c.m_HQ_network_type == NET_WINDOWS_TCPIP)},
    {"pq1novell=oN", FIELDS(c.m_HQ_network_type == 7)},
    {"ipaddress=", FIELDS(c.m_ip_adress.empty())},
    {"dhcp_client=No Way", FIELDS(c.m_enable_dhcp == "No Way")},
};

TEST_F(StoreTest, LoadTranslatesValues) {
    for (const ReadCase& c : kReadCases) {
        StartWith(std::string(c.line) + "\r\n");
        EXPECT_TRUE(c.holds(Load())) << c.line;
    }
}

struct WriteCase {
    const char* name;
    std::function<void(ServerConfig&)> change;
    std::vector<std::pair<const char*, const char*>> lines; // default line, saved line
};

#define CHANGE(statement) [](ServerConfig& c) { statement; }

const std::vector<WriteCase> kWriteCases = {
    {"0.0.0.0 address",
     CHANGE(c.m_ip_adress = "0.0.0.0"),
     {{"ipaddress=192.168.0.254", "ipaddress="}}},
    {"0.0.0.0 mask stays",
     CHANGE(c.m_subnet_mask = "0.0.0.0"),
     {{"subnetmask=255.255.255.0", "subnetmask=0.0.0.0"}}},
    {"0.0.0.0 WINS server and gateway",
     CHANGE(c.m_SrvD_win_server = c.m_SrvD_gateway = "0.0.0.0"),
     {}},
    {"empty address stays empty",
     CHANGE(c.m_ip_adress = ""),
     {{"ipaddress=192.168.0.254", "ipaddress="}}},
    {"copier name in any case",
     CHANGE(c.m_copier_type = "XEROX 5790"),
     {{"pq0device=5750", "pq0device=5790"}, {"pq1device=5750", "pq1device=5790"}}},
    {"unknown copier",
     CHANGE(c.m_copier_type = "Other"),
     {{"pq0device=5750", "pq0device=5799"}, {"pq1device=5750", "pq1device=5799"}}},
    {"network sets",
     CHANGE(c.m_PQ_network_type = 5; c.m_HQ_network_type = 6),
     {{"pq0ethertalk=on", "pq0ethertalk=off"},
      {"pq0novell=off", "pq0novell=on"},
      {"pq1wintcp=on", "pq1wintcp=off"},
      {"pq1novell=off", "pq1novell=on"}}},
    {"shifts and toner limit",
     CHANGE(c.m_SrvD_f_shift = -7; c.m_SrvD_s_shift = 36; c.m_SrvD_tl_start = 160;
            c.m_SrvD_tl_end = 250),
     {{"fshift=0", "fshift=-7"},
      {"sshift=0", "sshift=36"},
      {"tonerlimit=190,220", "tonerlimit=160,250"}}},
    {"texts as entered",
     CHANGE(c.m_Workgroup_name = " Mixed Case "; c.m_PQ_Novell_queue = "q"),
     {{"pq0novqueue=", "pq0novqueue=q"}, {"workgroup=workgroup", "workgroup= Mixed Case "}}},
};

TEST_F(StoreTest, SaveTranslatesFields) {
    for (const WriteCase& c : kWriteCases) {
        StartWith(DefaultFloppyFile());
        ServerConfig config = Load();
        c.change(config);
        EXPECT_TRUE(SaveConfiguration(config)) << c.name;
        std::string expected = DefaultFloppyFile();
        for (const auto& [before, after] : c.lines)
            expected.replace(expected.find(std::string(before) + "\r\n"),
                             std::string(before).size(), after);
        EXPECT_EQ(expected, FloppyFile()) << c.name;
    }
}

TEST_F(StoreTest, ZeroAddressSavedEmptyLoadsBackEmpty) {
    StartWith(DefaultFloppyFile());
    ServerConfig config = Load();
    config.m_ip_adress = "0.0.0.0";
    ASSERT_TRUE(SaveConfiguration(config));
    StartWith(*FloppyFile());
    EXPECT_EQ("", Load().m_ip_adress);
}

std::string WithLineEnds(std::string text, const std::string& lineEnd) {
    for (size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += lineEnd.size())
        text.replace(at, 2, lineEnd);
    return text;
}

// About 1 MB: 20,000 lines the tool does not know, around the keys it does.
std::string MegabyteFile() {
    std::string file = DefaultFloppyFile();
    for (int i = 0; i < 20000; ++i)
        file += "x" + std::to_string(i) + "=" + std::string(40, 'v') + "\r\n";
    return file;
}

struct CorpusCase {
    const char* name;
    std::string file;
};

std::vector<CorpusCase> Corpus() {
    using namespace std::string_literals;
    const std::string body = DefaultFloppyFile();
    return {
        {"LF only", WithLineEnds(body + "note=1\r\n", "\n")},
        {"CR only", WithLineEnds(body + "note=1\r\n", "\r")},
        {"no final line end", body + "note=last"},
        {"blank lines", "\r\n\r\n" + WithLineEnds(body, "\r\n\r\n") + "\r\n \t\r\n"},
        {"spaces around '='", " hostname = TESSELV \r\n\tpq0 =\tTessel_print\t\r\n" + body},
        {"comments", "; site notes\r\n# more\r\n;hostname=OLD\r\n" + body + "; end\r\n"},
        {"duplicate keys", body + "hostname=SECOND\r\nzone=Other\r\n"},
        {"second section header", body + "[Other]\r\nhostname=X\r\nzone=Y\r\n"},
        {"lines in square brackets before the keys", "[Notes]\r\n[Varda]\r\n" + body},
        {"byte-order mark", "\xEF\xBB\xBF" + body},
        {"10,000-character values",
         "pq0=" + std::string(10000, 'p') + "\r\nnote=" + std::string(10000, 'n') + "\r\n" + body},
        {"NUL byte", body + "junk=a\0b\r\n"s + "\0\r\n"s},
        {"1 MB", MegabyteFile()},
    };
}

// Load and save without a change: every line the tool does not own keeps every byte and its
// place. Each file here holds every key already in its written form, so nothing else changes.
TEST_F(StoreTest, AwkwardFloppyFilesSurviveLoadAndSave) {
    for (const CorpusCase& c : Corpus()) {
        ASSERT_EQ(1, StartWith(c.file)) << c.name;
        EXPECT_TRUE(SaveConfiguration(Load())) << c.name;
        const std::string after = FloppyFile().value_or("(missing)");
        EXPECT_EQ(c.file.size(), after.size()) << c.name;
        EXPECT_TRUE(c.file == after) << c.name; // no dump of a megabyte on failure
    }
}

} // namespace
} // namespace configtest
