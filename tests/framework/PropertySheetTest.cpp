#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/PropertySheet.h"
#include "support/DialogTemplateBuilder.h"
#include "support/WindowDriver.h"

namespace {
constexpr int kPageEdit = 2001;
using Log = std::vector<std::string>;

test::DialogTemplateBuilder PageTemplate(const std::string& title) {
    test::DialogTemplateBuilder page(WS_CHILD | WS_DISABLED | WS_CAPTION, 200, 100, title);
    page.Add(kPageEdit, "EDIT", "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 10, 10, 120, 12);
    return page;
}

// A wizard page on a template in memory that logs every hook as "<name>:<hook>" and whose
// results the test sets.
class LoggedPage : public fw::CPropertyPage {
  public:
    LoggedPage(const std::string& name, Log& log)
        : fw::CPropertyPage(0), m_name(name), m_log(log), m_template(PageTemplate(name)) {
        m_psp.dwFlags |= PSP_DLGINDIRECT;
        m_psp.pResource = m_template.Get();
    }

    std::string value;   // exchanged with the edit box
    bool reject = false; // the validating exchange fails
    DWORD wizardButtons = PSWIZB_BACK | PSWIZB_NEXT;
    BOOL setActiveResult = TRUE;
    LRESULT nextResult = 0;
    LRESULT backResult = 0;
    BOOL finishResult = TRUE;
    BOOL queryCancelResult = TRUE;

    HWND Edit() const { return GetDlgItem(kPageEdit); }

    BOOL OnSetActive() override {
        Write("SetActive");
        GetSheet()->SendMessage(PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(wizardButtons));
        const BOOL accepted = fw::CPropertyPage::OnSetActive();
        return setActiveResult && accepted;
    }
    BOOL OnKillActive() override {
        Write("KillActive");
        return fw::CPropertyPage::OnKillActive();
    }
    LRESULT OnWizardNext() override {
        Write("WizardNext");
        return nextResult;
    }
    LRESULT OnWizardBack() override {
        Write("WizardBack");
        return backResult;
    }
    BOOL OnWizardFinish() override {
        Write("WizardFinish");
        return finishResult;
    }
    BOOL OnQueryCancel() override {
        Write("QueryCancel");
        return queryCancelResult;
    }
    void OnReset() override { Write("Reset"); }

  protected:
    BOOL OnInitDialog() override {
        Write("InitDialog");
        return fw::CPropertyPage::OnInitDialog();
    }
    void DoDataExchange(fw::CDataExchange* pDX) override {
        Write(pDX->SavingAndValidating() ? "Store" : "Show");
        if (pDX->SavingAndValidating() && reject) {
            pDX->PrepareEditCtrl(kPageEdit);
            pDX->Fail();
        }
        fw::DDX_Text(pDX, kPageEdit, value);
    }

  private:
    void Write(const char* hook) { m_log.push_back(m_name + ":" + hook); }

    std::string m_name;
    Log& m_log;
    test::DialogTemplateBuilder m_template;
};

// A wizard sheet that records what reaches it.
class LoggedSheet : public fw::CPropertySheet {
  public:
    explicit LoggedSheet(Log& log) : fw::CPropertySheet(0, nullptr, 0), m_log(log) {
        m_dwFlags = PSH_WIZARD | PSH_HASHELP;
    }

    std::function<void(LoggedSheet&)> onInit; // runs inside OnInitDialog
    int initCalls = 0;
    bool attachedAtInit = false;
    int activeAtInit = -2;
    bool activePageExistedAtInit = false;
    std::vector<WORD> commands;
    bool swallowCancel = false;

    void WinHelp(DWORD_PTR, UINT) override { m_log.push_back("Sheet:WinHelp"); }

  protected:
    BOOL OnInitDialog() override {
        ++initCalls;
        m_log.push_back("Sheet:InitDialog");
        attachedAtInit = m_hWnd && FromHandle(m_hWnd) == this;
        activeAtInit = GetActiveIndex();
        activePageExistedAtInit = GetActivePage() && GetActivePage()->m_hWnd;
        if (onInit)
            onInit(*this);
        return TRUE;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM) override {
        commands.push_back(LOWORD(wParam));
        return swallowCancel && LOWORD(wParam) == IDCANCEL;
    }

  private:
    Log& m_log;
};

class WizardSheet : public ::testing::Test {
  protected:
    WizardSheet() {
        for (const char* name : {"A", "B", "C"})
            pages.push_back(std::make_unique<LoggedPage>(name, log));
        pages.back()->wizardButtons = PSWIZB_BACK | PSWIZB_FINISH;
        for (auto& page : pages)
            sheet.AddPage(page.get());
    }
    ~WizardSheet() override {
        if (IsWindow(sheet.m_hWnd))
            ::DestroyWindow(sheet.m_hWnd);
    }

    // Creates the sheet modeless and returns what it logged on the way.
    Log Create() {
        hwnd = sheet.Create();
        EXPECT_NE(nullptr, hwnd);
        test::PumpMessages();
        return TakeLog();
    }
    Log TakeLog() { return std::exchange(log, {}); }
    bool Press(int psbtn) { return test::PressWizardButton(hwnd, psbtn); }
    LoggedPage& Page(int index) { return *pages[static_cast<size_t>(index)]; }
    // Sends a PSN_ notification to a page as if it came from the window from.
    LRESULT Notify(int page, UINT code, HWND from) {
        PSHNOTIFY notify{};
        notify.hdr.hwndFrom = from;
        notify.hdr.code = code;
        return ::SendMessageA(Page(page).m_hWnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify));
    }

    Log log;
    std::vector<std::unique_ptr<LoggedPage>> pages;
    LoggedSheet sheet{log};
    HWND hwnd = nullptr;
};
} // namespace

