#include "RemoteWindows.h"

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <vector>

#include "DriverError.h"

namespace e2e {

namespace {

constexpr UINT kReplyTimeoutMs = 5000;
constexpr UINT kQuickReplyTimeoutMs = 300;
constexpr int kIpFields = 4;

void Post(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!PostMessageA(window, msg, wParam, lParam))
        throw DriverError("cannot post to window " + fw::GetClassNameOf(window));
}

LPARAM PointParam(POINT point) {
    return MAKELPARAM(point.x, point.y);
}

std::string Describe(HWND window) {
    return fw::GetClassNameOf(window) + " \"" + TextOrCaption(window) + "\" (id " +
           std::to_string(GetDlgCtrlID(window)) + ")";
}

std::vector<std::string> SplitAddress(const std::string& dotted) {
    std::vector<std::string> parts(1);
    for (char c : dotted) {
        if (c == '.')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    if (parts.size() != kIpFields)
        throw DriverError("not a dotted address: " + dotted);
    return parts;
}

// Asked in UTF-16: Wine hands a Unicode combo box's items to another process's ANSI request
// without converting them.
std::string ComboItem(HWND comboBox, int index) {
    const LRESULT length = Ask(comboBox, CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    std::wstring wide(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(comboBox, CB_GETLBTEXT, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(&wide[0]), SMTO_ABORTIFHUNG, kReplyTimeoutMs,
                             &copied))
        throw DriverError("no answer from a list to CB_GETLBTEXT");
    wide.resize(std::min<size_t>(wcslen(wide.c_str()), wide.size()));
    const int size = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(std::max(size, 0)), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), text.data(), size,
                        nullptr, nullptr);
    return text;
}

int ComboIndexOf(HWND comboBox, const std::string& item) {
    const auto count = static_cast<int>(Ask(comboBox, CB_GETCOUNT));
    std::string items;
    for (int i = 0; i < count; ++i) {
        if (ComboItem(comboBox, i) == item)
            return i;
        items += " \"" + ComboItem(comboBox, i) + "\"";
    }
    throw DriverError("the list " + Describe(comboBox) + " offers no item \"" + item +
                      "\"; its items:" + (items.empty() ? " none" : items));
}

} // namespace

LRESULT Ask(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, msg, wParam, lParam, SMTO_ABORTIFHUNG, kReplyTimeoutMs,
                             &result))
        throw DriverError("no answer from window " + fw::GetClassNameOf(window) + " to message " +
                          std::to_string(msg));
    return static_cast<LRESULT>(result);
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs)
            return condition();
        Sleep(1);
    }
    return true;
}

bool Answers(HWND window) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kQuickReplyTimeoutMs,
                               &result) != 0;
}

std::string CaptionOf(HWND window) {
    // GetWindowTextLength would ask the window; GetWindowText of another process's window
    // does not, so the buffer grows until the caption fits.
    std::vector<char> buffer(256);
    for (;;) {
        const int copied = GetWindowTextA(window, buffer.data(), static_cast<int>(buffer.size()));
        if (copied < static_cast<int>(buffer.size()) - 1)
            return std::string(buffer.data(), static_cast<size_t>(std::max(copied, 0)));
        buffer.resize(buffer.size() * 2);
    }
}

std::string TextOrCaption(HWND window) {
    return Answers(window) ? TextOf(window) : CaptionOf(window);
}

std::string TextOf(HWND window) {
    const LRESULT length = Ask(window, WM_GETTEXTLENGTH);
    std::string text(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, '\0');
    const LRESULT copied = Ask(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(std::max<LRESULT>(copied, 0)));
    return text;
}

std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

