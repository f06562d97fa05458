#pragma once
// The About box: product name, version and the application icon; OK or Escape closes it.
#include "framework/Dialog.h"
#include "resources/resource.h"

class AboutDialog : public fw::CDialog {
  public:
    // Modal to owner, which it disables while it is up.
    explicit AboutDialog(HWND owner) : fw::CDialog(IDD_ABOUT, owner) {}
    const char* GetRuntimeClassName() const override { return "AboutDialog"; }
};
