#include "ResourceSupport.h"

namespace test {

namespace {

// Walks the template's words; any read past the end marks the whole read as failed.
class TemplateReader {
  public:
    explicit TemplateReader(ResourceBytes bytes) : m_bytes(bytes) {}

    bool Failed() const { return m_failed; }

    WORD Word() {
        WORD value = 0;
        Read(&value, sizeof value);
        return value;
    }
    DWORD Dword() {
        DWORD value = 0;
        Read(&value, sizeof value);
        return value;
    }
    short Short() { return static_cast<short>(Word()); }
    BYTE Byte() {
        BYTE value = 0;
        Read(&value, sizeof value);
        return value;
    }
    void Skip(size_t count) {
        if (!Fits(count))
            return;
        m_offset += count;
    }
    void AlignToDword() { Skip((4 - m_offset % 4) % 4); }

    // A zero-terminated UTF-16 text.
    std::string Text() {
        std::wstring wide;
        for (WORD ch = Word(); ch != 0 && !m_failed; ch = Word())
            wide.push_back(static_cast<wchar_t>(ch));
        return Narrow(wide);
    }
    // Empty, an ordinal (0xFFFF then the number) or a text.
    std::string TextOrOrdinal() {
        const WORD first = PeekWord();
        if (first == 0xFFFF) {
            Word();
            return "#" + std::to_string(Word());
        }
        return Text();
    }

  private:
    static std::string Narrow(const std::wstring& wide) {
        const int length = static_cast<int>(wide.size());
        const int size =
            WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
        std::string text(static_cast<size_t>(size), '\0');
        WideCharToMultiByte(CP_ACP, 0, wide.data(), length, text.data(), size, nullptr, nullptr);
        return text;
    }
    bool Fits(size_t count) {
        if (m_offset + count > m_bytes.size)
            m_failed = true;
        return !m_failed;
    }
    void Read(void* out, size_t count) {
        if (!Fits(count))
            return;
        CopyMemory(out, m_bytes.data + m_offset, count);
        m_offset += count;
    }
    WORD PeekWord() {
        const size_t at = m_offset;
        const WORD value = Word();
        m_offset = at;
        return value;
    }

    ResourceBytes m_bytes;
    size_t m_offset = 0;
    bool m_failed = false;
};

// The built-in classes by their usual names, whether the template gives an ordinal or (as
// windres does for CONTROL statements) a name in capitals.
std::string BuiltInClassName(const std::string& className) {
    static const char* const names[] = {"Button",  "Edit",      "Static",
                                        "ListBox", "ScrollBar", "ComboBox"};
    for (int i = 0; i < 6; ++i) {
        if (className == "#" + std::to_string(0x80 + i) ||
            lstrcmpiA(className.c_str(), names[i]) == 0)
            return names[i];
    }
    return className;
}

DialogItem ReadItem(TemplateReader& in) {
    DialogItem item{};
    in.AlignToDword();
    in.Dword(); // help id
    in.Dword(); // extended style
    item.style = in.Dword();
    item.x = in.Short();
    item.y = in.Short();
    item.cx = in.Short();
    item.cy = in.Short();
    item.id = in.Dword();
    item.className = BuiltInClassName(in.TextOrOrdinal());
    item.text = in.TextOrOrdinal();
    in.Skip(in.Word()); // creation data
    return item;
}

} // namespace

const DialogItem* DialogTemplate::Find(DWORD id) const {
    for (const DialogItem& item : items) {
        if (item.id == id)
            return &item;
    }
    return nullptr;
}

ResourceBytes FindResourceBytes(LPCSTR name, LPCSTR type) {
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC found = FindResourceA(module, name, type);
    if (!found)
        return {};
    const HGLOBAL loaded = LoadResource(module, found);
    return {static_cast<const BYTE*>(LockResource(loaded)), SizeofResource(module, found)};
}

std::string ModulePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

namespace {
INT_PTR CALLBACK NoHandlers(HWND, UINT msg, WPARAM, LPARAM) {
    return msg == WM_INITDIALOG;
}
} // namespace

DialogHost::DialogHost()
    : m_host(CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr,
                             nullptr)) {}

Window DialogHost::Create(UINT templateId) const {
    return Window(CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId),
                                     m_host.get(), NoHandlers, 0));
}

std::optional<DialogTemplate> LoadDialogTemplate(UINT id) {
    const ResourceBytes bytes = FindResourceBytes(MAKEINTRESOURCEA(id), RT_DIALOG);
    TemplateReader in(bytes);
    if (in.Word() != 1 || in.Word() != 0xFFFF) // version 1, extended signature
        return std::nullopt;
    DialogTemplate dialog{};
    in.Dword(); // help id
    dialog.exStyle = in.Dword();
    dialog.style = in.Dword();
    const WORD itemCount = in.Word();
    in.Short(); // x
    in.Short(); // y
    dialog.cx = in.Short();
    dialog.cy = in.Short();
    in.TextOrOrdinal(); // menu
    in.TextOrOrdinal(); // window class
    dialog.caption = in.Text();
    if (dialog.style & DS_SETFONT) {
        dialog.pointSize = in.Word();
        in.Word(); // weight
        in.Byte(); // italic
        in.Byte(); // character set
        dialog.fontFace = in.Text();
    }
    for (WORD i = 0; i < itemCount && !in.Failed(); ++i)
        dialog.items.push_back(ReadItem(in));
    if (in.Failed())
        return std::nullopt;
    return dialog;
}

} // namespace test
