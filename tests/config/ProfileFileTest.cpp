#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "config/ProfileFile.h"

namespace {

using namespace std::string_literals;

struct FindCase {
    const char* name;
    std::string content;
    const char* key;
    std::optional<std::string> expected;
};

const FindCase kFindCases[] = {
    {"plain", "[Varda]\r\nhostname=A\r\n", "hostname", "A"},
    {"names ignore case", "[vARDA]\r\nHostName=A\r\n", "hOSTNAME", "A"},
    {"blanks around key and value", "[Varda]\r\n \t hostname \t=  A B \t\r\n", "hostname", "A B"},
    {"blanks around the header", "  [ Varda ]  \r\nhostname=A\r\n", "hostname", "A"},
    {"double quotes", "[Varda]\r\nhostname=\"A B\"\r\n", "hostname", "A B"},
    {"single quotes", "[Varda]\r\nhostname='A'\r\n", "hostname", "A"},
    {"unmatched quotes stay", "[Varda]\r\nhostname=\"A'\r\n", "hostname", "\"A'"},
    {"lone quote stays", "[Varda]\r\nhostname=\"\r\n", "hostname", "\""},
    {"value holds '='", "[Varda]\r\nhostname=a=b\r\n", "hostname", "a=b"},
    {"empty value is present", "[Varda]\r\nwins_server=\r\n", "wins_server", ""},
    {"first of duplicates", "[Varda]\r\nhostname=A\r\nhostname=B\r\n", "hostname", "A"},
    {"LF line ends", "[Varda]\nhostname=A\nzone=B\n", "zone", "B"},
    {"CR line ends", "[Varda]\rhostname=A\rzone=B\r", "hostname", "A"},
    {"no final line end", "[Varda]\r\nzone=B", "zone", "B"},
    {"NUL inside a value", "[Varda]\r\nhostname=A\0B\r\n"s, "hostname", "A\0B"s},
    {"long value whole", "[Varda]\r\npq0=" + std::string(10000, 'q') + "\r\n", "pq0",
     std::string(10000, 'q')},
    {"key before a bracket line", "hostname=A\r\n[Varda]\r\n", "hostname", "A"},
    {"key after bracket lines", "[Varda]\r\n[Notes]\r\nhostname=A\r\n", "hostname", "A"},
    {"byte-order mark before the first key", "\xEF\xBB\xBFhostname=A\r\n", "hostname", "A"},
    {"byte-order mark elsewhere stays", "x=1\r\n\xEF\xBB\xBFhostname=A\r\n", "hostname",
     std::nullopt},
    {"commented key", "[Varda]\r\n;hostname=A\r\n", "hostname", std::nullopt},
    {"line without '='", "[Varda]\r\nhostname\r\n", "hostname", std::nullopt},
    {"longer key", "[Varda]\r\nhostnames=A\r\n", "hostname", std::nullopt},
};

TEST(ProfileFile, FindValueReadsTheFirstMatchingKey) {
    for (const FindCase& c : kFindCases) {
        EXPECT_EQ(c.expected, profile::FindValue(c.content, c.key)) << c.name;
    }
}

struct SetCase {
    const char* name;
    std::string before;
    const char* key;
    std::string value;
    std::string after;
};

const SetCase kSetCases[] = {
    {"value replaced where it stands, spacing kept", "[Varda]\r\n hostname =  OLD  \r\nzone=*\r\n",
     "hostname", "NEW", "[Varda]\r\n hostname =  NEW  \r\nzone=*\r\n"},
    {"quoted value replaced", "[Varda]\r\nhostname=\"OLD\"\r\n", "hostname", "NEW",
     "[Varda]\r\nhostname=NEW\r\n"},
    {"empty value filled", "[Varda]\r\nwins_server=\r\nzone=*\r\n", "wins_server", "1.2.3.4",
     "[Varda]\r\nwins_server=1.2.3.4\r\nzone=*\r\n"},
    {"value emptied", "[Varda]\r\nwins_server=1.2.3.4\r\n", "wins_server", "",
     "[Varda]\r\nwins_server=\r\n"},
    {"only the first duplicate", "[Varda]\r\nzone=A\r\nzone=B\r\n", "ZONE", "Z",
     "[Varda]\r\nzone=Z\r\nzone=B\r\n"},
    {"LF line ends kept", "[Varda]\nhostname=A\nzone=B\n", "zone", "Z",
     "[Varda]\nhostname=A\nzone=Z\n"},
    {"CR line ends kept", "[Varda]\rhostname=A\rzone=B", "zone", "Z",
     "[Varda]\rhostname=A\rzone=Z"},
    {"blank lines, comments and NUL kept", "[Varda]\r\n\r\n; note\r\nx=\0\r\n\r\nzone=B\r\n\r\n"s,
     "zone", "Z", "[Varda]\r\n\r\n; note\r\nx=\0\r\n\r\nzone=Z\r\n\r\n"s},
    {"key after a bracket line replaced in place",
     "[Varda]\r\nhostname=A\r\n\r\n[Other]\r\nzone=O\r\n", "zone", "Z",
     "[Varda]\r\nhostname=A\r\n\r\n[Other]\r\nzone=Z\r\n"},
    {"new key after the last line, before blank lines", "[Varda]\r\nhostname=A\r\n\r\n", "zone",
     "Z", "[Varda]\r\nhostname=A\r\nzone=Z\r\n\r\n"},
    {"byte-order mark kept", "\xEF\xBB\xBFzone=*\r\n", "zone", "Z", "\xEF\xBB\xBFzone=Z\r\n"},
    {"new key after a lone byte-order mark", "\xEF\xBB\xBF", "zone", "Z", "\xEF\xBB\xBFzone=Z\r\n"},
    {"new key after an unended last line", "[Varda]\r\nhostname=A", "zone", "Z",
     "[Varda]\r\nhostname=A\r\nzone=Z\r\n"},
    {"new key after an LF last line", "[Varda]\nhostname=A\n", "zone", "Z",
     "[Varda]\nhostname=A\nzone=Z\r\n"},
    {"new key after a header only", "[Varda]", "zone", "Z", "[Varda]\r\nzone=Z\r\n"},
    {"new text", "", "zone", "Z", "zone=Z\r\n"},
    {"line breaks dropped from the value", "[Varda]\r\nhostname=A\r\n", "hostname",
     "EVIL\r\nipaddress=6.6.6.6\n\r", "[Varda]\r\nhostname=EVILipaddress=6.6.6.6\r\n"},
    {"line breaks dropped from a new key's value", "[Varda]\r\n", "zone", "a\nb",
     "[Varda]\r\nzone=ab\r\n"},
};

TEST(ProfileFile, SetValueChangesOnlyTheValue) {
    for (const SetCase& c : kSetCases) {
        EXPECT_EQ(c.after, profile::SetValue(c.before, c.key, c.value)) << c.name;
    }
}

} // namespace
