#pragma once
// ConfigWizardApp: the program's application object. It owns the configuration record for the
// whole run, opens the configuration store before any window exists, and runs the one
// property sheet modally; when the sheet closes, the program ends.
#include <memory>

#include "app/RunningCopy.h"
#include "config/ServerConfig.h"
#include "framework/WinApp.h"

class CVPropertySheet;

class ConfigWizardApp : public fw::CWinApp {
  public:
    // Opens the store on the floppy file: its start-up boxes appear here, before any window.
    // When another copy of the program runs, brings that copy to the front instead and leaves
    // the store closed.
    explicit ConfigWizardApp(const std::string& floppyPath);
    ~ConfigWizardApp() override;

    // Runs the sheet, unless the store could not be opened, and returns FALSE, so the program
    // ends without a message loop.
    BOOL InitInstance() override;

    // The sheet while it runs; null before and after.
    CVPropertySheet* m_sheet = nullptr;
    ServerConfig m_config;

  private:
    RunningCopy m_runningCopy;
    bool m_storeOpen = false;
};
