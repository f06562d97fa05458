#include "pages/StaticTextDialog.h"

#include "config/ConfigStore.h"
#include "resources/resource.h"

StaticTextDialog::StaticTextDialog(int) : CVPropertyPage(IDD_CLOSING) {}

BOOL StaticTextDialog::OnWizardFinish() {
    return SaveConfiguration(*m_config) ? TRUE : FALSE;
}
