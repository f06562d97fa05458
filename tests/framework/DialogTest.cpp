#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "framework/Dialog.h"
#include "framework/DialogTemplate.h"
#include "resources/resource.h"
#include "support/DialogTemplateBuilder.h"
#include "support/WindowDriver.h"

namespace {
constexpr int kTextEdit = 1001;
constexpr int kCheck = 1002;
constexpr int kCombo = 1003;
constexpr int kSecondEdit = 1004;
// What DoModal returns when a test script forgot to end the dialog.
constexpr INT_PTR kLeftOpen = 999;

test::DialogTemplateBuilder ExchangeTemplate() {
    test::DialogTemplateBuilder dialog(WS_POPUP | WS_CAPTION | DS_MODALFRAME, 200, 120, "Exchange");
    dialog.Add(kTextEdit, "EDIT", "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 10, 10, 100, 12)
        .Add(kCheck, "BUTTON", "Check", BS_AUTO3STATE | WS_TABSTOP, 10, 26, 100, 10)
        .Add(kCombo, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 10, 40, 100, 60)
        .Add(kSecondEdit, "EDIT", "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 10, 56, 100, 12)
        .Add(IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 10, 90, 50, 14)
        .Add(IDCANCEL, "BUTTON", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 70, 90, 50, 14);
    return dialog;
}

// A validating exchange routine of the kind pages write: it fails the pass when told to.
void DDX_Reject(fw::CDataExchange* pDX, int id, bool reject) {
    if (pDX->Failed())
        return;
    pDX->PrepareEditCtrl(id);
    if (pDX->SavingAndValidating() && reject)
        pDX->Fail();
}

// A dialog whose test script runs inside its modal loop once the dialog is on screen.
class ExchangeDialog : public fw::CDialog {
  public:
    using Script = std::function<void(ExchangeDialog&)>;

    ExchangeDialog() : fw::CDialog(0) {}

    std::string text;
    int check = 0;
    std::string choice;
    std::string second;
    bool rejectSecond = false;
    int initCalls = 0;

    INT_PTR Run(Script script) {
        m_script = std::move(script);
        const test::DialogTemplateBuilder dialogTemplate = ExchangeTemplate();
        return DoModalIndirect(dialogTemplate.Get());
    }
    HWND Item(int id) const { return GetDlgItem(id); }
    void Select(int index) const {
        ::SendMessageA(Item(kCombo), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }

  protected:
    BOOL OnInitDialog() override {
        ++initCalls;
        for (const char* item : {"Letter", "Legal", "A4"})
            ::SendMessageA(Item(kCombo), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        const BOOL result = fw::CDialog::OnInitDialog();
        test::RunFromMessageLoop([this] { RunScript(); }, [this] { return IsVisible(); });
        return result;
    }

    void DoDataExchange(fw::CDataExchange* pDX) override {
        fw::DDX_Text(pDX, kTextEdit, text);
        fw::DDX_Check(pDX, kCheck, check);
        DDX_Reject(pDX, kSecondEdit, rejectSecond);
        fw::DDX_Text(pDX, kSecondEdit, second);
        fw::DDX_CBString(pDX, kCombo, choice);
    }

  private:
    bool IsVisible() const { return m_hWnd && IsWindowVisible(m_hWnd); }
    void RunScript() {
        m_script(*this);
        if (IsVisible()) {
            ADD_FAILURE() << "the script left the dialog open";
            EndDialog(kLeftOpen);
        }
    }

    Script m_script;
};

std::string TextOf(const ExchangeDialog& dialog, int id) {
    return fw::GetWindowTextOf(dialog.Item(id));
}
} // namespace

TEST(CDialogModal, RunsFromATemplateInMemoryAndReturnsTheEndDialogValue) {
    ExchangeDialog dialog;
    const INT_PTR result = dialog.Run([](ExchangeDialog& d) {
        EXPECT_EQ(1, d.initCalls);
        EXPECT_EQ(&d, fw::CWnd::FromHandle(d.m_hWnd));
        EXPECT_EQ("Exchange", d.GetWindowText());
        d.EndDialog(1234);
    });
    EXPECT_EQ(1234, result);
    EXPECT_EQ(nullptr, dialog.m_hWnd); // detached when the dialog went
}

TEST(CDialogModal, AMissingTemplateReturnsMinusOne) {
    fw::CDialog missing(0xBEEF);
    EXPECT_EQ(-1, missing.DoModal());
}

TEST(CDialogModal, RunsFromAResourceTemplateAndItsOkButtonEndsIt) {
    fw::CDialog about(IDD_ABOUT);
    test::RunFromMessageLoop([&about] { EXPECT_TRUE(test::Click(about.GetDlgItem(IDOK))); },
                             [&about] { return about.m_hWnd && IsWindowVisible(about.m_hWnd); });
    EXPECT_EQ(IDOK, about.DoModal());
}

TEST(CDialogModal, OkStoresTheControlsAndCancelLeavesTheMembers) {
    struct Case {
        int button;
        const char* expectedText;
    };
    for (const Case& c : {Case{IDOK, "typed"}, Case{IDCANCEL, "initial"}}) {
        ExchangeDialog dialog;
        dialog.text = "initial";
        const INT_PTR result = dialog.Run([&c](ExchangeDialog& d) {
            EXPECT_EQ("initial", TextOf(d, kTextEdit)); // OnInitDialog showed the members
            SetWindowTextA(d.Item(kTextEdit), "typed");
            EXPECT_TRUE(test::Click(d.Item(c.button)));
        });
        EXPECT_EQ(c.button, result);
        EXPECT_EQ(c.expectedText, dialog.text) << "button " << c.button;
    }
}

TEST(CDialogModal, OkWithAFailingExchangeKeepsTheDialogOpen) {
    ExchangeDialog dialog;
    dialog.rejectSecond = true;
    const INT_PTR result = dialog.Run([](ExchangeDialog& d) {
        ASSERT_TRUE(test::Click(d.Item(IDOK)));
        EXPECT_TRUE(IsWindowVisible(d.m_hWnd));
        EXPECT_EQ(d.Item(kSecondEdit), GetFocus());
        d.rejectSecond = false;
        EXPECT_TRUE(test::Click(d.Item(IDOK)));
    });
    EXPECT_EQ(IDOK, result);
}

TEST(DataExchange, TextAndCheckGoBothWaysWhole) {
    const std::string longText(10000, 'a');
    const std::string otherLongText = std::string(9999, 'b') + "!";
    ExchangeDialog dialog;
    dialog.text = longText;
    dialog.check = 1;
    dialog.Run([&](ExchangeDialog& d) {
        EXPECT_EQ(longText, TextOf(d, kTextEdit));
        EXPECT_EQ(BST_CHECKED, SendMessageA(d.Item(kCheck), BM_GETCHECK, 0, 0));

        SetWindowTextA(d.Item(kTextEdit), otherLongText.c_str());
        for (int state : {BST_UNCHECKED, BST_INDETERMINATE, BST_CHECKED}) {
            SendMessageA(d.Item(kCheck), BM_SETCHECK, static_cast<WPARAM>(state), 0);
            EXPECT_TRUE(d.UpdateData(TRUE));
            EXPECT_EQ(state, d.check);
        }
        EXPECT_EQ(otherLongText, d.text);

        d.text.clear();
        d.check = BST_INDETERMINATE;
        EXPECT_TRUE(d.UpdateData(FALSE));
        EXPECT_EQ("", TextOf(d, kTextEdit));
        EXPECT_EQ(BST_INDETERMINATE, SendMessageA(d.Item(kCheck), BM_GETCHECK, 0, 0));
        d.EndDialog(IDOK);
    });
}

TEST(DataExchange, DropDownListSelectsTheFirstItemBeginningWithTheValueWithoutCase) {
    struct Case {
        const char* value;
        int selectedBefore;
        const char* selectedAfter;
    };
    const Case cases[] = {
        {"legal", -1, "Legal"},
        {"A4", 0, "A4"},
        {"le", 2, "Letter"},
        {"LEG", 0, "Legal"},
        {"Tabloid", 1, "Legal"}, // no item begins with it: the selection
                                 // stays
        {"Tabloid", -1, ""},     // and an empty selection stays empty
        {"Letters", 1, "Legal"}, // longer than every item
    };
    ExchangeDialog dialog;
    dialog.Run([&cases](ExchangeDialog& d) {
        for (const Case& c : cases) {
            d.Select(c.selectedBefore);
            d.choice = c.value;
            EXPECT_TRUE(d.UpdateData(FALSE));
            EXPECT_EQ(c.selectedAfter, TextOf(d, kCombo)) << "value " << c.value;
            // Storing reads the selected item, or an empty text when none is selected.
            d.choice = "stale";
            EXPECT_TRUE(d.UpdateData(TRUE));
            EXPECT_EQ(c.selectedAfter, d.choice) << "value " << c.value;
        }
        d.EndDialog(IDOK);
    });
}

TEST(DataExchange, AFailedPassFocusesTheControlSelectsItsTextAndSkipsLaterExchanges) {
    ExchangeDialog dialog;
    dialog.choice = "Letter";
    dialog.Run([](ExchangeDialog& d) {
        SetWindowTextA(d.Item(kTextEdit), "first");
        SetWindowTextA(d.Item(kSecondEdit), "bad value");
        d.Select(2);
        test::Focus(d.Item(kTextEdit));
        d.rejectSecond = true;

        EXPECT_FALSE(d.UpdateData(TRUE));
        EXPECT_EQ("first", d.text);    // exchanged before the failure
        EXPECT_EQ("", d.second);       // the failing control's own exchange was skipped
        EXPECT_EQ("Letter", d.choice); // so was every later one
        EXPECT_EQ(d.Item(kSecondEdit), GetFocus());
        DWORD start = 0, end = 0;
        SendMessageA(d.Item(kSecondEdit), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(0u, start);
        EXPECT_EQ(9u, end);

        // Showing never fails, and the next pass starts afresh.
        EXPECT_TRUE(d.UpdateData(FALSE));
        SetWindowTextA(d.Item(kSecondEdit), "good value");
        d.rejectSecond = false;
        EXPECT_TRUE(d.UpdateData(TRUE));
        EXPECT_EQ("good value", d.second);
        EXPECT_EQ("Letter", d.choice);
        d.EndDialog(IDOK);
    });
}

TEST(CDialogModal, RepeatedRunsLeakNoWindows) {
    const auto run = [] {
        ExchangeDialog dialog;
        dialog.Run([](ExchangeDialog& d) { d.EndDialog(IDOK); });
    };
    run();
    const std::vector<unsigned> before = test::NextWindowSlots();
    for (int i = 0; i < 10; ++i)
        run();
    EXPECT_EQ(before, test::NextWindowSlots());
}

TEST(DialogTemplateFont, IsReadFromTheProgramsTemplatesWithoutCreatingThem) {
    for (UINT id : {IDD_ABOUT, IDD_WELCOME}) {
        fw::DialogFont font;
        ASSERT_TRUE(fw::ReadDialogTemplateFont(id, font)) << "template " << id;
        EXPECT_EQ("MS Sans Serif", font.face) << "template " << id;
        EXPECT_EQ(8, font.pointSize) << "template " << id;
    }
    fw::DialogFont none;
    EXPECT_FALSE(fw::ReadDialogTemplateFont(0xBEEF, none));
    EXPECT_EQ("", none.face);
}
