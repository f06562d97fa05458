#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "StoreFixture.h"

namespace configtest {
namespace {

const char kWarningText[] =
    "No configuration file exists on the floppy disk or floppy disk not present. The utility "
    "will create one and default settings will be used.";
const char kErrorText[] =
    "The Configuration Wizard could not write the data to the floppy disk. Ensure that the floppy "
    "disk is inserted and not write-protected.";

// A floppy file as the server keeps it, with lines the tool does not know.
const char kServerFile[] = "hostname=PRINTSRV\r\ndomain=example.org\r\nipaddress=10.1.2.3\r\n"
                           "subnetmask=255.255.0.0\r\ndhcp_client=no\r\nwins_server=10.1.2.9\r\n"
                           "defaultgateway0=10.1.2.1\r\ndefaultpage=a4\r\nforcepage=metric\r\n"
                           "separator=true\r\npq0device=5790\r\npq0type=LOW\r\n"
                           "pq0=Office\r\npq0novserver=FS1\r\npq0novqueue=Q1\r\n"
                           "pq0novpserver=PS1\r\npq0wintcp=on\r\npq0ethertalk=off\r\n"
                           "pq0novell=on\r\npq1type=HOLD\r\npq1device=5790\r\npq1=Hold\r\n"
                           "pq1novserver=\r\npq1novqueue=\r\npq1novpserver=\r\npq1wintcp=off\r\n"
                           "pq1ethertalk=on\r\npq1novell=off\r\nzone=Sales\r\n"
                           "workgroup=OFFICE\r\nfshift=-12\r\nsshift=7\r\ntonerlimit=180,250\r\n"
                           "calibration=2\r\n";

TEST_F(StoreTest, StartWithAFloppyFilePutsTheHeaderInFrontOfItsBytes) {
    const std::string file = "zone=A\nweird line\r\x01\xff\r\n";
    EXPECT_EQ(1, StartWith(file));
    EXPECT_EQ(WorkingCopy(), WorkingCopyPath());
    EXPECT_EQ("[Varda]\r\n" + file, ReadBytes(WorkingCopy()));
    EXPECT_FALSE(Exists(Scratch()));
    EXPECT_EQ(0u, boxes.Count());
    EXPECT_EQ(file, FloppyFile()) << "opening must not touch the floppy";
}

TEST_F(StoreTest, StartWithoutAFloppyFileWritesTheDefaultFileAndWarnsOnce) {
    const std::vector<std::pair<const char*, std::function<void(test::FloppyDrive&)>>> cases = {
        {"no dp.ini", [](test::FloppyDrive&) {}},
        {"floppy removed", [](test::FloppyDrive& drive) { drive.Eject(); }},
        {"no drive A:", [](test::FloppyDrive& drive) { drive.Unmap(); }},
    };
    for (const auto& [name, prepare] : cases) {
        test::MessageBoxRecorder caseBoxes;
        DeleteFileA(WorkingCopy().c_str());
        prepare(floppy);
        EXPECT_EQ(1, OpenConfigStore(kFloppyConfigPath)) << name;
        EXPECT_EQ("[Varda]\r\n" + DefaultFloppyFile(), ReadBytes(WorkingCopy())) << name;
        EXPECT_FALSE(Exists(Scratch())) << name;
        ASSERT_EQ(1u, caseBoxes.Count()) << name;
        const test::RecordedBox& box = caseBoxes.Boxes()[0];
        EXPECT_EQ(kWarningText, box.text) << name;
        EXPECT_EQ("Warning", box.caption) << name;
        EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONWARNING), box.type) << name;
        EXPECT_EQ(nullptr, box.owner) << name;
        floppy.Insert();
    }
}

TEST_F(StoreTest, AWorkingCopyOfAnEarlierRunIsReplacedEntirely) {
    std::ofstream(WorkingCopy(), std::ios::binary) << "[Varda]\r\n" << std::string(5000, 'x');
    EXPECT_EQ(1, StartWith("zone=A\r\n"));
    EXPECT_EQ("[Varda]\r\nzone=A\r\n", ReadBytes(WorkingCopy()));
}

