#pragma once
// A walk of the real program: drive A: mapped to an empty floppy folder of the walk's own, the
// program started as its own process and driven through its windows. When a walk fails, what was on
// screen goes into the test's output and the program is ended.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "AppProcess.h"
#include "support/FloppyDrive.h"
#include "WizardSheet.h"

namespace e2e {

// The welcome page and its two mode buttons.
inline const std::string kWelcomeTitle = "Tessel Varda Configuration Wizard";
constexpr int kWizardButton = 11004;
constexpr int kEditorButton = 11003;

class ProgramWalk : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    test::FloppyDrive& Floppy() { return *m_floppy; }
    AppProcess& App() { return *m_app; }
    WizardSheet& Sheet() { return *m_sheet; }

    // Starts VardaConfig.exe.
    void Start();
    // Waits for the welcome page with the focus on "Configuration &Wizard".
    void WaitForWelcomePage();
    // Writes floppyFile as dp.ini, starts the program and waits for the welcome page.
    void StartAtWelcome(const std::string& floppyFile);
    // Waits until the program has ended by itself with exit code 0.
    void ExpectProgramEnds();

  private:
    std::unique_ptr<test::FloppyDrive> m_floppy;
    std::unique_ptr<AppProcess> m_app;
    std::unique_ptr<WizardSheet> m_sheet;
};

} // namespace e2e
