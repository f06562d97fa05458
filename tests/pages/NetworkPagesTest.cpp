// DialogGenricCheckBoxs, NovellCfgPage and IpConfigPage as real pages: what they show on
// activation, what leaving them stores, when the Novell page is included, and how an invalid
// address keeps the address page.
#include <gtest/gtest.h>

#include <string>

#include "PageHost.h"
#include "config/ServerConfig.h"
#include "pages/DialogGenricCheckBoxs.h"
#include "pages/IpConfigPage.h"
#include "pages/NovellCfgPage.h"
#include "pages/StaticTextDialog.h"
#include "resources/resource.h"
#include "support/MessageBoxRecorder.h"
#include "support/WindowDriver.h"

using pagetest::PageHost;

namespace {

// ---- Network check boxes -------------------------------------------------------------------

struct NetworkCase {
    NetworkSet stored;
    bool windowsTcpip;
    bool etherTalk;
    bool novell;
    NetworkSet storedOnLeaving;
};

class NetworkBoxesTest : public testing::TestWithParam<NetworkCase> {};

TEST_P(NetworkBoxesTest, ShowsTheSetsBitsAndStoresTheBoxesAlone) {
    const NetworkCase& c = GetParam();
    NetworkSet set = c.stored;
    DialogGenricCheckBoxs page(IDD_PQ_NETWORKS);
    page.SetNetworkField(&set);
    StaticTextDialog closing(0);
    PageHost host;
    host.Add(page);
    host.Add(closing);
    ASSERT_TRUE(host.Open());

    EXPECT_EQ(c.windowsTcpip, pagetest::IsTicked(page.GetDlgItem(IDC_NET_WINDOWS_TCPIP)));
    EXPECT_EQ(c.etherTalk, pagetest::IsTicked(page.GetDlgItem(IDC_NET_ETHERTALK)));
    EXPECT_EQ(c.novell, pagetest::IsTicked(page.GetDlgItem(IDC_NET_NOVELL)));
    host.Show(1);
    EXPECT_EQ(c.storedOnLeaving, set);
}

INSTANTIATE_TEST_SUITE_P(
    Sets, NetworkBoxesTest,
    testing::Values(NetworkCase{0, false, false, false, 0}, NetworkCase{1, true, false, false, 1},
                    NetworkCase{2, false, true, false, 2}, NetworkCase{4, false, false, true, 4},
                    NetworkCase{6, false, true, true, 6}, NetworkCase{7, true, true, true, 7},
                    NetworkCase{9, true, false, false, 1}, NetworkCase{-1, true, true, true, 7}));

class NetworkBoxesFixture : public testing::Test {
  protected:
    void Open(NetworkSet stored) {
        set = stored;
        page.SetNetworkField(&set);
        host.Add(page);
        host.Add(closing);
        ASSERT_TRUE(host.Open());
    }
    void ClickAll() {
        for (int id : {IDC_NET_WINDOWS_TCPIP, IDC_NET_ETHERTALK, IDC_NET_NOVELL})
            test::Click(page.GetDlgItem(id));
    }

    NetworkSet set = 0;
    DialogGenricCheckBoxs page{IDD_HQ_NETWORKS};
    StaticTextDialog closing{0};
    PageHost host;
};

TEST_F(NetworkBoxesFixture, TickingAllThreeStoresSeven) {
    Open(0);
    ClickAll();
    host.StoreAndShow(1);
    EXPECT_EQ(7, set);
}

TEST_F(NetworkBoxesFixture, UntickingAllStoresZero) {
    Open(7);
    ClickAll();
    host.StoreAndShow(1);
    EXPECT_EQ(0, set);
}

TEST_F(NetworkBoxesFixture, EachBoxStoresItsOwnBit) {
    Open(0);
    test::Click(page.GetDlgItem(IDC_NET_NOVELL));
    page.StoreValues();
    EXPECT_EQ(NET_NOVELL, set);
    test::Click(page.GetDlgItem(IDC_NET_ETHERTALK));
    page.StoreValues();
    EXPECT_EQ(NET_NOVELL | NET_ETHERTALK, set);
    test::Click(page.GetDlgItem(IDC_NET_NOVELL));
    test::Click(page.GetDlgItem(IDC_NET_WINDOWS_TCPIP));
    page.StoreValues();
    EXPECT_EQ(NET_ETHERTALK | NET_WINDOWS_TCPIP, set);
}

// ---- Novell page -------------------------------------------------------------------------

class NovellPageFixture : public testing::Test {
  protected:
    void Open() {
        page.SetFields(&server, &queue, &pserver, &networks);
        host.Add(page);
        host.Add(closing);
        ASSERT_TRUE(host.Open());
    }
    HWND Box(int id) const { return page.GetDlgItem(id); }

