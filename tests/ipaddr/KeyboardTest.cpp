// The fields driven as a person types: characters and key downs go to the focused field.
#include "IPAddrFixture.h"

#include "support/MessageBoxRecorder.h"

namespace test {
namespace {

using Texts = std::vector<std::string>;

const char kOutOfRange256[] =
    "256 is not a valid entry.  Please specify a value between 0 and 255 for this field.";

TEST_F(IPAddrTest, ThreeDigitsMoveToTheNextFieldWithItsTextSelected) {
    m_ctl->SetAddressText("0.17.0.0");
    SetFocus(m_control);
    TypeInFocus("192");
    EXPECT_EQ("192", FieldText(1));
    EXPECT_EQ(2, FocusedField());
    EXPECT_EQ(std::make_pair(0, 2), SelectionOf(Field(2)));
}

TEST_F(IPAddrTest, AFullFieldOutOfRangeIsReportedAndKeepsTheFocus) {
    MessageBoxRecorder boxes;
    TypeInFocus("256");
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ(kOutOfRange256, boxes.Boxes()[0].text);
    EXPECT_EQ("Error", boxes.Boxes()[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), boxes.Boxes()[0].type);
    EXPECT_EQ(m_control, boxes.Boxes()[0].owner);
    EXPECT_EQ(1, FocusedField());
    EXPECT_EQ(std::make_pair(0, 3), SelectionOf(Field(1)));
}

TEST_F(IPAddrTest, AFullLastFieldIsCheckedAndStays) {
    MessageBoxRecorder boxes;
    PutCaret(4, 0);
    SendMessageA(Field(4), EM_SETSEL, 0, -1);
    TypeInFocus("256");
    EXPECT_EQ(1u, boxes.Count());
    EXPECT_EQ(4, FocusedField());
    TypeInFocus("123");
    EXPECT_EQ(1u, boxes.Count());
    EXPECT_EQ("123", FieldText(4));
    EXPECT_EQ(4, FocusedField());
}

TEST(IPAddrNoValidate, AFullFieldMovesOnWithoutARangeCheck) {
    ASSERT_TRUE(RegisterIPAddrClass());
    HWND dialog = CreateAddressDialog(kTemplateAddressStyle | IPACS_NOVALIDATE, nullptr);
    ASSERT_NE(nullptr, dialog);
    HWND control = GetDlgItem(dialog, kAddressId);
    SetFocus(control);
    TypeInFocus("256"); // a box would fail the test
    EXPECT_EQ(GetDlgItem(control, 2), GetFocus());
    // The final check still applies.
    MessageBoxRecorder boxes;
    std::string text;
    EXPECT_FALSE(ControlOf(control)->GetAddressText(TRUE, text));
    EXPECT_EQ(1u, boxes.Count());
    DestroyWindow(dialog);
}

struct MoveOnCase {
    const char* name;
    int field;
    const char* text;
    char character;
    int expectedFocus;
};

class DotAndSpace : public IPAddrTest, public ::testing::WithParamInterface<MoveOnCase> {};

TEST_P(DotAndSpace, MoveOnFromANonEmptyFieldOnlyAndAreNeverInserted) {
    const MoveOnCase& c = GetParam();
    SetFields({"1", "2", "3", "4"});
    SetWindowTextA(Field(c.field), c.text);
    const Texts before = Fields();
    PutCaret(c.field, static_cast<int>(std::string(c.text).size()));
    TypeInFocus(std::string(1, c.character));
    EXPECT_EQ(c.expectedFocus, FocusedField());
    EXPECT_EQ(before, Fields());
    if (c.expectedFocus != c.field) {
        EXPECT_EQ(std::make_pair(0, 1), SelectionOf(Field(c.expectedFocus)));
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, DotAndSpace,
                         ::testing::Values(MoveOnCase{"DotInFilledField1", 1, "12", '.', 2},
                                           MoveOnCase{"SpaceInFilledField3", 3, "7", ' ', 4},
                                           MoveOnCase{"DotInEmptyField1", 1, "", '.', 1},
                                           MoveOnCase{"SpaceInEmptyField2", 2, "", ' ', 2},
                                           MoveOnCase{"DotInField4", 4, "12", '.', 4},
                                           MoveOnCase{"EnterDoesNothing", 2, "12", '\r', 2}),
                         CaseName<MoveOnCase>);

struct ArrowCase {
    const char* name;
    int field;
    const char* text;
    int caret;
    UINT key;
    int expectedFocus;
};

class Arrows : public IPAddrTest, public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(Arrows, CrossIntoTheNeighbourOnlyAtTheEdgesKeepingItsCaret) {
    const ArrowCase& c = GetParam();
    SetFields({"11", "22", "33", "44"});
    SetWindowTextA(Field(c.field), c.text);
    // Every other field keeps a caret of its own in the middle.
    for (int n = 1; n <= 4; ++n) {
        if (n != c.field)
            SendMessageA(Field(n), EM_SETSEL, 1, 1);
    }
    PutCaret(c.field, c.caret);
    PressKeyInFocus(c.key);
    EXPECT_EQ(c.expectedFocus, FocusedField());
    if (c.expectedFocus != c.field) {
        EXPECT_EQ(std::make_pair(1, 1), SelectionOf(Field(c.expectedFocus)));
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, Arrows,
                         ::testing::Values(ArrowCase{"RightAtEndOfField2", 2, "12", 2, VK_RIGHT, 3},
                                           ArrowCase{"RightInsideField2", 2, "12", 1, VK_RIGHT, 2},
                                           ArrowCase{"RightInEmptyField2", 2, "", 0, VK_RIGHT, 2},
                                           ArrowCase{"RightAtEndOfField4", 4, "12", 2, VK_RIGHT, 4},
                                           ArrowCase{"LeftAtStartOfField3", 3, "12", 0, VK_LEFT, 2},
                                           ArrowCase{"LeftInsideField3", 3, "12", 1, VK_LEFT, 3},
                                           ArrowCase{"LeftInEmptyField2", 2, "", 0, VK_LEFT, 1},
                                           ArrowCase{"LeftAtStartOfField1", 1, "12", 0, VK_LEFT,
                                                     1}),
                         CaseName<ArrowCase>);

class RefusedCharacter : public IPAddrTest, public ::testing::WithParamInterface<char> {};

TEST_P(RefusedCharacter, InsertsNothing) {
    SetFields({"12", "0", "0", "0"});
    PutCaret(1, 2);
    TypeInFocus(std::string(1, GetParam()));
    EXPECT_EQ("12", FieldText(1));
    EXPECT_EQ(1, FocusedField());
}

INSTANTIATE_TEST_SUITE_P(Keys, RefusedCharacter,
                         ::testing::Values('a', 'Z', '-', '+', '/', ':', ',', '\xE9', '\n'));

TEST_F(IPAddrTest, ADotOrSpaceRightAfterAFullFieldMovedOnIsIgnoredOnce) {
    struct Case {
        const char* typed;
        Texts fields;
    };
    const Case cases[] = {
        {"192.168 1.2", {"192", "168", "1", "2"}},
        {"192..7", {"192", "20", "7", "40"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        m_ctl->SetAddressText("10.20.30.40");
        SetFocus(GetDlgItem(m_dialog, kEditBeforeId));
        SetFocus(m_control);
        TypeInFocus(c.typed);
        EXPECT_EQ(c.fields, Fields());
    }
}

TEST_F(IPAddrTest, BackspaceDeletesAsInAnyEditBox) {
    SetFields({"125", "0", "0", "0"});
    PutCaret(1, 3);
    TypeInFocus("\b");
    EXPECT_EQ("12", FieldText(1));
    EXPECT_EQ(1, FocusedField());
    TypeInFocus("\b\b");
    EXPECT_EQ("", FieldText(1));
}

TEST_F(IPAddrTest, CopyFromAFullFieldCountsAsFull) {
    SetFields({"123", "4", "5", "6"});
    SetFocus(m_control);
    TypeInFocus("\x03"); // Ctrl+C
    EXPECT_EQ("123", FieldText(1));
    EXPECT_EQ(2, FocusedField());
}

TEST_F(IPAddrTest, TabAndShiftTabLeaveForTheParentsNeighbouringTabStops) {
    PutCaret(2, 0);
    TypeInFocus("\t");
    EXPECT_EQ(GetDlgItem(m_dialog, kButtonAfterId), GetFocus());

    PutCaret(3, 0);
    {
        HeldKey shift(VK_SHIFT);
        TypeInFocus("\t");
    }
    EXPECT_EQ(GetDlgItem(m_dialog, kEditBeforeId), GetFocus());
    EXPECT_EQ(Texts({"0", "0", "0", "0"}), Fields());
}

TEST_F(IPAddrTest, FocusOnTheControlLandsInField1WithItsTextSelected) {
    SetFields({"123", "4", "5", "6"});
    PutCaret(3, 0);
    SetFocus(GetDlgItem(m_dialog, kEditBeforeId));
    SetFocus(m_control);
    EXPECT_EQ(1, FocusedField());
    EXPECT_EQ(std::make_pair(0, 3), SelectionOf(Field(1)));
}

TEST_F(IPAddrTest, ReadOnlyRefusesTypingButStillMovesAndValidates) {
    EXPECT_EQ(1, SendMessageA(m_control, IPAC_SETREADONLY, TRUE, 0));
    for (int n = 1; n <= 4; ++n)
        EXPECT_TRUE(GetWindowLongA(Field(n), GWL_STYLE) & ES_READONLY) << "field " << n;
    SetFields({"1", "", "3", "4"});
    PutCaret(1, 1);
    TypeInFocus("5.");
    EXPECT_EQ("1", FieldText(1));
    EXPECT_EQ(2, FocusedField());

    MessageBoxRecorder boxes;
    std::string text = "old";
    EXPECT_FALSE(m_ctl->GetAddressText(TRUE, text));
    EXPECT_EQ(1u, boxes.Count());

    EXPECT_EQ(1, SendMessageA(m_control, IPAC_SETREADONLY, FALSE, 0));
    EXPECT_FALSE(GetWindowLongA(Field(1), GWL_STYLE) & ES_READONLY);
}

} // namespace
} // namespace test