TEST_F(StoreTest, DefaultFileAndAFileWithoutKeysLoadAsTheDefaultRecord) {
    StartWith(DefaultFloppyFile());
    EXPECT_EQ(DefaultRecord(), Load());
    StartWith("unknown=1\r\n");
    EXPECT_EQ(DefaultRecord(), Load());
    DeleteFileA(WorkingCopy().c_str());
    EXPECT_EQ(DefaultRecord(), Load()) << "no working copy at all";
}

TEST_F(StoreTest, SaveAfterLoadKeepsUnknownLinesAndNormalisesOnlyWhatTheFormatDefines) {
    // pq0type/pq1type in odd places, unknown lines, values the format rewrites, keys missing.
    const std::string before = "pq1type=HOLD\r\n# site notes\r\nhostname=SRV\r\n"
                               "pq0device=1234\r\npq1device=5750\r\npq0wintcp=ON\r\n"
                               "pq0ethertalk=yes\r\ntonerlimit=DEFAULT\r\ncalibration=2\r\n"
                               "pq0type=LOW\r\nfshift=12mm\r\nzone=*\r\n";
    StartWith(before);
    EXPECT_TRUE(SaveConfiguration(Load()));
    const std::string after = "pq1type=HOLD\r\n# site notes\r\nhostname=SRV\r\n"
                              "pq0device=5799\r\npq1device=5799\r\npq0wintcp=on\r\n"
                              "pq0ethertalk=off\r\ntonerlimit=190,220\r\ncalibration=2\r\n"
                              "pq0type=LOW\r\nfshift=12\r\nzone=*\r\n"
                              "domain=tessel.local\r\nipaddress=192.168.0.254\r\n"
                              "subnetmask=255.255.255.0\r\ndhcp_client=yes\r\nwins_server=\r\n"
                              "defaultgateway0=\r\ndefaultpage=letter\r\nforcepage=off\r\n"
                              "separator=false\r\npq0=Tessel_print\r\npq0novserver=\r\n"
                              "pq0novqueue=\r\npq0novpserver=\r\npq0novell=off\r\n"
                              "pq1=Tessel_hold\r\npq1novserver=\r\npq1novqueue=\r\n"
                              "pq1novpserver=\r\npq1wintcp=on\r\npq1ethertalk=on\r\n"
                              "pq1novell=off\r\nworkgroup=workgroup\r\nsshift=0\r\n";
    EXPECT_EQ(after, FloppyFile());
    EXPECT_EQ(0u, boxes.Count());
    EXPECT_FALSE(Exists(WorkingCopy())) << "a written floppy makes the working copy redundant";
    EXPECT_EQ(std::vector<std::string>{"dp.ini"}, floppy.FileNames());
}

TEST_F(StoreTest, RoundTripOfAServerFileChangesNoByte) {
    StartWith(kServerFile);
    ServerConfig config = Load();
    EXPECT_TRUE(SaveConfiguration(config));
    EXPECT_EQ(kServerFile, FloppyFile());
    // And once more, from the file the save wrote.
    StartWith(*FloppyFile());
    EXPECT_EQ(config, Load());
    EXPECT_TRUE(SaveConfiguration(config));
    EXPECT_EQ(kServerFile, FloppyFile());
}

// With nothing to keep, a save writes every key, in the key order.
TEST_F(StoreTest, SaveIntoNothingWritesEveryKeyInOrder) {
    std::string expected = DefaultFloppyFile();
    for (const char* line : {"pq0type=LOW\r\n", "pq1type=HOLD\r\n"})
        expected.erase(expected.find(line), std::string(line).size());

    StartWith("");
    EXPECT_TRUE(SaveConfiguration(Load()));
    EXPECT_EQ(expected, FloppyFile());
}

