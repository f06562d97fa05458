// The address as text and as bytes: SetAddressText, GetAddressText, IPAC_SETADDRESS,
// IPAC_GETADDRESS, and pasted text, which the fields do not filter.
#include "IPAddrFixture.h"

#include "support/MessageBoxRecorder.h"

namespace test {
namespace {

using Texts = std::vector<std::string>;

constexpr char kMissingValue[] = "Missing value in IP address";

std::string OutOfRange(int value) {
    return std::to_string(value) +
           " is not a valid entry.  Please specify a value between 0 and 255 for this field.";
}

struct ShowCase {
    const char* name;
    const char* text;
    Texts shown;
};

class SetAddressText : public IPAddrTest, public ::testing::WithParamInterface<ShowCase> {};

TEST_P(SetAddressText, ShowsEveryTextLeniently) {
    SetFields({"9", "9", "9", "9"});
    m_ctl->SetAddressText(GetParam().text);
    EXPECT_EQ(GetParam().shown, Fields());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SetAddressText,
    ::testing::Values(ShowCase{"Complete", "192.168.1.20", {"192", "168", "1", "20"}},
                      ShowCase{"TwoParts", "10.1", {"10", "1", "0", "0"}},
                      ShowCase{"Empty", "", {"0", "0", "0", "0"}},
                      ShowCase{"LowEightBits", "300.256.1.511", {"44", "0", "1", "255"}},
                      ShowCase{"Letters", "a.b.c.d", {"0", "0", "0", "0"}},
                      ShowCase{"StopsAtAGap", "1..3.4", {"1", "0", "0", "0"}},
                      ShowCase{"BlankBeforeDot", "1 .2.3.4", {"1", "0", "0", "0"}},
                      ShowCase{"BlankAfterDot", "1. 2.3.4", {"1", "2", "3", "4"}},
                      ShowCase{"TrailingText", "1.2.3.4x5", {"1", "2", "3", "4"}},
                      ShowCase{"FifthPartIgnored", "1.2.3.4.5", {"1", "2", "3", "4"}},
                      ShowCase{"Huge", "99999999999999999999.7", {"255", "7", "0", "0"}}),
    CaseName<ShowCase>);

struct ReadCase {
    const char* name;
    Texts fields;
    const char* text;    // the address read, empty when invalid
    int errorField;      // 0 when valid
    std::string message; // the box shown with reporting on
};

class GetAddressText : public IPAddrTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(GetAddressText, ReadsOrFocusesTheFirstBadFieldAndReportsOnlyWhenAsked) {
    const ReadCase& c = GetParam();
    for (BOOL report : {FALSE, TRUE}) {
        SCOPED_TRACE(report ? "reporting" : "silent");
        SetFields(c.fields);
        SetFocus(GetDlgItem(m_dialog, kEditBeforeId));
        MessageBoxRecorder boxes;
        std::string text = "old";
        EXPECT_EQ(c.errorField == 0, m_ctl->GetAddressText(report, text) == TRUE);
        EXPECT_EQ(c.text, text);
        if (c.errorField == 0) {
            EXPECT_EQ(0u, boxes.Count());
            continue;
        }
        EXPECT_EQ(c.errorField, FocusedField());
        EXPECT_EQ(std::make_pair(0, static_cast<int>(c.fields[c.errorField - 1].size())),
                  SelectionOf(Field(c.errorField)));
        ASSERT_EQ(report ? 1u : 0u, boxes.Count());
        if (report) {
            EXPECT_EQ(c.message, boxes.Boxes()[0].text);
            EXPECT_EQ("Error", boxes.Boxes()[0].caption);
            EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), boxes.Boxes()[0].type);
            EXPECT_EQ(m_control, boxes.Boxes()[0].owner);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, GetAddressText,
    ::testing::Values(ReadCase{"Valid", {"10", "0", "255", "4"}, "10.0.255.4", 0, ""},
                      ReadCase{"LeadingZeros", {"007", "08", "0", "1"}, "7.8.0.1", 0, ""},
                      ReadCase{"LettersCountZero", {"ab", "2", "3", "4"}, "0.2.3.4", 0, ""},
                      ReadCase{"DigitsThenLetter", {"1", "2a", "3", "4"}, "1.2.3.4", 0, ""},
                      ReadCase{"EmptySecondField", {"10", "", "3", "4"}, "", 2, kMissingValue},
                      ReadCase{"MinusSign", {"1", "2", "-5", "4"}, "", 3, kMissingValue},
                      ReadCase{"AboveRange", {"1", "2", "3", "256"}, "", 4, OutOfRange(256)},
                      ReadCase{"FirstBadFieldWins", {"1", "300", "", "4"}, "", 2, OutOfRange(300)}),
    CaseName<ReadCase>);

TEST_F(IPAddrTest, GetAddressGivesTheBytesOrZerosAndTheBadField) {
    SetFields({"1", "2", "3", "4"});
    IPAddrResult result{{9, 9, 9, 9}, 9};
    ASSERT_EQ(1, SendMessageA(m_control, IPAC_GETADDRESS, 0, reinterpret_cast<LPARAM>(&result)));
    EXPECT_EQ(std::vector<BYTE>({1, 2, 3, 4}), std::vector<BYTE>(result.octet, result.octet + 4));
    EXPECT_EQ(0, result.errorField);

    SetFields({"1", "2", "999", "4"});
    ASSERT_EQ(0, SendMessageA(m_control, IPAC_GETADDRESS, 0, reinterpret_cast<LPARAM>(&result)));
    EXPECT_EQ(std::vector<BYTE>({0, 0, 0, 0}), std::vector<BYTE>(result.octet, result.octet + 4));
    EXPECT_EQ(3, result.errorField);
}

TEST_F(IPAddrTest, AddressMessagesWithoutABufferDoNothing) {
    SetFields({"1", "", "3", "4"});
    SetFocus(GetDlgItem(m_dialog, kEditBeforeId));
    EXPECT_EQ(0, SendMessageA(m_control, IPAC_GETADDRESS, TRUE, 0)); // a box fails the test
    EXPECT_EQ(GetDlgItem(m_dialog, kEditBeforeId), GetFocus());

    EXPECT_EQ(0, SendMessageA(m_control, IPAC_SETADDRESS, 0, 0));
    EXPECT_EQ(Texts({"1", "", "3", "4"}), Fields());

    const BYTE octets[4] = {192, 0, 2, 255};
    EXPECT_EQ(1, SendMessageA(m_control, IPAC_SETADDRESS, 0, reinterpret_cast<LPARAM>(octets)));
    EXPECT_EQ(Texts({"192", "0", "2", "255"}), Fields());
}

TEST_F(IPAddrTest, GetFieldNamesTheFourFieldsOnly) {
    for (int n = 1; n <= 4; ++n) {
        ASSERT_NE(nullptr, m_ctl->GetField(n)) << n;
        EXPECT_EQ(Field(n), m_ctl->GetField(n)->m_hWnd) << n;
        EXPECT_EQ(m_ctl, m_ctl->GetField(n)->m_owner) << n;
    }
    EXPECT_EQ(nullptr, m_ctl->GetField(0));
    EXPECT_EQ(nullptr, m_ctl->GetField(5));
}

// Puts text on the clipboard for a paste.
bool PutOnClipboard(HWND owner, const std::string& text) {
    if (!OpenClipboard(owner))
        return false;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    bool placed = false;
    if (memory) {
        CopyMemory(GlobalLock(memory), text.c_str(), text.size() + 1);
        GlobalUnlock(memory);
        placed = SetClipboardData(CF_TEXT, memory) != nullptr;
        if (!placed)
            GlobalFree(memory);
    }
    CloseClipboard();
    return placed;
}

TEST_F(IPAddrTest, PastedLettersCountAsZero) {
    m_ctl->SetAddressText("1.2.3.4");
    ASSERT_TRUE(PutOnClipboard(m_dialog, "ab"));
    SetFocus(Field(2));
    SendMessageA(Field(2), EM_SETSEL, 0, -1);
    SendMessageA(Field(2), WM_PASTE, 0, 0);
    EXPECT_EQ("ab", FieldText(2));
    std::string text;
    EXPECT_TRUE(m_ctl->GetAddressText(TRUE, text));
    EXPECT_EQ("1.0.3.4", text);
}

TEST_F(IPAddrTest, APastedMinusSignIsAMissingValue) {
    m_ctl->SetAddressText("1.2.3.4");
    ASSERT_TRUE(PutOnClipboard(m_dialog, "-5"));
    SetFocus(Field(3));
    SendMessageA(Field(3), EM_SETSEL, 0, -1);
    TypeInFocus("\x16"); // Ctrl+V
    EXPECT_EQ("-5", FieldText(3));
    MessageBoxRecorder boxes;
    std::string text = "old";
    EXPECT_FALSE(m_ctl->GetAddressText(TRUE, text));
    EXPECT_EQ("", text);
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ(kMissingValue, boxes.Boxes()[0].text);
    EXPECT_EQ(3, FocusedField());
}

TEST_F(IPAddrTest, APasteThatFillsAFieldCountsAsFull) {
    m_ctl->SetAddressText("1.2.3.4");
    ASSERT_TRUE(PutOnClipboard(m_dialog, "xyz"));
    SetFocus(Field(2));
    SendMessageA(Field(2), EM_SETSEL, 0, -1);
    TypeInFocus("\x16"); // Ctrl+V: letters read as 0, in range
    EXPECT_EQ("xyz", FieldText(2));
    EXPECT_EQ(3, FocusedField());
}

} // namespace
} // namespace test
