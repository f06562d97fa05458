#pragma once
// PropertyItemInfo: the record through which an owner describes a property grid row.
#include <windows.h>

#include <string>
#include <vector>

#include "controls/propgrid/PropertyItemType.h"

struct PropertyItemInfo {
    std::string m_caption; // left column text; also the key of the by-caption operations
    int m_type = 0;        // a PropertyItemType code
    int m_data = 0;        // the owner's own value, carried with the row
    std::string m_text;    // PIT_TEXT, PIT_FILE, PIT_COMBO, PIT_IPADDRESS
    long m_long = 0;       // PIT_LONG
    int m_int = 0;         // PIT_INT
    std::vector<std::string> m_choices; // PIT_COMBO, in display order
    BOOL m_editable = FALSE;            // a PIT_COMBO row also accepts typed text
    std::string m_fileFilter;           // carried with the row, read by nothing
    BOOL m_openFile = FALSE;            // carried with the row, read by nothing
    BOOL m_bool = FALSE;                // PIT_TRUEFALSE, PIT_YESNO, PIT_ONOFF
    LOGFONT m_fontValue{};              // PIT_FONT
    COLORREF m_color = 0;               // PIT_COLOR
};

// 8-point "Arial" (lfHeight in tenths of a point), normal weight, proof quality: the font a
// row draws its caption in when no shared font is given, and the usual font value of a record.
LOGFONT DefaultPropertyFont();
