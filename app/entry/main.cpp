// Placeholder entry until the application object lands.
#include "framework/WinApp.h"

namespace {
class PlaceholderApp : public fw::CWinApp {
  public:
    BOOL InitInstance() override { return FALSE; }
};
PlaceholderApp theApp;
} // namespace
