// The program: the "IPAddr" window class is registered during static initialisation, before
// the application object opens the configuration store (in this order: same translation
// unit, definition order).
#include "app/ConfigWizardApp.h"
#include "config/ConfigStore.h"
#include "controls/ipaddr/IPAddrCtl.h"

namespace {
[[maybe_unused]] const bool g_ipAddrClassRegistered = RegisterIPAddrClass();
ConfigWizardApp theApp(kFloppyConfigPath);
} // namespace
