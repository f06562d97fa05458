#include "support/DialogTemplateBuilder.h"

namespace test {

namespace {
constexpr size_t kItemCountWord = 4; // after style and extended style
constexpr WORD kFontPoints = 8;

void AppendDword(std::vector<WORD>& words, DWORD value) {
    words.push_back(LOWORD(value));
    words.push_back(HIWORD(value));
}
} // namespace

DialogTemplateBuilder::DialogTemplateBuilder(DWORD style, short width, short height,
                                             const std::string& title) {
    AppendDword(m_words, style | DS_SETFONT);
    AppendDword(m_words, 0);
    m_words.insert(m_words.end(), {0, 0, 0, static_cast<WORD>(width), static_cast<WORD>(height)});
    m_words.insert(m_words.end(), {0, 0}); // no menu, the default dialog class
    AppendText(title);
    m_words.push_back(kFontPoints);
    AppendText("MS Sans Serif");
}

DialogTemplateBuilder& DialogTemplateBuilder::Add(WORD id, const std::string& className,
                                                  const std::string& text, DWORD style, short x,
                                                  short y, short width, short height) {
    AlignToDword();
    AppendDword(m_words, style | WS_CHILD | WS_VISIBLE);
    AppendDword(m_words, 0);
    m_words.insert(m_words.end(), {static_cast<WORD>(x), static_cast<WORD>(y),
                                   static_cast<WORD>(width), static_cast<WORD>(height), id});
    AppendText(className);
    AppendText(text);
    m_words.push_back(0); // no creation data
    ++m_words[kItemCountWord];
    return *this;
}

const DLGTEMPLATE* DialogTemplateBuilder::Get() const {
    return reinterpret_cast<const DLGTEMPLATE*>(m_words.data());
}

void DialogTemplateBuilder::AppendText(const std::string& text) {
    const int length =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    m_words.insert(m_words.end(), wide.begin(), wide.end());
    m_words.push_back(0);
}

void DialogTemplateBuilder::AlignToDword() {
    if (m_words.size() % 2 != 0)
        m_words.push_back(0);
}

} // namespace test
