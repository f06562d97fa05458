#pragma once
// The About box: product name, version and the application icon; OK or Escape closes it.
#include "framework/Dialog.h"
#include "resources/resource.h"

class AboutDialog : public fw::CDialog {
  public:
    AboutDialog() : fw::CDialog(IDD_ABOUT) {}
    const char* GetRuntimeClassName() const override { return "AboutDialog"; }
};