TEST_F(StoreTest, WriteProtectedFloppyCancelKeepsTheFileAndTheWorkingCopy) {
    StartWith(kServerFile);
    ServerConfig config = Load();
    config.m_server_name = "CHANGED";
    if (!floppy.WriteProtect())
        GTEST_SKIP() << "the floppy folder cannot be made immutable (chattr +i) here";
    EXPECT_FALSE(SaveConfiguration(config));
    ASSERT_EQ(1u, boxes.Count());
    const test::RecordedBox& box = boxes.Boxes()[0];
    EXPECT_EQ(kErrorText, box.text);
    EXPECT_EQ("Error", box.caption);
    EXPECT_EQ(static_cast<UINT>(MB_RETRYCANCEL | MB_ICONWARNING), box.type);
    EXPECT_EQ(nullptr, box.owner);
    floppy.RemoveWriteProtection();
    EXPECT_EQ(kServerFile, FloppyFile());
    EXPECT_EQ(std::vector<std::string>{"dp.ini"}, floppy.FileNames());
    ASSERT_TRUE(Exists(WorkingCopy())) << "the operator's values must survive a Cancel";

    // A later save, with the floppy writable again, still succeeds.
    EXPECT_TRUE(SaveConfiguration(config));
    EXPECT_NE(std::string::npos, FloppyFile()->find("hostname=CHANGED\r\n"));
}

TEST_F(StoreTest, WriteProtectedFloppyRetryAfterRemovingTheProtectionWrites) {
    StartWith(kServerFile);
    ServerConfig config = Load();
    config.m_server_name = "CHANGED";
    if (!floppy.WriteProtect())
        GTEST_SKIP() << "the floppy folder cannot be made immutable (chattr +i) here";
    boxes.QueueAnswer(IDRETRY);
    boxes.QueueAnswer(IDRETRY);
    int boxCount = 0;
    boxes.OnBox([&](const test::RecordedBox&) {
        if (++boxCount == 2)
            floppy.RemoveWriteProtection();
    });
    EXPECT_TRUE(SaveConfiguration(config));
    EXPECT_EQ(2u, boxes.Count()) << "each Retry makes a complete new attempt";
    std::string expected = kServerFile;
    expected.replace(0, std::string("hostname=PRINTSRV").size(), "hostname=CHANGED");
    EXPECT_EQ(expected, FloppyFile());
    EXPECT_FALSE(Exists(WorkingCopy()));
    EXPECT_EQ(std::vector<std::string>{"dp.ini"}, floppy.FileNames());
}

// Each way the new floppy file can fail to arrive: the old dp.ini stays whole and no temporary
// file is left on the floppy.
TEST_F(StoreTest, FailedSaveLeavesTheOldFloppyFileAndNoTemporaryFile) {
    struct Case {
        const char* name;
        std::function<bool(test::FloppyDrive&)> breakFloppy; // false: impossible here
        std::function<void(test::FloppyDrive&)> repair;
    };
    const Case cases[] = {
        {"floppy removed",
         [](test::FloppyDrive& drive) {
             drive.Eject();
             return true;
         },
         [](test::FloppyDrive& drive) { drive.Insert(); }},
        {"dp.ini cannot be replaced",
         [](test::FloppyDrive& drive) { return drive.WriteProtect("dp.ini"); },
         [](test::FloppyDrive& drive) { drive.RemoveWriteProtection(); }},
        {"disk full", [](test::FloppyDrive& drive) { return drive.MakeFull(); },
         [](test::FloppyDrive&) {}},
    };
    std::string impossible;
    for (const Case& c : cases) {
        test::FloppyDrive drive;
        test::MessageBoxRecorder caseBoxes(IDCANCEL);
        drive.WriteFile("dp.ini", kServerFile);
        ASSERT_EQ(1, OpenConfigStore(kFloppyConfigPath)) << c.name;
        ServerConfig config = Load();
        config.m_PQ_name = "LOST";
        if (!c.breakFloppy(drive)) {
            impossible += std::string(" ") + c.name + ";";
            continue;
        }
        const std::vector<std::string> files = drive.FileNames();
        EXPECT_FALSE(SaveConfiguration(config)) << c.name;
        EXPECT_EQ(1u, caseBoxes.Count()) << c.name;
        c.repair(drive);
        EXPECT_EQ(kServerFile, drive.ReadFile("dp.ini")) << c.name;
        EXPECT_EQ(files, drive.FileNames()) << c.name;
        EXPECT_TRUE(Exists(WorkingCopy())) << c.name;
    }
    if (!impossible.empty())
        GTEST_SKIP() << "not possible here (chattr +i, mount -t tmpfs):" << impossible;
}

