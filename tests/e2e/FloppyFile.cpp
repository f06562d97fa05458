#include "FloppyFile.h"

#include <gtest/gtest.h>

#include "DriverError.h"

namespace e2e {

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    if (start < bytes.size())
        lines.push_back(bytes.substr(start));
    return lines;
}

std::string WithValues(const std::string& file, const std::map<std::string, std::string>& values) {
    std::vector<std::string> lines = SplitLines(file);
    for (const auto& [key, value] : values) {
        int found = 0;
        for (std::string& line : lines)
            if (line.compare(0, key.size() + 1, key + "=") == 0) {
                line = key + "=" + value;
                ++found;
            }
        if (found != 1)
            throw DriverError("the file holds key " + key + " " + std::to_string(found) +
                              " times, not once");
    }
    return JoinLines(lines);
}

std::string SampleFloppyFile() {
    return JoinLines({
        "; Tessel Varda Color Server, 3rd floor print room",
        "hostname=TESSELV",
        "domain=print.example.com",
        "ipaddress=192.168.0.254",
        "subnetmask=255.255.255.0",
        "dhcp_client=yes",
        "wins_server=",
        "defaultgateway0=",
        "defaultpage=letter",
        "forcepage=off",
        "separator=false",
        "pq0device=5750",
        "pq0type=LOW",
        "pq0=Tessel_print",
        "pq0novserver=",
        "pq0novqueue=",
        "pq0novpserver=",
        "pq0wintcp=on",
        "pq0ethertalk=on",
        "pq0novell=off",
        "",
        "pq1type=HOLD",
        "pq1device=5750",
        "pq1=Tessel_hold",
        "pq1novserver=",
        "pq1novqueue=",
        "pq1novpserver=",
        "pq1wintcp=on",
        "pq1ethertalk=on",
        "pq1novell=off",
        "zone=*",
        "workgroup=workgroup",
        "banner_text=Property of Facilities",
        "fshift=0",
        "sshift=0",
        "tonerlimit=190,220",
        "debuglevel=2",
    });
}

void ExpectFloppyFile(const std::string& expected, const std::optional<std::string>& actual) {
    ASSERT_TRUE(actual.has_value()) << "the floppy holds no dp.ini";
    EXPECT_EQ(SplitLines(expected), SplitLines(*actual));
    EXPECT_EQ(expected, *actual) << "same lines, different bytes (line ends?)";
}

} // namespace e2e
