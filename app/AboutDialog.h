#pragma once
// The About box: product name, version and the application icon; OK or Escape closes it.
#include "framework/Dialog.h"
#include "resources/resource.h"

class AboutDialog : public fw::CDialog {
  public:
    // Modal to owner, which it disables while it is up.
    explicit AboutDialog(HWND owner) : fw::CDialog(IDD_ABOUT, owner) {}
    const char* GetRuntimeClassName() const override { return "AboutDialog"; }

  protected:
    // The box has no parent; it opens over the window it was asked from (the sheet) rather
    // than in the corner of the screen. Inline: the sheet's library opens the box.
    BOOL OnInitDialog() override {
        const BOOL result = fw::CDialog::OnInitDialog();
        HWND over = GetActiveWindow();
        if (over && over != m_hWnd) {
            const RECT box = GetWindowRect();
            RECT target{};
            ::GetWindowRect(over, &target);
            const int left = (target.left + target.right - (box.right - box.left)) / 2;
            const int top = (target.top + target.bottom - (box.bottom - box.top)) / 2;
            MoveWindow({left, top, left + box.right - box.left, top + box.bottom - box.top}, false);
        }
        return result;
    }
};
