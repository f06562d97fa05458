#pragma once
// Reading a dialog template resource without creating the dialog.
#include <windows.h>

#include <string>

namespace fw {

struct DialogFont {
    std::string face;
    int pointSize = 0;
};

// The font a dialog template asks for (DS_SETFONT). False when the template is missing or
// names no font.
bool ReadDialogTemplateFont(UINT templateId, DialogFont& font);

} // namespace fw
