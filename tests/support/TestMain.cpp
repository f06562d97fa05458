#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "support/MessageBoxRecorder.h"

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    testing::InitGoogleTest(&argc, argv);
    // A box nobody answers would hang a headless run.
    test::InstallUnexpectedBoxHook();
    return RUN_ALL_TESTS();
}
