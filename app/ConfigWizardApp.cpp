#include "app/ConfigWizardApp.h"

#include <commctrl.h>

#include "config/ConfigStore.h"
#include "sheet/VPropertySheet.h"

ConfigWizardApp::ConfigWizardApp(const std::string& floppyPath) {
    if (m_runningCopy.OtherCopyRuns()) {
        m_runningCopy.ActivateOtherCopy();
        return;
    }
    m_storeOpen = OpenConfigStore(floppyPath) == 1;
}

ConfigWizardApp::~ConfigWizardApp() = default;

BOOL ConfigWizardApp::InitInstance() {
    if (!m_storeOpen)
        return FALSE;
    // The classic three-dimensional controls of comctl32.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    auto sheet = std::make_unique<CVPropertySheet>(m_config);
    m_sheet = sheet.get();
    m_pMainWnd = sheet.get();
    sheet->DoModal();
    m_pMainWnd = nullptr;
    m_sheet = nullptr;
    return FALSE;
}
