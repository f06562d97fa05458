#include "framework/DialogTemplate.h"

#include <cstring>

namespace fw {

namespace {
// Walks the variable-length parts of a template: WORD-aligned UTF-16 strings and ordinals.
class TemplateReader {
  public:
    TemplateReader(const BYTE* data, size_t size) : m_data(data), m_size(size) {}

    bool Skip(size_t bytes) {
        if (m_offset + bytes > m_size)
            return false;
        m_offset += bytes;
        return true;
    }
    bool ReadWord(WORD& value) {
        if (m_offset + sizeof value > m_size)
            return false;
        std::memcpy(&value, m_data + m_offset, sizeof value);
        m_offset += sizeof value;
        return true;
    }
    // A menu or class entry: 0 (none), 0xFFFF followed by an ordinal, or a string.
    bool SkipStringOrOrdinal() {
        WORD first = 0;
        if (!ReadWord(first))
            return false;
        if (first == 0)
            return true;
        if (first == 0xFFFF)
            return Skip(sizeof(WORD));
        m_offset -= sizeof(WORD);
        std::string ignored;
        return ReadString(ignored);
    }
    // A UTF-16 string, kept as ANSI text.
    bool ReadString(std::string& text) {
        std::wstring wide;
        for (WORD unit = 0; ReadWord(unit);) {
            if (unit == 0) {
                text = ToAnsi(wide);
                return true;
            }
            wide.push_back(static_cast<wchar_t>(unit));
        }
        return false;
    }

  private:
    static std::string ToAnsi(const std::wstring& wide) {
        if (wide.empty())
            return {};
        const int size = static_cast<int>(wide.size());
        const int length =
            WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
        std::string text(static_cast<size_t>(length > 0 ? length : 0), '\0');
        WideCharToMultiByte(CP_ACP, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
        return text;
    }

    const BYTE* m_data;
    size_t m_size;
    size_t m_offset = 0;
};

bool LocateTemplate(UINT templateId, const BYTE*& data, size_t& size) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource =
        FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    data = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    size = resource ? SizeofResource(module, resource) : 0;
    return data != nullptr;
}
} // namespace

bool ReadDialogTemplateFont(UINT templateId, DialogFont& font) {
    const BYTE* data = nullptr;
    size_t size = 0;
    if (!LocateTemplate(templateId, data, size))
        return false;
    TemplateReader reader(data, size);
    WORD version = 0, signature = 0;
    if (!reader.ReadWord(version) || !reader.ReadWord(signature))
        return false;
    const bool extended = version == 1 && signature == 0xFFFF;
    DWORD style = 0;
    if (extended) {
        // helpID, exStyle, then style
        if (!reader.Skip(2 * sizeof(DWORD)))
            return false;
        std::memcpy(&style, data + 12, sizeof style);
        reader.Skip(sizeof(DWORD));
    } else {
        std::memcpy(&style, data, sizeof style);
        reader.Skip(sizeof(DWORD)); // exStyle
    }
    // item count and x, y, cx, cy
    if (!reader.Skip(5 * sizeof(WORD)) || !reader.SkipStringOrOrdinal() ||
        !reader.SkipStringOrOrdinal())
        return false;
    std::string title;
    if (!reader.ReadString(title) || !(style & DS_SETFONT))
        return false;
    WORD pointSize = 0;
    if (!reader.ReadWord(pointSize))
        return false;
    if (extended && !reader.Skip(sizeof(WORD) + 2 * sizeof(BYTE))) // weight, italic, charset
        return false;
    font.pointSize = pointSize;
    return reader.ReadString(font.face);
}

} // namespace fw