TEST_F(WizardSheet, OnInitDialogRunsOnceWithTheSheetAttachedAndItsFirstPageShown) {
    EXPECT_EQ(3, sheet.GetPageCount());
    EXPECT_EQ(0, sheet.GetActiveIndex());
    Page(0).value = "initial";
    EXPECT_EQ((Log{"A:InitDialog", "A:Show", "A:SetActive", "Sheet:InitDialog"}), Create());
    EXPECT_EQ(1, sheet.initCalls);
    EXPECT_TRUE(sheet.attachedAtInit);
    EXPECT_EQ(0, sheet.activeAtInit);
    EXPECT_TRUE(sheet.activePageExistedAtInit);
    EXPECT_EQ(hwnd, sheet.m_hWnd);
    EXPECT_EQ(&sheet, fw::CWnd::FromHandle(hwnd));
    EXPECT_EQ(&sheet, Page(0).GetSheet());
    EXPECT_EQ("initial", fw::GetWindowTextOf(Page(0).Edit()));
    EXPECT_FALSE(sheet.IsClosed());
}

TEST_F(WizardSheet, OnInitDialogCanVisitEveryPageAndComeBack) {
    sheet.onInit = [](LoggedSheet& s) {
        const int active = s.GetActiveIndex();
        for (int i = 0; i < s.GetPageCount(); ++i)
            EXPECT_TRUE(s.SetActivePage(i)) << "page " << i;
        s.SetActivePage(active);
    };
    const Log created = Create();
    EXPECT_EQ((Log{"A:InitDialog", "A:Show", "A:SetActive", "Sheet:InitDialog",
                   // comctl32 leaves and re-enters even the page that is already active
                   "A:KillActive", "A:Store", "A:SetActive", "A:Show",
                   // every other page is created on its first activation
                   "A:KillActive", "A:Store", "B:InitDialog", "B:Show", "B:SetActive",
                   "B:KillActive", "B:Store", "C:InitDialog", "C:Show", "C:SetActive",
                   "C:KillActive", "C:Store", "A:SetActive", "A:Show"}),
              created);
    EXPECT_EQ(0, sheet.GetActiveIndex());
    for (int i = 0; i < 3; ++i) {
        ASSERT_NE(nullptr, Page(i).m_hWnd) << "page " << i;
        EXPECT_EQ(i == 0, IsWindowVisible(Page(i).m_hWnd) != FALSE) << "page " << i;
    }
}

