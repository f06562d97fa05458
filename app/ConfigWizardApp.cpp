#include "app/ConfigWizardApp.h"

#include <commctrl.h>

#include "config/ConfigStore.h"
#include "sheet/VPropertySheet.h"

ConfigWizardApp::ConfigWizardApp(const std::string& floppyPath) {
    OpenConfigStore(floppyPath);
}

ConfigWizardApp::~ConfigWizardApp() = default;

BOOL ConfigWizardApp::InitInstance() {
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
