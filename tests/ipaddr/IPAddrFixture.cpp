#include "IPAddrFixture.h"

#include "support/DialogTemplateBuilder.h"
#include "support/WindowDriver.h"

namespace test {

INT_PTR CALLBACK LoggingDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        return TRUE;
    case WM_COMMAND:
        if (auto* log = reinterpret_cast<CommandLog*>(GetWindowLongPtrA(dialog, DWLP_USER)))
            log->commands.emplace_back(wParam, lParam);
        return TRUE;
    default:
        return FALSE;
    }
}

HeldKey::HeldKey(BYTE key) {
    GetKeyboardState(m_saved);
    BYTE state[256];
    CopyMemory(state, m_saved, sizeof state);
    state[key] = 0x80;
    SetKeyboardState(state);
}

HeldKey::~HeldKey() {
    SetKeyboardState(m_saved);
}

CIPAddrCtl* ControlOf(HWND hwnd) {
    return dynamic_cast<CIPAddrCtl*>(fw::CWnd::FromHandle(hwnd));
}

void TypeInFocus(const std::string& characters) {
    for (char c : characters)
        TypeChars(GetFocus(), std::string(1, c));
}

void PressKeyInFocus(UINT key) {
    PressKey(GetFocus(), key);
}

std::pair<int, int> SelectionOf(HWND edit) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

HWND CreateAddressDialog(DWORD addressStyle, CommandLog* log) {
    DialogTemplateBuilder dialog(WS_POPUP | WS_VISIBLE | WS_CAPTION, 200, 40, "Address");
    dialog.Add(kEditBeforeId, "EDIT", "", WS_BORDER | WS_TABSTOP, 5, 5, 40, 12)
        .Add(kAddressId, "IPAddr", "", addressStyle, 50, 5, 75, 12)
        .Add(kButtonAfterId, "BUTTON", "OK", WS_TABSTOP, 130, 5, 50, 14);
    return CreateDialogIndirectParamA(GetModuleHandleA(nullptr), dialog.Get(), nullptr,
                                      LoggingDialogProc, reinterpret_cast<LPARAM>(log));
}

void IPAddrTest::SetUpTestSuite() {
    ASSERT_TRUE(RegisterIPAddrClass());
}

void IPAddrTest::SetUp() {
    m_dialog = CreateAddressDialog(kTemplateAddressStyle, &m_log);
    ASSERT_NE(nullptr, m_dialog);
    m_control = GetDlgItem(m_dialog, kAddressId);
    m_ctl = ControlOf(m_control);
    ASSERT_NE(nullptr, m_ctl);
    m_ctl->SetAddressText("");
    SetFocus(m_control);
    ASSERT_EQ(1, FocusedField());
}

void IPAddrTest::TearDown() {
    if (m_dialog)
        DestroyWindow(m_dialog);
}

HWND IPAddrTest::Field(int n) const {
    return GetDlgItem(m_control, n);
}

std::string IPAddrTest::FieldText(int n) const {
    return fw::GetWindowTextOf(Field(n));
}

std::vector<std::string> IPAddrTest::Fields() const {
    return {FieldText(1), FieldText(2), FieldText(3), FieldText(4)};
}

void IPAddrTest::SetFields(const std::vector<std::string>& texts) const {
    for (size_t i = 0; i < texts.size(); ++i)
        SetWindowTextA(Field(static_cast<int>(i) + 1), texts[i].c_str());
}

int IPAddrTest::FocusedField() const {
    HWND focus = GetFocus();
    for (int n = 1; n <= 4; ++n)
        if (focus && focus == Field(n))
            return n;
    return 0;
}

void IPAddrTest::PutCaret(int n, int position) const {
    SetFocus(Field(n));
    SendMessageA(Field(n), EM_SETSEL, static_cast<WPARAM>(position), position);
}

} // namespace test
