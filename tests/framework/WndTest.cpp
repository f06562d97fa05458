#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/Wnd.h"
#include "support/WindowDriver.h"

namespace {
constexpr UINT kAnswer = WM_APP + 10; // answered by the object itself: 42 + wParam
constexpr UINT kThrowStd = WM_APP + 11;
constexpr UINT kThrowOther = WM_APP + 12;
constexpr UINT kDestroySelf = WM_APP + 13;
constexpr RECT kRect{0, 0, 120, 80};

bool Contains(const std::vector<UINT>& messages, UINT msg) {
    return std::find(messages.begin(), messages.end(), msg) != messages.end();
}

// Records every message it sees and how it was attached; answers kAnswer itself, throws on
// kThrowStd and kThrowOther, and hands everything else to Default().
class RecordingWnd : public fw::CWnd {
  public:
    std::vector<UINT> seen;
    bool attachedAtNcCreate = false;
    bool attachedAtCreate = false;
    void* createParam = nullptr;
    bool failCreate = false;
    int finalCalls = 0;
    HWND finalHwnd = nullptr;
    bool detachedAtFinal = false;
    bool lastMessageBeforeFinal = false;

  protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        seen.push_back(msg);
        switch (msg) {
        case WM_NCCREATE:
            attachedAtNcCreate = m_hWnd && FromHandle(m_hWnd) == this;
            createParam = reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams;
            break;
        case WM_CREATE:
            attachedAtCreate = m_hWnd && FromHandle(m_hWnd) == this;
            if (failCreate)
                return -1;
            break;
        case kAnswer:
            return 42 + static_cast<LRESULT>(wParam);
        case kThrowStd:
            throw std::runtime_error("handler failed");
        case kThrowOther:
            throw 7;
        default:
            break;
        }
        return Default();
    }

    void OnFinalMessage(HWND hwnd) override {
        ++finalCalls;
        finalHwnd = hwnd;
        detachedAtFinal = m_hWnd == nullptr && FromHandle(hwnd) == nullptr;
        lastMessageBeforeFinal = !seen.empty() && seen.back() == WM_NCDESTROY;
    }
};

// An edit box made without the framework, as a dialog manager or a platform control would.
class PlainEdit {
  public:
    explicit PlainEdit(const char* text, HWND parent = nullptr, int id = 0)
        : m_hwnd(CreateWindowExA(0, "EDIT", text, ES_AUTOHSCROLL | (parent ? WS_CHILD : WS_POPUP),
                                 0, 0, 100, 20, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleA(nullptr), nullptr)) {}
    ~PlainEdit() { DestroyWindow(m_hwnd); }
    PlainEdit(const PlainEdit&) = delete;
    PlainEdit& operator=(const PlainEdit&) = delete;
    operator HWND() const { return m_hwnd; }

  private:
    HWND m_hwnd;
};
} // namespace

TEST(CWndSubclass, RoutesMessagesToWindowProcAndDefaultReachesTheOriginalProcedure) {
    PlainEdit edit("before");
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(edit));
    EXPECT_EQ(static_cast<HWND>(edit), wnd.m_hWnd);
    EXPECT_EQ(&wnd, fw::CWnd::FromHandle(edit));

    EXPECT_EQ(45, SendMessageA(edit, kAnswer, 3, 0));
    SetWindowTextA(edit, "after");
    EXPECT_EQ("after", fw::GetWindowTextOf(edit)); // the edit box's own procedure kept the text
    EXPECT_TRUE(Contains(wnd.seen, WM_SETTEXT));
    EXPECT_TRUE(Contains(wnd.seen, WM_GETTEXT));
}

TEST(CWndSubclass, AWindowHasAtMostOneObjectAndAnObjectOneWindow) {
    PlainEdit first("1"), second("2");
    RecordingWnd wnd, other;
    EXPECT_FALSE(wnd.SubclassWindow(nullptr));
    ASSERT_TRUE(wnd.SubclassWindow(first));
    EXPECT_FALSE(other.SubclassWindow(first));
    EXPECT_FALSE(wnd.SubclassWindow(second));
    EXPECT_EQ(&wnd, fw::CWnd::FromHandle(first));
    EXPECT_EQ(nullptr, fw::CWnd::FromHandle(second));
    EXPECT_EQ(nullptr, fw::CWnd::FromHandle(nullptr));
}