// Another program deletes or changes the working copy before a load or between load and save:
// the load shows this floppy's values, the working copy is made again where it can be, and the
// save writes this floppy's file with the operator's change, whole.
TEST_F(StoreTest, WhatHappensToTheWorkingCopyNeverReachesTheFloppy) {
    const std::string hostPath = test::ShellQuoted(test::HostPathOfWindows(WorkingCopy()));
    struct Case {
        const char* name;
        std::string spoil;
        bool remade; // the store can write the working copy again
    };
    const Case cases[] = {
        {"deleted", "rm -f " + hostPath, true},
        {"emptied", ": >" + hostPath, true},
        {"cut short", "printf '[Va' >" + hostPath, true},
        {"no header line", "printf 'hostname=X' >" + hostPath, true},
        {"another floppy's copy", "printf '[Varda]\\r\\nhostname=OTHER\\r\\n' >" + hostPath, true},
        // Reading /proc/self/mem from its start fails: a read error in the middle of the copy.
        {"read error", "ln -sfn /proc/self/mem " + hostPath, true},
        {"a folder", "rm -f " + hostPath + " && mkdir " + hostPath, false},
        {"immutable", "chattr +i " + hostPath, false},
    };
    std::string expected = kServerFile;
    expected.replace(expected.find("zone=Sales"), 10, "zone=Changed");
    StartWith(kServerFile);
    const ServerConfig floppyRecord = Load();
    for (const bool beforeLoad : {true, false}) {
        for (const auto& [name, spoil, remade] : cases) {
            SCOPED_TRACE(std::string(name) + (beforeLoad ? " before load" : " after load"));
            StartWith(kServerFile);
            const auto spoiled = [&spoil = spoil] { return test::RunHostCommand(spoil) == 0; };
            ASSERT_TRUE(!beforeLoad || spoiled());
            ServerConfig config = Load();
            EXPECT_EQ(floppyRecord, config);
            if (beforeLoad && remade) {
                EXPECT_EQ("[Varda]\r\n" + std::string(kServerFile), ReadBytes(WorkingCopy()));
            }
            ASSERT_TRUE(beforeLoad || spoiled());
            config.m_Zone_name = "Changed";
            EXPECT_TRUE(SaveConfiguration(config));
            EXPECT_EQ(expected, FloppyFile());
            test::RunHostCommand("chattr -i " + hostPath + "; rm -rf " + hostPath);
        }
    }
    EXPECT_EQ(0u, boxes.Count());
}

// Sets TMP for the life of the object.
class TempDirectoryOverride {
  public:
    explicit TempDirectoryOverride(const std::string& directory) {
        const DWORD size = GetEnvironmentVariableA("TMP", nullptr, 0);
        if (size > 0) {
            m_previous.resize(size);
            m_previous.resize(GetEnvironmentVariableA("TMP", &m_previous[0], size));
            m_hadPrevious = true;
        }
        SetEnvironmentVariableA("TMP", directory.c_str());
    }
    ~TempDirectoryOverride() {
        SetEnvironmentVariableA("TMP", m_hadPrevious ? m_previous.c_str() : nullptr);
    }
    TempDirectoryOverride(const TempDirectoryOverride&) = delete;
    TempDirectoryOverride& operator=(const TempDirectoryOverride&) = delete;

  private:
    std::string m_previous;
    bool m_hadPrevious = false;
};

