// The address page inside the configuration sheet: Next and Back with an invalid address run
// the sheet's store, the page's kill-active store and the validating exchange, and the
// operator still sees one error box per press.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "PageHost.h"
#include "config/ConfigStore.h"
#include "resources/resource.h"
#include "sheet/VPropertySheet.h"
#include "support/FloppyDrive.h"
#include "support/MessageBoxRecorder.h"
#include "support/WindowDriver.h"

namespace {

constexpr int kAddressPage = 10;

class AddressPageInSheetTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(pagetest::EnsureIPAddrClass());
        floppy.WriteFile("dp.ini", "ipaddress=10.0.0.5\r\nsubnetmask=255.0.0.0\r\n");
        ASSERT_EQ(1, OpenConfigStore(kFloppyConfigPath));
        ASSERT_NE(nullptr, sheet.Create());
        test::PumpMessages();
        ASSERT_TRUE(test::Click(GetDlgItem(Page(), IDC_START_WIZARD)));
        while (sheet.GetActiveIndex() < kAddressPage && Press(PSBTN_NEXT)) {
        }
        ASSERT_EQ(kAddressPage, sheet.GetActiveIndex());
    }

    HWND Page() const { return reinterpret_cast<HWND>(sheet.SendMessage(PSM_GETCURRENTPAGEHWND)); }
    HWND IpField(int n) const {
        return pagetest::AddressField(GetDlgItem(Page(), IDC_IP_ADDRESS), n);
    }
    bool Press(int button) { return test::PressWizardButton(sheet.m_hWnd, button); }

    test::FloppyDrive floppy;
    ServerConfig config;
    CVPropertySheet sheet{config};
};

TEST_F(AddressPageInSheetTest, EachPressWithAnInvalidAddressShowsOneBoxAndStays) {
    pagetest::ReplaceText(IpField(2), "");
    test::MessageBoxRecorder boxes;

    ASSERT_TRUE(Press(PSBTN_NEXT));
    EXPECT_EQ(1u, boxes.Count());
    EXPECT_EQ(kAddressPage, sheet.GetActiveIndex());
    EXPECT_EQ(IpField(2), GetFocus());

    ASSERT_TRUE(Press(PSBTN_BACK));
    EXPECT_EQ(2u, boxes.Count());
    EXPECT_EQ(kAddressPage, sheet.GetActiveIndex());

    pagetest::ReplaceText(IpField(2), "7");
    ASSERT_TRUE(Press(PSBTN_NEXT));
    EXPECT_EQ(2u, boxes.Count());
    EXPECT_EQ(kAddressPage + 1, sheet.GetActiveIndex());
    EXPECT_EQ("10.7.0.5", config.m_ip_adress);
}

} // namespace
