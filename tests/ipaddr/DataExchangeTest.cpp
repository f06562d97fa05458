// DDX_IPAddrCtl between a text member and the control of a dialog.
#include "IPAddrFixture.h"

#include "support/MessageBoxRecorder.h"

namespace test {
namespace {

using Texts = std::vector<std::string>;

class IPAddrExchange : public IPAddrTest {
  protected:
    void SetUp() override {
        IPAddrTest::SetUp();
        ASSERT_TRUE(m_host.SubclassWindow(m_dialog));
    }
    void TearDown() override {
        m_host.UnsubclassWindow();
        IPAddrTest::TearDown();
    }

    // One exchange pass over the control; returns whether it succeeded.
    bool Exchange(bool save, std::string& value) {
        fw::CDataExchange dx(m_host, save);
        DDX_IPAddrCtl(&dx, kAddressId, value);
        return !dx.Failed();
    }

    fw::CWnd m_host;
};

TEST_F(IPAddrExchange, LoadingShowsTheTextLikeSetAddressText) {
    for (const auto& [text, shown] : {std::pair<std::string, Texts>{"", {"0", "0", "0", "0"}},
                                      {"10.1", {"10", "1", "0", "0"}},
                                      {"192.168.1.300", {"192", "168", "1", "44"}}}) {
        std::string value = text;
        EXPECT_TRUE(Exchange(false, value)) << text;
        EXPECT_EQ(shown, Fields()) << text;
        EXPECT_EQ(text, value);
    }
}

TEST_F(IPAddrExchange, SavingStoresTheDottedAddress) {
    SetFields({"192", "168", "001", "2"});
    std::string value = "old";
    EXPECT_TRUE(Exchange(true, value));
    EXPECT_EQ("192.168.1.2", value);
}

TEST_F(IPAddrExchange, ABadFieldFailsOnceWithTheFocusInItAndItsTextSelected) {
    struct Case {
        Texts fields;
        int badField;
        const char* message;
    };
    for (const Case& c :
         {Case{{"10", "1", "", "4"}, 3, "Missing value in IP address"},
          Case{{"10", "999", "0", "4"},
               2,
               "999 is not a valid entry.  Please specify a value between 0 and 255 for this "
               "field."}}) {
        SCOPED_TRACE(c.message);
        SetFields(c.fields);
        SetFocus(GetDlgItem(m_dialog, kButtonAfterId));
        MessageBoxRecorder boxes;
        std::string value = "1.2.3.4";
        fw::CDataExchange dx(m_host, true);
        DDX_IPAddrCtl(&dx, kAddressId, value);
        // A pass that failed skips its later exchanges: no second box.
        DDX_IPAddrCtl(&dx, kAddressId, value);
        EXPECT_TRUE(dx.Failed());
        EXPECT_EQ("1.2.3.4", value);
        ASSERT_EQ(1u, boxes.Count());
        EXPECT_EQ(c.message, boxes.Boxes()[0].text);
        EXPECT_EQ(c.badField, FocusedField());
        EXPECT_EQ(std::make_pair(0, static_cast<int>(c.fields[c.badField - 1].size())),
                  SelectionOf(Field(c.badField)));
    }
}

} // namespace
} // namespace test