HWND ChildWithId(HWND parent, int id) {
    HWND child = GetDlgItem(parent, id);
    if (!child)
        throw DriverError(Describe(parent) + " has no control " + std::to_string(id));
    return child;
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

void WaitForFocus(HWND window) {
    // A window that is gone (its program ended) will not get the focus any more.
    if (!WaitUntil([&] { return FocusOf(window) == window || !IsWindow(window); }) ||
        !IsWindow(window)) {
        HWND focus = FocusOf(window);
        throw DriverError("the focus did not reach " + Describe(window) + "; it is on " +
                          (focus ? Describe(focus) : std::string("nothing")));
    }
}

bool IsUsable(HWND control) {
    return control && IsWindowVisible(control) && IsWindowEnabled(control);
}

void Click(HWND button) {
    if (!IsUsable(button))
        throw DriverError("cannot click " + Describe(button) + ": hidden or disabled");
    Post(button, BM_CLICK, 0, 0);
}

void ClickAt(HWND window, POINT point) {
    Post(window, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(point));
    Post(window, WM_LBUTTONUP, 0, PointParam(point));
}

void TypeChars(HWND window, const std::string& text) {
    for (char c : text)
        Post(window, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void PressKey(HWND window, UINT virtualKey) {
    Post(window, WM_KEYDOWN, virtualKey, 1);
    Post(window, WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001u));
}

namespace {

INPUT KeyInput(UINT virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(virtualKey);
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

void SendKeys(HWND window, const std::vector<INPUT>& inputs) {
    HWND front = GetAncestor(window, GA_ROOT);
    if (!SetForegroundWindow(front) || !WaitUntil([&] { return GetForegroundWindow() == front; }))
        throw DriverError("cannot bring " + Describe(front) + " to the front for the keyboard");
    std::vector<INPUT> queued = inputs;
    if (SendInput(static_cast<UINT>(queued.size()), queued.data(), sizeof(INPUT)) != queued.size())
        throw DriverError("the system took not all keys for " + Describe(front));
}

} // namespace

void PressKeys(HWND window, const std::vector<UINT>& virtualKeys) {
    std::vector<INPUT> inputs;
    for (UINT key : virtualKeys) {
        inputs.push_back(KeyInput(key, false));
        inputs.push_back(KeyInput(key, true));
    }
    SendKeys(window, inputs);
}

void PressChord(HWND window, UINT modifier, UINT virtualKey) {
    // Let go in a quick hand's order, the modifier first: the key's release then no longer
    // reaches the window with the modifier, as a held chord's would.
    SendKeys(window, {KeyInput(modifier, false), KeyInput(virtualKey, false),
                      KeyInput(modifier, true), KeyInput(virtualKey, true)});
}

void TypeOnKeyboard(HWND window, const std::string& text) {
    std::vector<INPUT> inputs;
    for (char c : text) {
        const SHORT scan = VkKeyScanA(c);
        if (scan == -1)
            throw DriverError(std::string("no key types '") + c + "'");
        const bool shift = (HIBYTE(scan) & 1) != 0;
        if (shift)
            inputs.push_back(KeyInput(VK_SHIFT, false));
        inputs.push_back(KeyInput(LOBYTE(scan), false));
        inputs.push_back(KeyInput(LOBYTE(scan), true));
        if (shift)
            inputs.push_back(KeyInput(VK_SHIFT, true));
    }
    SendKeys(window, inputs);
}

void TabTo(HWND window) {
    for (int i = 0; i < 12 && FocusOf(window) != window; ++i) {
        const HWND before = FocusOf(window);
        PressKeys(window, {VK_TAB});
        WaitUntil([&] { return FocusOf(window) != before; }, 2000);
    }
    WaitForFocus(window);
}

void TurnWheel(HWND window, int notches) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    Post(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(notches * WHEEL_DELTA)),
         PointParam(centre));
}

void ReplaceText(HWND edit, const std::string& text) {
    ClickAt(edit, {2, 2});
    WaitForFocus(edit);
    PressKey(edit, VK_END);
    TypeChars(edit, std::string(TextOf(edit).size(), '\b') + text);
    if (!WaitUntil([&] { return TextOf(edit) == text; }))
        throw DriverError("typed \"" + text + "\" but the box shows " + Describe(edit));
}

void ChooseListItem(HWND comboBox, const std::string& item) {
    const int target = ComboIndexOf(comboBox, item);
    auto current = static_cast<int>(Ask(comboBox, CB_GETCURSEL));
    if (current < 0) {
        PressKey(comboBox, VK_HOME);
        current = 0;
    }
    for (; current < target; ++current)
        PressKey(comboBox, VK_DOWN);
    for (; current > target; --current)
        PressKey(comboBox, VK_UP);
    if (!WaitUntil([&] { return TextOf(comboBox) == item; }))
        throw DriverError("chose \"" + item + "\" but the list shows " + Describe(comboBox));
}

void SetChecked(HWND checkBox, bool checked) {
    const auto wanted = static_cast<LRESULT>(checked ? BST_CHECKED : BST_UNCHECKED);
    if (Ask(checkBox, BM_GETCHECK) != wanted)
        Click(checkBox);
    if (!WaitUntil([&] { return Ask(checkBox, BM_GETCHECK) == wanted; }))
        throw DriverError("clicked " + Describe(checkBox) + " but its check did not change");
}

std::string AddressShown(HWND control) {
    std::string text;
    for (int n = 1; n <= kIpFields; ++n)
        text += (n > 1 ? "." : "") + TextOf(ChildWithId(control, n));
    return text;
}

void EnterIpAddress(HWND control, const std::string& dotted) {
    const std::vector<std::string> parts = SplitAddress(dotted);
    std::vector<HWND> fields;
    for (int id = 1; id <= kIpFields; ++id)
        fields.push_back(ChildWithId(control, id));
    if (std::find(fields.begin(), fields.end(), FocusOf(control)) == fields.end())
        ClickAt(fields[0], {2, 2});
    for (size_t i = 0; i < fields.size(); ++i) {
        // A field filled up with three digits hands the focus on by itself.
        WaitForFocus(fields[i]);
        PressKey(fields[i], VK_END);
        TypeChars(fields[i], "\b\b\b" + parts[i]);
        if (i + 1 < fields.size() && parts[i].size() < 3)
            TypeChars(fields[i], ".");
    }
    if (!WaitUntil([&] { return AddressShown(control) == dotted; }))
        throw DriverError("typed " + dotted + " but the address fields show " +
                          AddressShown(control));
}

} // namespace e2e
