#include "DialogTemplate.h"

namespace test {

namespace {
// Word offset of DLGTEMPLATE::cdit.
constexpr size_t kItemCountWord = 4;
} // namespace

DialogTemplate::DialogTemplate(DWORD style, short width, short height) {
    AddDword(style | DS_SETFONT);
    AddDword(0);          // extended style
    m_words.push_back(0); // item count, raised by AddControl
    for (short value : {short{0}, short{0}, width, height})
        m_words.push_back(static_cast<WORD>(value));
    m_words.push_back(0); // no menu
    m_words.push_back(0); // the dialog class
    AddString("");        // no title
    m_words.push_back(8); // point size
    AddString("MS Shell Dlg");
}

DialogTemplate& DialogTemplate::AddControl(const std::string& className, WORD id, DWORD style,
                                           short x, short y, short width, short height,
                                           const std::string& text) {
    AlignToDword();
    AddDword(style);
    AddDword(0); // extended style
    for (short value : {x, y, width, height})
        m_words.push_back(static_cast<WORD>(value));
    m_words.push_back(id);
    AddString(className);
    AddString(text);
    m_words.push_back(0); // no creation data
    ++m_words[kItemCountWord];
    return *this;
}

void DialogTemplate::AddDword(DWORD value) {
    m_words.push_back(LOWORD(value));
    m_words.push_back(HIWORD(value));
}

void DialogTemplate::AddString(const std::string& text) {
    for (char c : text)
        m_words.push_back(static_cast<WORD>(static_cast<unsigned char>(c)));
    m_words.push_back(0);
}

void DialogTemplate::AlignToDword() {
    if (m_words.size() % 2 != 0)
        m_words.push_back(0);
}

} // namespace test