    std::string server = "FS1";
    std::string queue = "COLOR_Q";
    std::string pserver = "PS-7";
    NetworkSet networks = NET_NOVELL;
    NovellCfgPage page{IDD_PQ_NOVELL};
    StaticTextDialog closing{0};
    PageHost host;
};

TEST_F(NovellPageFixture, ShowsEachFieldInItsOwnBox) {
    Open();
    EXPECT_EQ("FS1", pagetest::TextOf(Box(IDC_NOVELL_SERVER)));
    EXPECT_EQ("COLOR_Q", pagetest::TextOf(Box(IDC_NOVELL_QUEUE)));
    EXPECT_EQ("PS-7", pagetest::TextOf(Box(IDC_NOVELL_PSERVER)));
}

TEST_F(NovellPageFixture, StoresTextsExactlyAsTypedEmptyIncluded) {
    Open();
    pagetest::ReplaceText(Box(IDC_NOVELL_SERVER), "");
    pagetest::ReplaceText(Box(IDC_NOVELL_QUEUE), "");
    test::TypeChars(Box(IDC_NOVELL_QUEUE), " Mixed Case Queue ");
    pagetest::ReplaceText(Box(IDC_NOVELL_PSERVER), "ps 2\tx");
    host.Show(1);
    EXPECT_EQ("", server);
    EXPECT_EQ(" Mixed Case Queue ", queue);
    EXPECT_EQ("ps 2\tx", pserver);
}

TEST_F(NovellPageFixture, ReturningShowsWhatTheRecordHoldsNow) {
    Open();
    host.Show(1);
    server = "FS2";
    host.Show(0);
    EXPECT_EQ("FS2", pagetest::TextOf(Box(IDC_NOVELL_SERVER)));
}

struct NovellInclusionCase {
    NetworkSet networks;
    int flag;
    bool included;
};

class NovellInclusionTest : public testing::TestWithParam<NovellInclusionCase> {};

TEST_P(NovellInclusionTest, NeedsTheNovellBitAndTheFlag) {
    const NovellInclusionCase& c = GetParam();
    std::string server, queue, pserver;
    NetworkSet networks = c.networks;
    NovellCfgPage page(IDD_HQ_NOVELL);
    page.SetFields(&server, &queue, &pserver, &networks);
    page.SetIncluded(c.flag);
    EXPECT_EQ(c.included, page.IsIncluded() != FALSE);
}

INSTANTIATE_TEST_SUITE_P(
    Sets, NovellInclusionTest,
    testing::Values(NovellInclusionCase{0, 1, false}, NovellInclusionCase{3, 1, false},
                    NovellInclusionCase{4, 1, true}, NovellInclusionCase{7, 1, true},
                    NovellInclusionCase{12, 1, true}, NovellInclusionCase{7, 0, false}));

TEST(NovellInclusion, WithoutNetworkSetFollowsItsFlagAlone) {
    std::string server, queue, pserver;
    NovellCfgPage page(IDD_PQ_NOVELL);
    page.SetFields(&server, &queue, &pserver, nullptr);
    EXPECT_TRUE(page.IsIncluded());
    page.SetIncluded(0);
    EXPECT_FALSE(page.IsIncluded());
}

// ---- Address page ------------------------------------------------------------------------

class AddressPageFixture : public testing::Test {
  protected:
    void Open() {
        ASSERT_TRUE(pagetest::EnsureIPAddrClass());
        page.SetFields(&ip, &mask, &dhcp);
        host.Add(page);
        host.Add(closing);
        ASSERT_TRUE(host.Open());
    }
    HWND IpControl() const { return page.GetDlgItem(IDC_IP_ADDRESS); }
    HWND MaskControl() const { return page.GetDlgItem(IDC_SUBNET_MASK); }
    HWND DhcpBox() const { return page.GetDlgItem(IDC_ENABLE_DHCP); }

