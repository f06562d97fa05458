#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "config/ProfileFile.h"
#include "support/FloppyDrive.h"

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
    {"key before any section", "hostname=A\r\n[Varda]\r\n", "hostname", std::nullopt},
    {"key of another section", "[Varda]\r\n[Other]\r\nhostname=A\r\n", "hostname", std::nullopt},
    {"commented key", "[Varda]\r\n;hostname=A\r\n", "hostname", std::nullopt},
    {"line without '='", "[Varda]\r\nhostname\r\n", "hostname", std::nullopt},
    {"longer key", "[Varda]\r\nhostnames=A\r\n", "hostname", std::nullopt},
    {"missing section", "hostname=A\r\n", "hostname", std::nullopt},
};

TEST(ProfileFile, FindValueReadsTheFirstMatchingKeyOfTheSection) {
    for (const FindCase& c : kFindCases) {
        EXPECT_EQ(c.expected, profile::FindValue(c.content, "Varda", c.key)) << c.name;
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
    {"new key after the section's last line, before blank lines and the next section",
     "[Varda]\r\nhostname=A\r\n\r\n[Other]\r\nzone=O\r\n", "zone", "Z",
     "[Varda]\r\nhostname=A\r\nzone=Z\r\n\r\n[Other]\r\nzone=O\r\n"},
    {"new key after an unended last line", "[Varda]\r\nhostname=A", "zone", "Z",
     "[Varda]\r\nhostname=A\r\nzone=Z\r\n"},
    {"new key after an LF last line", "[Varda]\nhostname=A\n", "zone", "Z",
     "[Varda]\nhostname=A\nzone=Z\r\n"},
    {"new key in an empty section", "[Varda]", "zone", "Z", "[Varda]\r\nzone=Z\r\n"},
    {"new section at the end", "x=1", "zone", "Z", "x=1\r\n[Varda]\r\nzone=Z\r\n"},
    {"new file", "", "zone", "Z", "[Varda]\r\nzone=Z\r\n"},
    {"line breaks dropped from the value", "[Varda]\r\nhostname=A\r\n", "hostname",
     "EVIL\r\nipaddress=6.6.6.6\n\r", "[Varda]\r\nhostname=EVILipaddress=6.6.6.6\r\n"},
    {"line breaks dropped from a new key's value", "[Varda]\r\n", "zone", "a\nb",
     "[Varda]\r\nzone=ab\r\n"},
};

TEST(ProfileFile, SetValueChangesOnlyTheValue) {
    for (const SetCase& c : kSetCases) {
        EXPECT_EQ(c.after, profile::SetValue(c.before, "Varda", c.key, c.value)) << c.name;
    }
}

// Files in the temporary directory, removed afterwards.
class ProfileFileOnDisk : public testing::Test {
  protected:
    void TearDown() override { DeleteFileA(m_path.c_str()); }

    std::string Bytes() const {
        std::ifstream file(m_path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    void Write(const std::string& bytes) const {
        std::ofstream(m_path, std::ios::binary | std::ios::trunc) << bytes;
    }

    const std::string m_path = TempDirectory() + "varda_profile_test.ini";

  private:
    static std::string TempDirectory() {
        std::string directory(MAX_PATH + 1, '\0');
        directory.resize(GetTempPathA(MAX_PATH + 1, &directory[0]));
        return directory;
    }
};

TEST_F(ProfileFileOnDisk, MissingFileReadsEmptyAndFlushCreatesIt) {
    DeleteFileA(m_path.c_str());
    profile::Document file(m_path);
    EXPECT_TRUE(file.IsReadable());
    EXPECT_EQ(std::nullopt, file.Value("Varda", "zone"));
    file.SetValue("Varda", "zone", "Z");
    ASSERT_TRUE(file.Flush());
    EXPECT_EQ("[Varda]\r\nzone=Z\r\n", Bytes());
    EXPECT_EQ("Z", profile::Document(m_path).Value("Varda", "zone"));
}

// Wine's own profile functions rewrite the whole file on a change: blank lines go, spacing is
// normalised, LF becomes CR LF and text after a NUL is lost. Ours changes the value only.
TEST_F(ProfileFileOnDisk, FlushKeepsWhatWinesProfileFunctionsWouldNormalise) {
    Write("[Varda]\n\n  hostname = A  \n;c\r\nx=1\0y\r\n\r\n[Other]\r\nq"s);
    profile::Document file(m_path);
    file.SetValue("Varda", "hostname", "B");
    ASSERT_TRUE(file.Flush());
    EXPECT_EQ("[Varda]\n\n  hostname = B  \n;c\r\nx=1\0y\r\n\r\n[Other]\r\nq"s, Bytes());
}

// Wine caches a parsed file by its modification time, which CopyFileA keeps; ours reads the file
// that is there now.
TEST_F(ProfileFileOnDisk, ReadSeesAFileReplacedWithTheSameModificationTime) {
    Write("[Varda]\r\nzone=OLD\r\n");
    EXPECT_EQ("OLD", profile::Document(m_path).Value("Varda", "zone"));
    const std::string other = m_path + ".other";
    std::ofstream(other, std::ios::binary) << "[Varda]\r\nzone=NEW\r\n";
    WIN32_FILE_ATTRIBUTE_DATA original{};
    ASSERT_TRUE(GetFileAttributesExA(m_path.c_str(), GetFileExInfoStandard, &original));
    HANDLE file =
        CreateFileA(other.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    SetFileTime(file, nullptr, nullptr, &original.ftLastWriteTime);
    CloseHandle(file);
    ASSERT_TRUE(CopyFileA(other.c_str(), m_path.c_str(), FALSE));
    DeleteFileA(other.c_str());
    EXPECT_EQ("NEW", profile::Document(m_path).Value("Varda", "zone"));
}

TEST_F(ProfileFileOnDisk, WhatCannotBeReadIsNeverOverwritten) {
    const std::string folder = m_path + ".d";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    profile::Document unreadable(folder);
    EXPECT_FALSE(unreadable.IsReadable());
    unreadable.SetValue("Varda", "zone", "Z");
    EXPECT_FALSE(unreadable.Flush());
    EXPECT_TRUE(RemoveDirectoryA(folder.c_str())) << "still an empty folder";

    profile::Document nowhere(m_path + ".missing\\x.ini");
    nowhere.SetValue("Varda", "zone", "Z");
    EXPECT_FALSE(nowhere.Flush());
}

TEST(ProfileFileOnFullDisk, FailedFlushLeavesTheFileAsItWasAndNoTemporaryFile) {
    test::FloppyDrive disk;
    const std::string before = "[Varda]\r\nzone=OLD\r\nx=1\r\n";
    disk.WriteFile("x.ini", before);
    if (!disk.MakeFull())
        GTEST_SKIP() << "no small file system can be mounted here (mount -t tmpfs)";
    profile::Document file(test::FloppyDrive::DrivePath("x.ini"));
    file.SetValue("Varda", "zone", "NEW");
    EXPECT_FALSE(file.Flush());
    EXPECT_EQ(before, disk.ReadFile("x.ini"));
    EXPECT_EQ((std::vector<std::string>{"filler", "x.ini"}), disk.FileNames());
}

} // namespace
