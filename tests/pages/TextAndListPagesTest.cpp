// GeneralStringPage and genericcombo as real pages: what they show on activation, what leaving
// them stores, and when the text pages are included.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "PageHost.h"
#include "config/ServerConfig.h"
#include "pages/GeneralStringPage.h"
#include "pages/StaticTextDialog.h"
#include "pages/genericcombo.h"
#include "resources/resource.h"
#include "support/MessageBoxRecorder.h"
#include "support/WindowDriver.h"

using pagetest::PageHost;

namespace {

template <typename Case> std::string CaseName(const testing::TestParamInfo<Case>& test) {
    return test.param.name;
}

// A page under test at index 0 and the closing page at index 1, to leave it for.
struct ListCase {
    const char* name;
    UINT dialog;
    const char* stored;
    const char* shown;
};

class ListPageTest : public testing::TestWithParam<ListCase> {};

TEST_P(ListPageTest, SelectsFirstItemBeginningWithStoredValueAndStoresItsText) {
    const ListCase& c = GetParam();
    std::string field = c.stored;
    genericcombo page(c.dialog);
    page.SetField(&field);
    StaticTextDialog closing(0);
    PageHost host;
    host.Add(page);
    host.Add(closing);
    ASSERT_TRUE(host.Open());

    EXPECT_EQ(c.shown, pagetest::TextOf(page.GetDlgItem(IDC_CHOICE)));
    host.Show(1);
    EXPECT_EQ(1, host.ActiveIndex());
    // A value the list cannot show stays as it was.
    EXPECT_EQ(*c.shown ? c.shown : c.stored, field);
}

INSTANTIATE_TEST_SUITE_P(
    StoredValues, ListPageTest,
    testing::Values(ListCase{"PaperSizeInOtherCase", IDD_DEFAULT_PAPER, "A4", "a4"},
                    ListCase{"CopierInOtherCase", IDD_COPIER_MODEL, "xEROX 5790", "Xerox 5790"},
                    ListCase{"CopierPrefix", IDD_COPIER_MODEL, "Xerox", "Xerox 5750"},
                    ListCase{"LastCopier", IDD_COPIER_MODEL, "Xerox 5799", "Xerox 5799"},
                    ListCase{"ForcePageSorted", IDD_FORCE_PAGE, "ENGLISH", "english"},
                    ListCase{"ForcePageOff", IDD_FORCE_PAGE, "off", "off"},
                    ListCase{"NoItemMatchesSoNothingSelected", IDD_COPIER_MODEL, "Canon", ""},
                    ListCase{"LongerThanAnyItem", IDD_DEFAULT_PAPER, "letters", ""}),
    CaseName<ListCase>);

class ListPageFixture : public testing::Test {
  protected:
    void SetUp() override {
        page.SetField(&field);
        host.Add(page);
        host.Add(closing);
        ASSERT_TRUE(host.Open());
    }

    std::string field = "letter";
    genericcombo page{IDD_DEFAULT_PAPER};
    StaticTextDialog closing{0};
    PageHost host;
};

TEST_F(ListPageFixture, ItemChosenByKeyboardIsStoredOnLeaving) {
    test::TypeChars(page.GetDlgItem(IDC_CHOICE), "a");
    host.Show(1);
    EXPECT_EQ("a4", field);
}

TEST_F(ListPageFixture, ValueBeginningNoItemKeepsThePreviousSelectionOnReturn) {
    host.Show(1);
    field = "tabloid";
    host.Show(0);
    EXPECT_EQ("letter", pagetest::TextOf(page.GetDlgItem(IDC_CHOICE)));
    host.Show(1);
    EXPECT_EQ("letter", field);
}

TEST_F(ListPageFixture, StoreValuesWritesTheSelectionWithoutLeaving) {
    test::TypeChars(page.GetDlgItem(IDC_CHOICE), "a");
    page.StoreValues();
    EXPECT_EQ("a4", field);
    EXPECT_EQ(0, host.ActiveIndex());
}

class TextPageFixture : public testing::Test {
  protected:
    void Open(UINT dialog, int maxLength) {
        page = std::make_unique<GeneralStringPage>(dialog, maxLength);
        page->SetField(&field);
        host.Add(*page);
        host.Add(closing);
        ASSERT_TRUE(host.Open());
    }
    HWND Box() const { return page->GetDlgItem(IDC_TEXT); }

