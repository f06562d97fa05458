// StaticTextDialog, the closing page, on a real floppy (drive A: mapped to a folder of its own):
// Finish saves the record and closes the sheet only when the floppy file was written.
#include <gtest/gtest.h>

#include <string>

#include "PageHost.h"
#include "config/ConfigStore.h"
#include "config/ServerConfig.h"
#include "pages/GeneralStringPage.h"
#include "pages/StaticTextDialog.h"
#include "resources/resource.h"
#include "support/FloppyDrive.h"
#include "support/MessageBoxRecorder.h"

using pagetest::PageHost;

namespace {

constexpr char kSavedLine[] = "pq0=Colour queue\r\n";

// The print queue name page, then the closing page, shown; the record loaded from the floppy
// and the queue name changed.
class ClosingPageTest : public testing::Test {
  protected:
    void SetUp() override {
        floppy.WriteFile("dp.ini", "pq0=Tessel_print\r\nsite=kept\r\n");
        ASSERT_EQ(1, OpenConfigStore(kFloppyConfigPath));
        LoadConfiguration(config);
        config.m_PQ_name = "Colour queue";
        namePage.SetField(&config.m_PQ_name);
        closing.SetConfig(&config);
        host.Add(namePage);
        host.Add(closing);
        ASSERT_TRUE(host.Open());
        host.Show(1);
        ASSERT_EQ(1, host.ActiveIndex());
    }

    bool FloppyHasSavedName() const {
        const auto file = floppy.ReadFile("dp.ini");
        return file && file->find(kSavedLine) != std::string::npos;
    }

    test::FloppyDrive floppy;
    ServerConfig config;
    GeneralStringPage namePage{IDD_PQ_NAME, 70};
    StaticTextDialog closing{0};
    PageHost host;
};

TEST_F(ClosingPageTest, FinishSavesTheRecordAndClosesTheSheet) {
    ASSERT_TRUE(host.PressFinish());
    EXPECT_TRUE(host.IsClosed());
    EXPECT_TRUE(FloppyHasSavedName());
    EXPECT_NE(std::string::npos, floppy.ReadFile("dp.ini").value_or("").find("site=kept\r\n"));
}

TEST_F(ClosingPageTest, CancelledSaveKeepsTheSheetOnTheClosingPageWithTheRecordIntact) {
    const ServerConfig before = config;
    floppy.Eject();
    test::MessageBoxRecorder boxes(IDCANCEL);

    ASSERT_TRUE(host.PressFinish());
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ("Error", boxes.Boxes()[0].caption);
    EXPECT_FALSE(host.IsClosed());
    EXPECT_EQ(1, host.ActiveIndex());
    EXPECT_TRUE(config == before);
}

TEST_F(ClosingPageTest, FinishAgainAfterCancelSavesOnceTheFloppyIsBack) {
    floppy.Eject();
    {
        test::MessageBoxRecorder boxes(IDCANCEL);
        ASSERT_TRUE(host.PressFinish());
        ASSERT_FALSE(host.IsClosed());
    }
    floppy.Insert();
    EXPECT_FALSE(FloppyHasSavedName());

    ASSERT_TRUE(host.PressFinish());
    EXPECT_TRUE(host.IsClosed());
    EXPECT_TRUE(FloppyHasSavedName());
}

} // namespace