TEST(CWndSubclass, UnsubclassWindowReturnsTheWindowToItsOriginalProcedure) {
    PlainEdit edit("text");
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(edit));
    EXPECT_EQ(static_cast<HWND>(edit), wnd.UnsubclassWindow());

    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(nullptr, fw::CWnd::FromHandle(edit));
    const size_t seenBefore = wnd.seen.size();
    EXPECT_EQ(0, SendMessageA(edit, kAnswer, 3, 0)); // the edit box ignores it
    EXPECT_EQ(seenBefore, wnd.seen.size());
    EXPECT_EQ(nullptr, wnd.UnsubclassWindow());
    // The object can be attached again, to the same window or another.
    EXPECT_TRUE(wnd.SubclassWindow(edit));
}

TEST(CWndSubclass, AnAttachedObjectLeavesItsWindowAliveWhenDestroyed) {
    PlainEdit edit("text");
    {
        RecordingWnd wnd;
        ASSERT_TRUE(wnd.SubclassWindow(edit));
    }
    ASSERT_TRUE(IsWindow(edit));
    EXPECT_EQ(nullptr, fw::CWnd::FromHandle(edit));
    EXPECT_EQ(0, SendMessageA(edit, kAnswer, 3, 0));
    SetWindowTextA(edit, "still works");
    EXPECT_EQ("still works", fw::GetWindowTextOf(edit));
}

TEST(CWndSubclass, SubclassDlgItemAttachesTheChildWithThatId) {
    RecordingWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP, kRect, nullptr, 0));
    PlainEdit child("child", parent.m_hWnd, 1234);
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.SubclassDlgItem(1234, parent));
    EXPECT_EQ(static_cast<HWND>(child), wnd.m_hWnd);
    EXPECT_EQ(45, SendMessageA(child, kAnswer, 3, 0));
    RecordingWnd missing;
    EXPECT_FALSE(missing.SubclassDlgItem(999, parent));
}

TEST(CWndCreateEx, AttachesTheObjectBeforeNcCreateAndCreate) {
    RecordingWnd wnd;
    int creationData = 0;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "title", WS_POPUP, kRect, nullptr, 0, &creationData));
    EXPECT_TRUE(wnd.attachedAtNcCreate);
    EXPECT_TRUE(wnd.attachedAtCreate);
    EXPECT_EQ(&creationData, wnd.createParam);
    const auto ncCreate = std::find(wnd.seen.begin(), wnd.seen.end(), UINT{WM_NCCREATE});
    const auto create = std::find(wnd.seen.begin(), wnd.seen.end(), UINT{WM_CREATE});
    EXPECT_LT(ncCreate, create);
    EXPECT_EQ(&wnd, fw::CWnd::FromHandle(wnd.m_hWnd));
    EXPECT_EQ("title", wnd.GetWindowText());
    EXPECT_FALSE(wnd.CreateEx(0, nullptr, "again", WS_POPUP, kRect, nullptr, 0));
}

TEST(CWndCreateEx, AChildGetsItsIdAndAPlatformClassKeepsItsBehaviour) {
    RecordingWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP, kRect, nullptr, 0));
    RecordingWnd edit;
    ASSERT_TRUE(edit.CreateEx(0, "EDIT", "typed", WS_CHILD, kRect, parent.m_hWnd, 77));
    EXPECT_EQ(77, GetDlgCtrlID(edit.m_hWnd));
    EXPECT_EQ(edit.m_hWnd, parent.GetDlgItem(77));
    EXPECT_EQ(parent.m_hWnd, edit.GetParent());
    EXPECT_TRUE(edit.attachedAtNcCreate);
    EXPECT_EQ("typed", edit.GetWindowText());
}

TEST(CWndCreateEx, AFailedCreationLeavesTheObjectDetachedAndReusable) {
    RecordingWnd wnd;
    wnd.failCreate = true;
    EXPECT_FALSE(wnd.CreateEx(0, nullptr, "refused", WS_POPUP, kRect, nullptr, 0));
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(1, wnd.finalCalls);
    wnd.failCreate = false;
    EXPECT_TRUE(wnd.CreateEx(0, nullptr, "accepted", WS_POPUP, kRect, nullptr, 0));
}

TEST(CWndLifetime, OnFinalMessageRunsOnceAfterNcDestroyWithTheObjectDetached) {
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "", WS_POPUP, kRect, nullptr, 0));
    HWND hwnd = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());

    EXPECT_EQ(1, wnd.finalCalls);
    EXPECT_EQ(hwnd, wnd.finalHwnd);
    EXPECT_TRUE(wnd.detachedAtFinal);
    EXPECT_TRUE(wnd.lastMessageBeforeFinal);
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(wnd.DestroyWindow());
    EXPECT_EQ(1, wnd.finalCalls);
}