    std::string field;
    std::unique_ptr<GeneralStringPage> page;
    StaticTextDialog closing{0};
    PageHost host;
};

TEST_F(TextPageFixture, ServerNameOfHundredTypedCharactersIsStoredWhole) {
    Open(IDD_SERVER_NAME, 79);
    const std::string name = std::string(60, 's') + std::string(40, 'N');
    test::TypeChars(Box(), name);
    host.Show(1);
    EXPECT_EQ(name, field);
}

TEST_F(TextPageFixture, RecordTextIsShownAndStoredUnchanged) {
    field = "  Print Queue, Floor 2  ";
    Open(IDD_PQ_NAME, 70);
    EXPECT_EQ(field, pagetest::TextOf(Box()));
    host.Show(1);
    EXPECT_EQ("  Print Queue, Floor 2  ", field);
}

TEST_F(TextPageFixture, EmptiedBoxStoresEmptyText) {
    field = "varda";
    Open(IDD_DOMAIN_NAME, 70);
    pagetest::ReplaceText(Box(), "");
    host.StoreAndShow(1);
    EXPECT_EQ("", field);
}

TEST_F(TextPageFixture, ReturningShowsWhatTheRecordHoldsNow) {
    field = "first";
    Open(IDD_HQ_NAME, 70);
    host.Show(1);
    field = "changed elsewhere";
    host.Show(0);
    EXPECT_EQ("changed elsewhere", pagetest::TextOf(Box()));
}

// Inclusion of the workgroup (Windows TCP/IP) and zone (EtherTalk) pages.
struct InclusionCase {
    const char* name;
    NetworkSet mask;
    NetworkSet printQueue;
    NetworkSet holdQueue;
    int flag;
    bool included;
};

class TextPageInclusionTest : public testing::TestWithParam<InclusionCase> {};

TEST_P(TextPageInclusionTest, FollowsTheQueuesNetworks) {
    const InclusionCase& c = GetParam();
    std::string field;
    NetworkSet printQueue = c.printQueue;
    NetworkSet holdQueue = c.holdQueue;
    GeneralStringPage page(IDD_WORKGROUP, 70);
    page.SetField(&field);
    page.SetNetworkCondition(&printQueue, &holdQueue, c.mask);
    page.SetIncluded(c.flag);
    EXPECT_EQ(c.included, page.IsIncluded() != FALSE);
}

INSTANTIATE_TEST_SUITE_P(
    Networks, TextPageInclusionTest,
    testing::Values(InclusionCase{"WorkgroupEtherTalkOnly", NET_WINDOWS_TCPIP, 2, 0, 1, false},
                    InclusionCase{"WorkgroupHoldQueueTcpip", NET_WINDOWS_TCPIP, 2, 1, 1, true},
                    InclusionCase{"WorkgroupPrintQueueAll", NET_WINDOWS_TCPIP, 7, 0, 1, true},
                    InclusionCase{"WorkgroupNovellBoth", NET_WINDOWS_TCPIP, 4, 4, 1, false},
                    InclusionCase{"WorkgroupFlagCleared", NET_WINDOWS_TCPIP, 1, 1, 0, false},
                    InclusionCase{"ZoneHoldQueueEtherTalk", NET_ETHERTALK, 0, 2, 1, true},
                    InclusionCase{"ZoneWithOtherBits", NET_ETHERTALK, 5, 3, 1, true},
                    InclusionCase{"ZoneTcpipAndNovell", NET_ETHERTALK, 5, 5, 1, false},
                    InclusionCase{"ZoneNoNetworks", NET_ETHERTALK, 0, 0, 1, false}),
    CaseName<InclusionCase>);

TEST(TextPageInclusion, PageWithoutNetworkConditionFollowsItsFlagAlone) {
    std::string field;
    GeneralStringPage page(IDD_SERVER_NAME, 79);
    page.SetField(&field);
    EXPECT_TRUE(page.IsIncluded());
    page.SetIncluded(0);
    EXPECT_FALSE(page.IsIncluded());
}

TEST(TextPageInclusion, ReadsTheQueuesAsTheyAreWhenAsked) {
    std::string field;
    NetworkSet printQueue = 0;
    NetworkSet holdQueue = 0;
    GeneralStringPage page(IDD_ZONE, 70);
    page.SetField(&field);
    page.SetNetworkCondition(&printQueue, &holdQueue, NET_ETHERTALK);
    EXPECT_FALSE(page.IsIncluded());
    holdQueue = NET_ETHERTALK;
    EXPECT_TRUE(page.IsIncluded());
}

} // namespace
