#pragma once
// Hosts wizard pages as real windows in a modeless wizard sheet and drives them through the
// messages the configuration sheet and a person produce.
#include <windows.h>

#include <string>

#include "framework/PropertySheet.h"
#include "sheet/VPropertyPage.h"

namespace pagetest {

// Registers the "IPAddr" window class the address page's template names (once per process).
bool EnsureIPAddrClass();

class PageHost {
  public:
    // The sheet window, with the pages' windows, goes with the host.
    PageHost();
    PageHost(const PageHost&) = delete;
    PageHost& operator=(const PageHost&) = delete;

    // Pages must outlive the host; the first one added is shown first.
    void Add(CVPropertyPage& page) { m_sheet.AddPage(&page); }
    // Creates the sheet window; false when it could not be created.
    bool Open();

    // Makes page index active: the active page is left (PSN_KILLACTIVE) first and may refuse.
    void Show(int index);
    // Leaves the active page as the configuration sheet's Next does: the page stores its
    // values, then the target page is shown.
    void StoreAndShow(int index);
    // Presses Finish as a person would, once the sheet offers it as the closing page does;
    // returns whether it could be pressed.
    bool PressFinish();

    int ActiveIndex() const { return m_sheet.GetActiveIndex(); }
    bool IsClosed() const { return m_sheet.IsClosed(); }
    HWND Sheet() const { return m_sheet.m_hWnd; }

  private:
    fw::CPropertySheet m_sheet;
};

// What a person does to and sees in a page's controls (typing and clicking: WindowDriver.h).
// Replacing a whole text at once, as a paste over a selection does.
void ReplaceText(HWND control, const std::string& text);
std::string TextOf(HWND control);
bool IsTicked(HWND checkBox);
// The four field texts of an IP address control, joined by dots ("10.1.2.3").
std::string AddressFieldsOf(HWND control);
// Field n (1 to 4) of an IP address control.
HWND AddressField(HWND control, int n);
// The selected character range of an edit control, as "first-last".
std::string SelectionOf(HWND edit);

} // namespace pagetest