// A temporary directory that takes no file at start: one "Warning" box names it, and the store
// works from the floppy's bytes. An earlier run's working copy there is never loaded.
// The temporary directory on a full disk: the floppy file is read directly, and a "Warning" box
// names the folder. No working copy is left, and an earlier run's is never loaded.
TEST_F(StoreTest, WorkingCopyThatCannotBeWrittenAtStartIsNotLeft) {
    test::FloppyDrive drive; // the floppy and the temporary directory
    drive.WriteFile("dp.ini", kServerFile);
    drive.WriteFile("tmp_dp.ini", "[Varda]\r\nhostname=EARLIER\r\n");
    if (!drive.MakeFull())
        GTEST_SKIP() << "no small file system can be mounted here (mount -t tmpfs)";
    TempDirectoryOverride temp(drive.FolderPath(""));
    test::MessageBoxRecorder caseBoxes;
    EXPECT_EQ(1, OpenConfigStore(kFloppyConfigPath));
    EXPECT_EQ((std::vector<std::string>{"dp.ini", "filler"}), drive.FileNames());
    ASSERT_EQ(1u, caseBoxes.Count());
    EXPECT_NE(std::string::npos, caseBoxes.Boxes()[0].text.find(drive.FolderPath("")));
    EXPECT_EQ("PRINTSRV", Load().m_server_name);
}

TEST_F(StoreTest, ValuesAreReadWholeAndSavedUnshortened) {
    const std::string longName(300, 'n');
    const std::string file = "pq0=" + longName + "\r\n" + DefaultFloppyFile();
    StartWith(file);
    EXPECT_EQ(longName, Load().m_PQ_name);
    StartWith(file);
    EXPECT_TRUE(SaveConfiguration(Load()));
    EXPECT_EQ(file, FloppyFile());
}

TEST_F(StoreTest, LineBreaksInAValueCannotAddLinesToTheFloppyFile) {
    StartWith(DefaultFloppyFile());
    ServerConfig config = Load();
    config.m_server_name = "EVIL\r\nipaddress=6.6.6.6\r\n";
    config.m_Zone_name = "Z\none";
    EXPECT_TRUE(SaveConfiguration(config));
    std::string expected = DefaultFloppyFile();
    expected.replace(expected.find("TESSELV"), 7, "EVILipaddress=6.6.6.6");
    expected.replace(expected.find("zone=*"), 6, "zone=Zone");
    EXPECT_EQ(expected, FloppyFile());
}

TEST_F(StoreTest, ReadOnlyFloppyFileLeavesNoScratchFile) {
    floppy.WriteFile("dp.ini", kServerFile);
    ASSERT_TRUE(SetFileAttributesA(floppy.FolderPath("dp.ini").c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(1, OpenConfigStore(kFloppyConfigPath));
    EXPECT_FALSE(Exists(Scratch()));
    EXPECT_EQ(1, OpenConfigStore(kFloppyConfigPath)) << "a second start copies it again";
    EXPECT_EQ(std::string("[Varda]\r\n") + kServerFile, ReadBytes(WorkingCopy()));
    SetFileAttributesA(floppy.FolderPath("dp.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(StoreTest, ATemporaryDirectoryBeyondTheOldBufferWorks) {
    // With its separator the directory takes 246 characters: the scratch path has 257.
    std::string directory = TempDirectory() + "d";
    directory += std::string(245 - directory.size(), 'd');
    ASSERT_TRUE(CreateDirectoryA(directory.c_str(), nullptr));
    {
        TempDirectoryOverride temp(directory);
        EXPECT_EQ(1, StartWith(kServerFile));
        EXPECT_EQ(directory + "\\tmp_dp.ini", WorkingCopyPath());
        EXPECT_EQ(std::string("[Varda]\r\n") + kServerFile, ReadBytes(WorkingCopyPath()));
        EXPECT_FALSE(Exists(directory + "\\tmp_dp2.ini"));
        ServerConfig config = Load();
        config.m_Zone_name = "Far";
        EXPECT_TRUE(SaveConfiguration(config));
        EXPECT_NE(std::string::npos, FloppyFile()->find("\r\nzone=Far\r\n"));
        EXPECT_EQ(0u, boxes.Count());
    }
    EXPECT_TRUE(RemoveDirectoryA(directory.c_str())) << "the store left files behind";
}

} // namespace
} // namespace configtest
