#pragma once
// A property sheet over comctl32's PropertySheet and its pages. The sheet window and every
// page window are attached to their objects, so their messages reach WindowProc.
#include "framework/Dialog.h"

#include <commctrl.h>

#include <vector>

namespace fw {

class CPropertySheet;

class CPropertyPage : public CDialog {
  public:
    explicit CPropertyPage(UINT templateId);

    const char* GetRuntimeClassName() const override { return "CPropertyPage"; }

    // The page description handed to PropertySheet; its dialog procedure attaches the page.
    PROPSHEETPAGEA m_psp{};
    CPropertySheet* GetSheet() const { return m_sheet; }

    // The page becomes active (PSN_SETACTIVE). The first activation leaves the controls as
    // OnInitDialog filled them; later ones refresh them from the members. Return FALSE to
    // refuse the activation.
    virtual BOOL OnSetActive();
    // The page is about to be left (PSN_KILLACTIVE): runs the validating exchange. Return
    // FALSE to keep the page.
    virtual BOOL OnKillActive();
    // Back or Next was pressed (PSN_WIZBACK, PSN_WIZNEXT). Return 0 to let the sheet step to
    // the neighbouring page, -1 to stay, or a dialog template id to go to that page.
    virtual LRESULT OnWizardBack() { return 0; }
    virtual LRESULT OnWizardNext() { return 0; }
    // Finish was pressed (PSN_WIZFINISH). Return TRUE to let the sheet close.
    virtual BOOL OnWizardFinish() { return TRUE; }
    // Cancel was pressed (PSN_QUERYCANCEL). Return TRUE to let the sheet close.
    virtual BOOL OnQueryCancel() { return TRUE; }
    // The sheet is closing without Finish (PSN_RESET).
    virtual void OnReset() {}

  protected:
    // A cancel command (IDCANCEL) that reaches the page itself. Pages do not end dialogs.
    void OnCancel() override {}
    void OnOK() override {}
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    friend class CPropertySheet;
    LRESULT OnSheetNotify(const NMHDR& header);
    static INT_PTR CALLBACK PageProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    CPropertySheet* m_sheet = nullptr;
    bool m_activatedBefore = false;
};

class CPropertySheet : public CWnd {
  public:
    // captionId: a string resource. The sheet starts on startPage.
    CPropertySheet(UINT captionId, HWND parent, UINT startPage);
    // Destroys a modeless sheet's window (with its pages' windows).
    ~CPropertySheet() override;

    const char* GetRuntimeClassName() const override { return "CPropertySheet"; }

    // PSH_ flags added to the sheet header (PSH_WIZARD, PSH_HASHELP, ...).
    DWORD m_dwFlags = 0;

    void AddPage(CPropertyPage* page);
    // Runs the sheet modally; returns PropertySheet's result.
    INT_PTR DoModal();
    // Creates the sheet modeless (for driving it from tests); returns its window, or null.
    // The window belongs to the object from then on.
    HWND Create(HWND parent = nullptr);
    // A modeless sheet that was finished or cancelled has no current page any more.
    bool IsClosed() const;

    BOOL SetActivePage(int index);
    int GetActiveIndex() const;
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const;
    CPropertyPage* GetActivePage() const { return GetPage(GetActiveIndex()); }

    // A help request of the sheet or one of its pages.
    virtual void WinHelp(DWORD_PTR data, UINT command);

  protected:
    // Builds the page descriptions handed to PropertySheet; runs before the sheet exists.
    virtual void BuildPropPageArray();
    // Runs once the sheet window and its first page exist (WM_INITDIALOG, after comctl32's
    // own handling). Return TRUE; the focus stays where comctl32 put it.
    virtual BOOL OnInitDialog() { return TRUE; }
    // WM_COMMAND of the sheet window. Return TRUE when handled; FALSE hands it to the base.
    virtual BOOL OnCommand(WPARAM, LPARAM) { return FALSE; }
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    const std::vector<PROPSHEETPAGEA>& PageDescriptions() const { return m_pageDescs; }

  private:
    // While the sheet window exists, F1 in any window of the sheet is a help request, as the
    // Help button is: the key, typed or posted, is taken from the thread's queue before any
    // control sees it, and WinHelp runs from the sheet's own message.
    class HelpKey {
      public:
        HelpKey() = default;
        ~HelpKey() { Remove(); }
        HelpKey(const HelpKey&) = delete;
        HelpKey& operator=(const HelpKey&) = delete;
        void Install(CPropertySheet& sheet);
        void Remove();

      private:
        static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
        HHOOK m_hook = nullptr;
        CPropertySheet* m_outerSheet = nullptr;
    };

    INT_PTR Run(DWORD extraFlags, HWND parent);

    std::string m_caption;
    HWND m_parent;
    UINT m_startPage;
    std::vector<CPropertyPage*> m_pages;
    std::vector<PROPSHEETPAGEA> m_pageDescs;
    HelpKey m_helpKey;
};

} // namespace fw