TEST_F(WizardSheet, NextAndBackRunTheHooksInOrderAndOnlyLaterActivationsRefresh) {
    Create();
    Page(0).value = "changed while shown"; // the first activation is over: not shown yet
    ASSERT_TRUE(Press(PSBTN_NEXT));
    EXPECT_EQ(
        (Log{"A:WizardNext", "A:KillActive", "A:Store", "B:InitDialog", "B:Show", "B:SetActive"}),
        TakeLog());
    EXPECT_EQ(1, sheet.GetActiveIndex());
    EXPECT_EQ("", Page(0).value); // stored from the edit box when A was left

    Page(0).value = "refreshed";
    ASSERT_TRUE(Press(PSBTN_BACK));
    EXPECT_EQ((Log{"B:WizardBack", "B:KillActive", "B:Store", "A:SetActive", "A:Show"}), TakeLog());
    EXPECT_EQ(0, sheet.GetActiveIndex());
    EXPECT_EQ("refreshed", fw::GetWindowTextOf(Page(0).Edit()));
}

TEST_F(WizardSheet, MinusOneFromNextOrBackKeepsThePage) {
    Create();
    Page(0).nextResult = -1;
    ASSERT_TRUE(Press(PSBTN_NEXT));
    EXPECT_EQ((Log{"A:WizardNext"}), TakeLog());
    EXPECT_EQ(0, sheet.GetActiveIndex());

    Page(0).nextResult = 0;
    ASSERT_TRUE(Press(PSBTN_NEXT));
    Page(1).backResult = -1;
    TakeLog();
    ASSERT_TRUE(Press(PSBTN_BACK));
    EXPECT_EQ((Log{"B:WizardBack"}), TakeLog());
    EXPECT_EQ(1, sheet.GetActiveIndex());
}

