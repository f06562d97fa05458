// Walks in which something besides the operator's edits could reach the floppy file; each ends
// with the floppy file's bytes.
#include <fstream>
#include <functional>

#include "DriverError.h"
#include "FloppyFile.h"
#include "ProgramWalk.h"

namespace e2e {
namespace {

const std::string kCopierPage = "Copier Model Configuration";
const std::string kHoldQueueNamePage = "Hold Queue Name Configuration";
const std::string kClosingPage = "Configuration Wizard Summary";
constexpr int kListBox = 1010;
constexpr int kTextBox = 1011;

std::string WorkingCopy() {
    char directory[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH + 1, directory);
    return std::string(directory) + "tmp_dp.ini";
}

// Unlike a new configuration's values, so a page that shows defaults is seen.
const std::string kServerFile =
    WithValues(SampleFloppyFile(), {{"pq0device", "5790"}, {"pq1device", "5790"}});

class FloppyFileKeptWalk : public ProgramWalk {
  protected:
    void NextUntil(const std::string& target) {
        for (std::string title; (title = Sheet().Title()) != target;) {
            Sheet().Press(kNextButton);
            if (!WaitUntil([&] { return Sheet().Title() != title; }))
                throw DriverError("Next stays on " + title);
        }
        Sheet().WaitForPage(target);
    }

    // From the welcome page through the wizard, whose first page shows kServerFile's copier,
    // to Finish; the floppy then holds expected.
    void WalkWizard(const std::string& expected, const std::function<void()>& onFirstPage = {}) {
        Click(Sheet().Control(kWizardButton));
        Sheet().WaitForPage(kCopierPage);
        EXPECT_EQ("Xerox 5790", TextOf(Sheet().Control(kListBox)));
        if (onFirstPage)
            onFirstPage();
        NextUntil(kClosingPage);
        Sheet().Press(kFinishButton);
        ExpectProgramEnds();
        ExpectFloppyFile(expected, Floppy().ReadFile(kConfigFile));
    }
};

TEST_F(FloppyFileKeptWalk, SecondStartBringsTheRunningWizardToTheFrontAndTouchesNothing) {
    StartAtWelcome(kServerFile);
    WalkWizard(WithValues(kServerFile, {{"pq0device", "5799"}, {"pq1device", "5799"}}), [&] {
        ASSERT_TRUE(DeleteFileA(WorkingCopy().c_str()));
        HWND other = CreateWindowA("STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 99,
                                   99, nullptr, nullptr, nullptr, nullptr);
        SetForegroundWindow(other);
        ASSERT_EQ(other, GetForegroundWindow());
        AppProcess second(VARDA_CONFIG_EXE);
        bool secondShowedAWindow = false;
        WaitUntil([&] {
            secondShowedAWindow = secondShowedAWindow || !second.VisibleWindows().empty();
            return second.HasExited();
        });
        EXPECT_EQ(0u, second.WaitForExit());
        EXPECT_FALSE(secondShowedAWindow);
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(WorkingCopy().c_str()));
        EXPECT_EQ(Sheet().Window(), GetForegroundWindow());
        DestroyWindow(other);
        ChooseListItem(Sheet().Control(kListBox), "Xerox 5799");
    });
}

TEST_F(FloppyFileKeptWalk, WorkingCopyDeletedOnTheWelcomePageOrChangedOnAWizardPage) {
    StartAtWelcome(kServerFile);
    ASSERT_TRUE(DeleteFileA(WorkingCopy().c_str()));
    WalkWizard(kServerFile);
    StartAtWelcome(kServerFile);
    WalkWizard(kServerFile, [] {
        std::ofstream(WorkingCopy(), std::ios::binary) << "[Varda]\r\nhostname=OTHER\r\n";
    });
}

TEST_F(FloppyFileKeptWalk, TemporaryFolderThatTakesNoFileHoldingAnotherFloppysCopy) {
    test::FloppyDrive temp; // takes drive A: until the floppy goes back in
    temp.WriteFile("tmp_dp.ini", "[Varda]\r\nhostname=OTHER\r\npq0device=5750\r\n");
    ASSERT_TRUE(temp.WriteProtect()) << "chattr +i has no effect here";
    Floppy().Insert();
    Floppy().WriteFile(kConfigFile, kServerFile);
    SetEnvironmentVariableA("TMP", temp.FolderPath("").c_str());
    Start();
    SetEnvironmentVariableA("TMP", nullptr);
    HWND warning = App().WaitForDialog("Warning");
    EXPECT_NE(std::string::npos, MessageBoxText(warning).find(temp.FolderPath("")));
    Click(ChildWithId(warning, IDOK));
    WaitForWelcomePage();
    WalkWizard(kServerFile);
}

TEST_F(FloppyFileKeptWalk, FloppyFileHeldByAnotherProgramOffersRetryAndCancel) {
    for (const int answer : {IDCANCEL, IDRETRY}) {
        DeleteFileA(WorkingCopy().c_str());
        Floppy().WriteFile(kConfigFile, kServerFile);
        HANDLE held = CreateFileA(Floppy().FolderPath(kConfigFile).c_str(), GENERIC_READ, 0,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
        Start();
        HWND box = App().WaitForDialog("Error");
        EXPECT_EQ(std::vector<HWND>{box}, App().VisibleWindows()) << "the box comes first";
        EXPECT_EQ("The Configuration Wizard could not read the configuration file on the floppy "
                  "disk. Ensure that no other program is using it and that the floppy disk is "
                  "not damaged.",
                  MessageBoxText(box));
        CloseHandle(held);
        Click(ChildWithId(box, answer));
        if (answer == IDRETRY) {
            WaitForWelcomePage();
            WalkWizard(kServerFile);
            continue;
        }
        ExpectProgramEnds();
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(WorkingCopy().c_str()));
        ExpectFloppyFile(kServerFile, Floppy().ReadFile(kConfigFile));
    }
}

// A key after a line in square brackets shows on its page.
TEST_F(FloppyFileKeptWalk, UnknownListValuesBracketLinesAndAByteOrderMarkSurviveAWalk) {
    StartAtWelcome(WithValues(kServerFile, {{"forcepage", "legal"}, {"defaultpage", "A5"}}));
    WalkWizard(WithValues(kServerFile, {{"forcepage", "legal"}, {"defaultpage", "A5"}}));

    std::string file = WithValues(kServerFile, {{"pq1", "Night_Queue"}});
    file.replace(0, file.find("hostname="), "\xEF\xBB\xBF"); // in front of the first key
    file.insert(file.find("domain="), "[Notes]\r\n");
    file.insert(file.find("pq1type="), "[Varda]\r\n");
    StartAtWelcome(file);
    WalkWizard(file, [&] {
        NextUntil(kHoldQueueNamePage);
        EXPECT_EQ("Night_Queue", TextOf(Sheet().Control(kTextBox)));
    });
}

} // namespace
} // namespace e2e
