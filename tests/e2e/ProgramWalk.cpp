#include "ProgramWalk.h"

#include <iostream>

#include "DriverError.h"
#include "FloppyFile.h"

namespace e2e {

void ProgramWalk::SetUp() {
    m_floppy = std::make_unique<test::FloppyDrive>();
}

void ProgramWalk::TearDown() {
    if (HasFailure() && m_app)
        std::cout << "On screen when the walk failed:\n" << m_app->DescribeScreen() << std::endl;
    m_sheet.reset();
    m_app.reset();
}

void ProgramWalk::Start() {
    m_sheet.reset();
    m_app = std::make_unique<AppProcess>(VARDA_CONFIG_EXE);
    m_sheet = std::make_unique<WizardSheet>(*m_app);
}

void ProgramWalk::WaitForWelcomePage() {
    HWND page = Sheet().WaitForPage(kWelcomeTitle);
    WaitForFocus(ChildWithId(page, kWizardButton));
}

void ProgramWalk::StartAtWelcome(const std::string& floppyFile) {
    Floppy().WriteFile(kConfigFile, floppyFile);
    Start();
    WaitForWelcomePage();
}

void ProgramWalk::ExpectProgramEnds() {
    EXPECT_EQ(0u, App().WaitForExit());
}

} // namespace e2e
