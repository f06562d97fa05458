// Who frees the control: the window's end frees an object a template made; an object made at
// run time is its caller's, whose delete destroys the window, and whatever destroys the
// window first only detaches it; either way exactly once, with no window left over.
#include "IPAddrFixture.h"

#include <array>
#include <atomic>
#include <cstdlib>
#include <new>

#include "support/DialogTemplateBuilder.h"
#include "support/WindowDriver.h"

namespace {
// Live allocations of this test program, counted by its own global operator new and delete:
// an object that is never freed, or freed twice, shows in the count.
std::atomic<long> g_liveAllocations{0};

void* Allocate(std::size_t size) noexcept {
    void* block = std::malloc(size ? size : 1);
    if (block)
        ++g_liveAllocations;
    return block;
}

void Release(void* block) noexcept {
    if (!block)
        return;
    --g_liveAllocations;
    std::free(block);
}
} // namespace

void* operator new(std::size_t size) {
    if (void* block = Allocate(size))
        return block;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void operator delete(void* block) noexcept {
    Release(block);
}
void operator delete[](void* block) noexcept {
    Release(block);
}
void operator delete(void* block, std::size_t) noexcept {
    Release(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    Release(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
    Release(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
    Release(block);
}

namespace test {
namespace {

constexpr DWORD kEditorStyle = WS_CHILD | WS_VISIBLE | 0x0080;

class IPAddrLifetime : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RegisterIPAddrClass()); }
    void SetUp() override {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, RECT{0, 0, 300, 100},
                                      nullptr, 0));
    }

    // A control made at run time, as the grid makes its editor.
    CIPAddrCtl* CreateEditor() const {
        auto* editor = new CIPAddrCtl;
        EXPECT_TRUE(editor->Create(kEditorStyle, RECT{10, 10, 160, 30}, m_parent.m_hWnd, 1001));
        return editor;
    }

    // The control window and its four fields (held without allocating, so that the counts
    // of live allocations compare).
    using Windows = std::array<HWND, 5>;
    static Windows WindowsOf(HWND control) {
        Windows windows{control};
        for (int n = 1; n <= 4; ++n)
            windows[static_cast<size_t>(n)] = GetDlgItem(control, n);
        return windows;
    }

    static void ExpectAllDestroyed(const Windows& windows) {
        for (HWND hwnd : windows)
            EXPECT_FALSE(IsWindow(hwnd)) << hwnd;
    }

    fw::CWnd m_parent;
};

TEST_F(IPAddrLifetime, RunTimeCreationMakesFourLimitedCentredFields) {
    CIPAddrCtl* editor = CreateEditor();
    ASSERT_NE(nullptr, editor->m_hWnd);
    EXPECT_EQ(1001, GetDlgCtrlID(editor->m_hWnd));
    EXPECT_TRUE(GetWindowLongA(editor->m_hWnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    for (int n = 1; n <= 4; ++n) {
        HWND field = GetDlgItem(editor->m_hWnd, n);
        ASSERT_NE(nullptr, field) << n;
        EXPECT_EQ(static_cast<LONG>(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_CENTER),
                  GetWindowLongA(field, GWL_STYLE) &
                      (WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_CENTER | ES_RIGHT))
            << n;
        EXPECT_EQ(3, SendMessageA(field, EM_GETLIMITTEXT, 0, 0)) << n;
    }
    delete editor;
}

TEST_F(IPAddrLifetime, TheTemplateClassIsGlobalWithAnIBeam) {
    WNDCLASSA info{};
    ASSERT_TRUE(GetClassInfoA(nullptr, "IPAddr", &info));
    EXPECT_EQ(static_cast<UINT>(CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW), info.style);
    EXPECT_EQ(LoadCursorA(nullptr, IDC_IBEAM), info.hCursor);
    EXPECT_TRUE(RegisterIPAddrClass()) << "a second call keeps the class";
}

TEST_F(IPAddrLifetime, DeletingTheObjectDestroysTheFieldsAndTheWindow) {
    const long before = g_liveAllocations;
    CIPAddrCtl* editor = CreateEditor();
    const Windows windows = WindowsOf(editor->m_hWnd);
    delete editor;
    ExpectAllDestroyed(windows);
    EXPECT_EQ(before, g_liveAllocations);
}

// Escape in a field posts WM_CLOSE to the control; a parent may be destroyed under it.
TEST_F(IPAddrLifetime, ARunTimeControlOutlivesCloseAndStaysItsOwnersWhenItsWindowGoes) {
    const long before = g_liveAllocations;
    CIPAddrCtl* editor = CreateEditor();
    const Windows windows = WindowsOf(editor->m_hWnd);
    SendMessageA(editor->m_hWnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(windows[0])) << "WM_CLOSE destroyed the control";
    m_parent.DestroyWindow();
    ExpectAllDestroyed(windows);
    EXPECT_EQ(nullptr, editor->m_hWnd) << "the object still names its dead window";
    delete editor; // still the owner's, freed once
    EXPECT_EQ(before, g_liveAllocations);
}

TEST_F(IPAddrLifetime, AControlFromATemplateIsFreedWithItsDialog) {
    DialogTemplateBuilder dialog(WS_POPUP, 100, 30, "");
    dialog.Add(kAddressId, "IPAddr", "", kTemplateAddressStyle, 5, 5, 75, 12);
    const long before = g_liveAllocations;
    HWND window = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), dialog.Get(), nullptr,
                                             LoggingDialogProc, 0);
    ASSERT_NE(nullptr, window);
    const Windows windows = WindowsOf(GetDlgItem(window, kAddressId));
    ASSERT_NE(nullptr, ControlOf(windows[0]));
    EXPECT_GT(g_liveAllocations, before) << "the object is counted";
    SendMessageA(windows[0], WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(windows[0])) << "WM_CLOSE destroyed the control";
    DestroyWindow(window);
    ExpectAllDestroyed(windows);
    EXPECT_EQ(before, g_liveAllocations);
}

// Refuses the creation of edit windows, so a control cannot make its fields.
LRESULT CALLBACK RefuseEdits(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        if (!IS_INTRESOURCE(create->lpszClass) && lstrcmpiA(create->lpszClass, "EDIT") == 0)
            return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(IPAddrLifetime, AFailedCreationLeavesTheObjectToItsCaller) {
    const long before = g_liveAllocations;
    auto* editor = new CIPAddrCtl;
    HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseEdits, nullptr, GetCurrentThreadId());
    ASSERT_NE(nullptr, hook);
    const BOOL created = editor->Create(kEditorStyle, RECT{10, 10, 160, 30}, m_parent.m_hWnd, 1001);
    UnhookWindowsHookEx(hook);
    EXPECT_FALSE(created);
    EXPECT_EQ(nullptr, GetDlgItem(m_parent.m_hWnd, 1001));
    delete editor; // the caller's to free, once
    EXPECT_EQ(before, g_liveAllocations);
}

TEST_F(IPAddrLifetime, ManyCyclesLeakNeitherWindowsNorObjects) {
    DialogTemplateBuilder dialog(WS_POPUP, 100, 30, "");
    dialog.Add(kAddressId, "IPAddr", "", kTemplateAddressStyle, 5, 5, 75, 12);
    // One cycle of each kind first, so that one-time set-up does not count.
    delete CreateEditor();
    const long allocationsBefore = g_liveAllocations;
    const unsigned slotBefore = ProbeWindowSlot();
    for (int i = 0; i < 200; ++i) {
        delete CreateEditor();
        CIPAddrCtl* editor = CreateEditor();
        DestroyWindow(editor->m_hWnd);
        delete editor;
        DestroyWindow(CreateDialogIndirectParamA(GetModuleHandleA(nullptr), dialog.Get(),
                                                 m_parent.m_hWnd, LoggingDialogProc, 0));
    }
    const unsigned slotAfter = ProbeWindowSlot();
    EXPECT_LE(slotAfter, slotBefore + 4) << "windows leaked";
    EXPECT_EQ(allocationsBefore, g_liveAllocations) << "objects leaked";
}

} // namespace
} // namespace test
