#pragma once
// A small dialog holding an edit box, the IP address control (created by its class name) and a
// button, each a tab stop, with helpers that act as a person at the keyboard would: characters
// and key downs go to the window that has the focus.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "controls/ipaddr/IPAddrCtl.h"

namespace test {

constexpr WORD kEditBeforeId = 100;
constexpr WORD kAddressId = 101;
constexpr WORD kButtonAfterId = 102;
constexpr DWORD kTemplateAddressStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP;

// WM_COMMANDs a test dialog received (wParam, lParam).
struct CommandLog {
    std::vector<std::pair<WPARAM, LPARAM>> commands;
};

// Dialog procedure of the test dialogs: lParam of WM_INITDIALOG is the CommandLog (or null).
INT_PTR CALLBACK LoggingDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

// Holds a key down (VK_SHIFT, ...) in the thread's keyboard state while it lives.
class HeldKey {
  public:
    explicit HeldKey(BYTE key);
    ~HeldKey();
    HeldKey(const HeldKey&) = delete;
    HeldKey& operator=(const HeldKey&) = delete;

  private:
    BYTE m_saved[256] = {};
};

// A visible modeless dialog with an edit box, an "IPAddr" control of that style and a button
// (ids kEditBeforeId, kAddressId, kButtonAfterId), logging its commands into log.
HWND CreateAddressDialog(DWORD addressStyle, CommandLog* log);

// The control object attached to a window of class "IPAddr", or null.
CIPAddrCtl* ControlOf(HWND hwnd);

// Sends each character as WM_CHAR to the window that has the focus at that moment.
void TypeInFocus(const std::string& characters);
// A key stroke in the window that has the focus.
void PressKeyInFocus(UINT key);
// Start and end of an edit control's selection.
std::pair<int, int> SelectionOf(HWND edit);

// Test name of a table case: its member `name`.
template <class Case> std::string CaseName(const ::testing::TestParamInfo<Case>& param) {
    return param.param.name;
}

class IPAddrTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    HWND Field(int n) const;
    std::string FieldText(int n) const;
    // The four field texts.
    std::vector<std::string> Fields() const;
    // Puts these texts into the four fields (as pasting would: unfiltered).
    void SetFields(const std::vector<std::string>& texts) const;
    // Number of the field that has the focus, 0 when none has.
    int FocusedField() const;
    // Focuses field n and puts the caret at that position.
    void PutCaret(int n, int position) const;

    CommandLog m_log;
    HWND m_dialog = nullptr;
    HWND m_control = nullptr;
    CIPAddrCtl* m_ctl = nullptr;
};

} // namespace test