TEST_F(WizardSheet, AFailingExchangeOnKillActiveKeepsThePageWithTheFocusOnTheControl) {
    Create();
    SetWindowTextA(Page(0).Edit(), "invalid");
    Page(0).reject = true;
    ASSERT_TRUE(Press(PSBTN_NEXT));
    EXPECT_EQ((Log{"A:WizardNext", "A:KillActive", "A:Store"}), TakeLog());
    EXPECT_EQ(0, sheet.GetActiveIndex());
    EXPECT_EQ(Page(0).Edit(), GetFocus());
    DWORD start = 1, end = 0;
    SendMessageA(Page(0).Edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(0u, start);
    EXPECT_EQ(7u, end);

    Page(0).reject = false;
    ASSERT_TRUE(Press(PSBTN_NEXT));
    EXPECT_EQ(1, sheet.GetActiveIndex());
    EXPECT_EQ("invalid", Page(0).value);
}

TEST_F(WizardSheet, FinishClosesTheSheetOnlyWhenOnWizardFinishAllowsIt) {
    Create();
    ASSERT_TRUE(Press(PSBTN_NEXT));
    ASSERT_TRUE(Press(PSBTN_NEXT));
    ASSERT_EQ(2, sheet.GetActiveIndex());
    EXPECT_FALSE(test::IsUsable(test::WizardButton(hwnd, PSBTN_NEXT)));
    TakeLog();

    Page(2).finishResult = FALSE;
    ASSERT_TRUE(Press(PSBTN_FINISH));
    EXPECT_EQ((Log{"C:WizardFinish"}), TakeLog());
    EXPECT_FALSE(sheet.IsClosed());
    EXPECT_EQ(2, sheet.GetActiveIndex());

    Page(2).finishResult = TRUE;
    ASSERT_TRUE(Press(PSBTN_FINISH));
    EXPECT_EQ((Log{"C:WizardFinish"}), TakeLog());
    EXPECT_TRUE(sheet.IsClosed());
}

TEST_F(WizardSheet, CancelAsksTheActivePageThenResetsEveryCreatedPageAndCloses) {
    Create();
    ASSERT_TRUE(Press(PSBTN_NEXT));
    TakeLog();
    Page(1).queryCancelResult = FALSE;
    ASSERT_TRUE(Press(PSBTN_CANCEL));
    EXPECT_EQ((Log{"B:QueryCancel"}), TakeLog());
    EXPECT_FALSE(sheet.IsClosed());

    Page(1).queryCancelResult = TRUE;
    ASSERT_TRUE(Press(PSBTN_CANCEL));
    EXPECT_EQ((Log{"B:QueryCancel", "A:Reset", "B:Reset"}), TakeLog());
    EXPECT_TRUE(sheet.IsClosed());
}

TEST_F(WizardSheet, HelpReachesTheSheetsWinHelpAndCommandsItsOnCommand) {
    Create();
    ASSERT_TRUE(Press(PSBTN_HELP));
    EXPECT_EQ((Log{"Sheet:WinHelp"}), TakeLog());

    // A click sends the sheet WM_COMMAND: OnCommand sees it first, then comctl32 acts on it.
    ASSERT_TRUE(test::Click(test::WizardButton(hwnd, PSBTN_HELP)));
    EXPECT_EQ((Log{"Sheet:WinHelp"}), TakeLog());
    sheet.swallowCancel = true;
    ASSERT_TRUE(test::Click(test::WizardButton(hwnd, PSBTN_CANCEL)));
    EXPECT_EQ((std::vector<WORD>{IDHELP, IDCANCEL}), sheet.commands);
    EXPECT_FALSE(sheet.IsClosed()); // OnCommand handled it
    EXPECT_EQ(Log{}, TakeLog());
}

TEST_F(WizardSheet, PageHooksAnswerTheSheetWithTheirResults) {
    Create();
    struct Case {
        const char* name;
        std::function<void(LoggedPage&)> set;
        UINT code;
        LRESULT expected;
    };
    const Case cases[] = {
        {"next stays", [](LoggedPage& p) { p.nextResult = -1; }, PSN_WIZNEXT, -1},
        {"next steps", [](LoggedPage& p) { p.nextResult = 0; }, PSN_WIZNEXT, 0},
        {"next jumps", [](LoggedPage& p) { p.nextResult = 555; }, PSN_WIZNEXT, 555},
        {"back stays", [](LoggedPage& p) { p.backResult = -1; }, PSN_WIZBACK, -1},
        {"finish refused", [](LoggedPage& p) { p.finishResult = FALSE; }, PSN_WIZFINISH, TRUE},
        {"finish allowed", [](LoggedPage& p) { p.finishResult = TRUE; }, PSN_WIZFINISH, FALSE},
        {"leave refused", [](LoggedPage& p) { p.reject = true; }, PSN_KILLACTIVE, TRUE},
        {"leave allowed", [](LoggedPage& p) { p.reject = false; }, PSN_KILLACTIVE, FALSE},
        {"cancel refused", [](LoggedPage& p) { p.queryCancelResult = FALSE; }, PSN_QUERYCANCEL,
         TRUE},
        {"cancel allowed", [](LoggedPage& p) { p.queryCancelResult = TRUE; }, PSN_QUERYCANCEL,
         FALSE},
        {"activation refused", [](LoggedPage& p) { p.setActiveResult = FALSE; }, PSN_SETACTIVE, -1},
        {"activation allowed", [](LoggedPage& p) { p.setActiveResult = TRUE; }, PSN_SETACTIVE, 0},
    };
    for (const Case& c : cases) {
        c.set(Page(0));
        EXPECT_EQ(c.expected, Notify(0, c.code, hwnd)) << c.name;
    }
}

TEST_F(WizardSheet, NotificationsFromAnyOtherWindowAreIgnored) {
    Create();
    Page(0).finishResult = FALSE;
    for (UINT code : {UINT{PSN_WIZNEXT}, UINT{PSN_WIZBACK}, UINT{PSN_WIZFINISH},
                      UINT{PSN_KILLACTIVE}, UINT{PSN_SETACTIVE}, UINT{PSN_HELP}}) {
        Notify(0, code, Page(0).Edit());
        Notify(0, code, nullptr);
    }
    EXPECT_EQ(Log{}, TakeLog());
    EXPECT_EQ(TRUE, Notify(0, PSN_WIZFINISH, hwnd)); // the same from the sheet is heard
    EXPECT_EQ((Log{"A:WizardFinish"}), TakeLog());
}

TEST_F(WizardSheet, NoButtonIsPressedWhileDisabledOrHidden) {
    Create();
    Page(0).wizardButtons = 0;
    Page(1).wizardButtons = PSWIZB_BACK; // Next disabled
    SendMessageA(hwnd, PSM_SETWIZBUTTONS, 0, 0);
    EXPECT_FALSE(Press(PSBTN_NEXT));
    EXPECT_FALSE(Press(PSBTN_BACK));
    EXPECT_FALSE(Press(PSBTN_FINISH)); // hidden until a page asks for it
    EXPECT_EQ(Log{}, TakeLog());
    EXPECT_EQ(0, sheet.GetActiveIndex());
}

TEST_F(WizardSheet, AModalRunEndsOnAPostedCancel) {
    test::RunFromMessageLoop(
        [this] { EXPECT_TRUE(test::PressWizardButton(sheet.m_hWnd, PSBTN_CANCEL)); },
        [this] { return test::IsUsable(test::WizardButton(sheet.m_hWnd, PSBTN_CANCEL)); });
    sheet.DoModal();
    EXPECT_EQ(1, sheet.initCalls);
    EXPECT_EQ((Log{"A:InitDialog", "A:Show", "A:SetActive", "Sheet:InitDialog", "A:QueryCancel",
                   "A:Reset"}),
              TakeLog());
    EXPECT_EQ(nullptr, sheet.m_hWnd);
    EXPECT_EQ(nullptr, Page(0).m_hWnd);
}

TEST_F(WizardSheet, AModalRunWalksToFinish) {
    test::RunFromMessageLoop(
        [this] {
            EXPECT_TRUE(test::PressWizardButton(sheet.m_hWnd, PSBTN_NEXT));
            EXPECT_TRUE(test::PressWizardButton(sheet.m_hWnd, PSBTN_NEXT));
            EXPECT_TRUE(test::PressWizardButton(sheet.m_hWnd, PSBTN_FINISH));
        },
        [this] { return test::IsUsable(test::WizardButton(sheet.m_hWnd, PSBTN_NEXT)); });
    EXPECT_GT(sheet.DoModal(), 0);
    EXPECT_EQ("C:WizardFinish", log.back());
    EXPECT_EQ(nullptr, sheet.m_hWnd);
}

TEST(PropertySheetLifetime, AModelessSheetGoesWithItsObject) {
    Log log;
    HWND sheetWindow = nullptr;
    HWND pageWindow = nullptr;
    {
        LoggedPage page("A", log);
        LoggedSheet sheet(log);
        sheet.AddPage(&page);
        sheetWindow = sheet.Create();
        ASSERT_NE(nullptr, sheetWindow);
        pageWindow = page.m_hWnd;
    }
    EXPECT_FALSE(IsWindow(sheetWindow));
    EXPECT_FALSE(IsWindow(pageWindow));
}

TEST(PropertySheetLifetime, RepeatedSheetsLeakNoWindows) {
    const auto cycle = [] {
        Log log;
        LoggedPage first("A", log), second("B", log);
        LoggedSheet sheet(log);
        sheet.AddPage(&first);
        sheet.AddPage(&second);
        ASSERT_NE(nullptr, sheet.Create());
        test::PumpMessages();
        EXPECT_TRUE(test::PressWizardButton(sheet.m_hWnd, PSBTN_NEXT));
    };
    cycle();
    const std::vector<unsigned> before = test::NextWindowSlots();
    for (int i = 0; i < 10; ++i)
        cycle();
    EXPECT_EQ(before, test::NextWindowSlots());
}