TEST(CWndLifetime, AnObjectThatCreatedItsWindowDestroysItWhenDestroyed) {
    HWND hwnd = nullptr;
    {
        RecordingWnd wnd;
        ASSERT_TRUE(wnd.CreateEx(0, nullptr, "", WS_POPUP, kRect, nullptr, 0));
        hwnd = wnd.m_hWnd;
    }
    EXPECT_FALSE(IsWindow(hwnd));
}

namespace {
// Owns itself and deletes itself in OnFinalMessage. Its storage is a static block that the
// delete fills with a pattern, so any write to the object after its deletion shows.
class SelfDeletingWnd : public fw::CWnd {
  public:
    static constexpr unsigned char kPoison = 0xA5;
    alignas(std::max_align_t) static inline unsigned char storage[256];
    static inline bool deleted = false;

    static void* operator new(size_t size) {
        if (size > sizeof storage)
            throw std::bad_alloc();
        deleted = false;
        return storage;
    }
    static void operator delete(void* block) {
        std::memset(block, kPoison, sizeof storage);
        deleted = true;
    }

  protected:
    // Destroys its own window from inside a handler: WM_NCDESTROY arrives nested.
    LRESULT WindowProc(UINT msg, WPARAM, LPARAM) override {
        if (msg == kDestroySelf) {
            ::DestroyWindow(m_hWnd);
            return 0;
        }
        return Default();
    }
    void OnFinalMessage(HWND) override { delete this; }
};
} // namespace

TEST(CWndLifetime, AnObjectDeletedByOnFinalMessageIsNotTouchedAfterwards) {
    auto* wnd = new SelfDeletingWnd;
    ASSERT_TRUE(wnd->CreateEx(0, nullptr, "", WS_POPUP, kRect, nullptr, 0));
    HWND hwnd = wnd->m_hWnd;
    SendMessageA(hwnd, kDestroySelf, 0, 0);

    EXPECT_FALSE(IsWindow(hwnd));
    ASSERT_TRUE(SelfDeletingWnd::deleted);
    const auto& bytes = SelfDeletingWnd::storage;
    EXPECT_TRUE(std::all_of(std::begin(bytes), std::end(bytes), [](unsigned char b) {
        return b == SelfDeletingWnd::kPoison;
    })) << "the object was written to after OnFinalMessage deleted it";
}

TEST(CWndLifetime, AnExceptionFromAHandlerDoesNotCrossTheWindowProcedure) {
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "", WS_POPUP, kRect, nullptr, 0));
    EXPECT_EQ(0, wnd.SendMessage(kThrowStd));
    EXPECT_EQ(0, wnd.SendMessage(kThrowOther));
    // The window and its object still work, and the next message gets its own answer.
    EXPECT_EQ(43, wnd.SendMessage(kAnswer, 1));
    EXPECT_EQ(&wnd, fw::CWnd::FromHandle(wnd.m_hWnd));
}

TEST(WindowText, IsReadWholeAtAnyLength) {
    const std::string longText(10000, 'x');
    for (const std::string& text : {std::string(), std::string("short"), longText}) {
        PlainEdit edit(text.c_str());
        EXPECT_EQ(text, fw::GetWindowTextOf(edit)) << "length " << text.size();
    }
    EXPECT_EQ("", fw::GetWindowTextOf(nullptr));
    PlainEdit edit("");
    EXPECT_EQ(0, lstrcmpiA("Edit", fw::GetClassNameOf(edit).c_str()));
}

TEST(CWndLifetime, RepeatedWindowsAndCreationHooksLeakNoHandles) {
    const auto cycle = [] {
        RecordingWnd parent;
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "", WS_POPUP, kRect, nullptr, 0));
        RecordingWnd child;
        ASSERT_TRUE(child.CreateEx(0, "EDIT", "", WS_CHILD, kRect, parent.m_hWnd, 1));
        PlainEdit plain("", parent.m_hWnd, 2);
        RecordingWnd attached;
        ASSERT_TRUE(attached.SubclassWindow(plain));
    };
    cycle();
    const std::vector<unsigned> before = test::NextWindowSlots();
    for (int i = 0; i < 50; ++i)
        cycle();
    EXPECT_EQ(before, test::NextWindowSlots());
}
