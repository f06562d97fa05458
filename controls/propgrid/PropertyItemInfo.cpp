#include "controls/propgrid/PropertyItemInfo.h"

LOGFONT DefaultPropertyFont() {
    LOGFONT font{};
    font.lfHeight = 80;
    font.lfWeight = FW_NORMAL;
    font.lfQuality = PROOF_QUALITY;
    lstrcpynA(font.lfFaceName, "Arial", LF_FACESIZE);
    return font;
}
