#pragma once
// Type codes of a property grid row: what the row holds, shows and edits. Codes 8 and 9 are
// unassigned; a row with an unassigned code shows an empty value box and ignores clicks.

enum PropertyItemType : int {
    PIT_TEXT = 1,       // m_text, edited in an edit box
    PIT_INT = 2,        // m_int, edited as decimal text
    PIT_LONG = 3,       // m_long, edited as decimal text
    PIT_FONT = 4,       // m_fontValue, shows the face name; no editor
    PIT_COLOR = 5,      // m_color, fills the value box; no editor
    PIT_FILE = 6,       // m_text, edited as text
    PIT_COMBO = 7,      // m_text chosen from m_choices (typed too when m_editable)
    PIT_TRUEFALSE = 10, // m_bool as "True"/"False", toggled by a click
    PIT_YESNO = 11,     // m_bool as "Yes"/"No", toggled by a click
    PIT_ONOFF = 12,     // m_bool as "On"/"Off", toggled by a click
    PIT_IPADDRESS = 13, // m_text as a dotted address, edited in an IP address control
};