    std::string ip = "192.168.1.20";
    std::string mask = "255.255.255.0";
    std::string dhcp = "no";
    IpConfigPage page{IDD_TCPIP_ADDRESS};
    StaticTextDialog closing{0};
    PageHost host;
};

struct DhcpCase {
    const char* stored;
    bool ticked;
};

class DhcpSwitchTest : public AddressPageFixture, public testing::WithParamInterface<DhcpCase> {};

TEST_P(DhcpSwitchTest, TickedOnlyForYesInAnyCaseAndStoredAsYesOrNo) {
    dhcp = GetParam().stored;
    Open();
    EXPECT_EQ(GetParam().ticked, pagetest::IsTicked(DhcpBox()));
    host.Show(1);
    EXPECT_EQ(GetParam().ticked ? "yes" : "no", dhcp);
}

INSTANTIATE_TEST_SUITE_P(Stored, DhcpSwitchTest,
                         testing::Values(DhcpCase{"yes", true}, DhcpCase{"YES", true},
                                         DhcpCase{"yEs", true}, DhcpCase{"true", false},
                                         DhcpCase{"no", false}, DhcpCase{"", false},
                                         DhcpCase{"yes ", false}, DhcpCase{"ye", false}));

TEST_F(AddressPageFixture, TickingTheBoxStoresYes) {
    Open();
    test::Click(DhcpBox());
    host.StoreAndShow(1);
    EXPECT_EQ("yes", dhcp);
}

struct AddressCase {
    const char* stored;
    const char* shown;
};

class AddressShownTest : public AddressPageFixture,
                         public testing::WithParamInterface<AddressCase> {};

TEST_P(AddressShownTest, ShowsTheFourFieldsAndStoresThemDotted) {
    ip = GetParam().stored;
    mask = GetParam().stored;
    Open();
    EXPECT_EQ(GetParam().shown, pagetest::AddressFieldsOf(IpControl()));
    EXPECT_EQ(GetParam().shown, pagetest::AddressFieldsOf(MaskControl()));
    host.Show(1);
    EXPECT_EQ(GetParam().shown, ip);
    EXPECT_EQ(GetParam().shown, mask);
}

INSTANTIATE_TEST_SUITE_P(Stored, AddressShownTest,
                         testing::Values(AddressCase{"", "0.0.0.0"},
                                         AddressCase{"10.1.2.3", "10.1.2.3"},
                                         AddressCase{"10.1", "10.1.0.0"},
                                         AddressCase{"300.1.2.3", "44.1.2.3"}));

TEST_F(AddressPageFixture, EditedAddressesGoToTheirOwnFields) {
    Open();
    pagetest::ReplaceText(pagetest::AddressField(IpControl(), 4), "77");
    pagetest::ReplaceText(pagetest::AddressField(MaskControl(), 1), "254");
    host.StoreAndShow(1);
    EXPECT_EQ("192.168.1.77", ip);
    EXPECT_EQ("254.255.255.0", mask);
}

// Leaving with an invalid address: the configuration sheet's Next stores the page, then asks
// the sheet to change pages, whose kill-active stores again and validates.
TEST_F(AddressPageFixture, InvalidAddressShowsOneBoxPerAttemptAndKeepsThePage) {
    Open();
    HWND badField = pagetest::AddressField(IpControl(), 3);
    pagetest::ReplaceText(badField, "300");
    test::MessageBoxRecorder boxes;

    host.StoreAndShow(1);
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ("Error", boxes.Boxes()[0].caption);
    EXPECT_EQ(0, host.ActiveIndex());
    EXPECT_EQ(badField, GetFocus());
    EXPECT_EQ("0-3", pagetest::SelectionOf(badField));

    host.StoreAndShow(1);
    EXPECT_EQ(2u, boxes.Count());
    EXPECT_EQ(0, host.ActiveIndex());
}

TEST_F(AddressPageFixture, InvalidAddressKeepsThePageWhenLeftWithoutStoringFirst) {
    Open();
    HWND badField = pagetest::AddressField(MaskControl(), 2);
    pagetest::ReplaceText(badField, "");
    test::MessageBoxRecorder boxes;

    host.Show(1);
    EXPECT_EQ(1u, boxes.Count());
    EXPECT_EQ(0, host.ActiveIndex());
    EXPECT_EQ(badField, GetFocus());
}

TEST_F(AddressPageFixture, InvalidAddressStoresWhatPrecedesItAndKeepsTheRest) {
    Open();
    test::Click(DhcpBox());
    pagetest::ReplaceText(pagetest::AddressField(IpControl(), 4), "99");
    pagetest::ReplaceText(pagetest::AddressField(MaskControl(), 1), "");
    test::MessageBoxRecorder boxes;
    host.StoreAndShow(1);
    EXPECT_EQ("yes", dhcp);
    EXPECT_EQ("192.168.1.99", ip);
    EXPECT_EQ("255.255.255.0", mask);

    pagetest::ReplaceText(pagetest::AddressField(IpControl(), 1), "");
    pagetest::ReplaceText(pagetest::AddressField(MaskControl(), 1), "128");
    host.StoreAndShow(1);
    EXPECT_EQ("192.168.1.99", ip);
    EXPECT_EQ("255.255.255.0", mask);
}

TEST_F(AddressPageFixture, CorrectedAddressLeavesThePageWithoutAnotherBox) {
    Open();
    HWND badField = pagetest::AddressField(IpControl(), 2);
    pagetest::ReplaceText(badField, "");
    test::MessageBoxRecorder boxes;
    host.StoreAndShow(1);
    ASSERT_EQ(0, host.ActiveIndex());

    pagetest::ReplaceText(badField, "5");
    host.StoreAndShow(1);
    EXPECT_EQ(1u, boxes.Count());
    EXPECT_EQ(1, host.ActiveIndex());
    EXPECT_EQ("192.5.1.20", ip);
}

} // namespace
