// Times one full painting of a 27-row property grid (12 text, 4 long, 7 choice and 4 address
// rows, as the configuration editor fills it) into a memory bitmap, with the shared font and
// without, and counts the GDI objects a painting creates: the program's own calls of the
// creating functions are routed through counters, and the highest slot of a probe batch shows
// whether anything was left behind.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "controls/propgrid/PropertyGrid.h"
#include "framework/Gdi.h"
#include "support/WindowDriver.h"

namespace {

// ---- Counting the program's GDI object creations ----

// Replaces the program's import of gdi32!Name with a counting call of the original.
template <const char* Name, typename R, typename... Args> struct Counted {
    static inline R(WINAPI* real)(Args...) = nullptr;
    static inline long count = 0;

    static R WINAPI Call(Args... args) {
        ++count;
        return real(args...);
    }

    static void Install() {
        const FARPROC original = GetProcAddress(GetModuleHandleA("gdi32.dll"), Name);
        if (!original)
            return;
        real = reinterpret_cast<R(WINAPI*)(Args...)>(reinterpret_cast<void (*)()>(original));
        auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
        const IMAGE_DATA_DIRECTORY& imports =
            nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (auto* module =
                 reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
             module->Name; ++module) {
            if (lstrcmpiA(reinterpret_cast<const char*>(base + module->Name), "gdi32.dll") != 0)
                continue;
            for (auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk);
                 slot->u1.Function; ++slot) {
                if (slot->u1.Function != reinterpret_cast<ULONG_PTR>(original))
                    continue;
                DWORD protection = 0;
                VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE,
                               &protection);
                slot->u1.Function = reinterpret_cast<ULONG_PTR>(&Call);
                VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, protection,
                               &protection);
            }
        }
    }
};

constexpr char kCreateFontIndirectA[] = "CreateFontIndirectA";
constexpr char kCreateFontA[] = "CreateFontA";
constexpr char kCreateCompatibleDC[] = "CreateCompatibleDC";
constexpr char kCreateCompatibleBitmap[] = "CreateCompatibleBitmap";
constexpr char kCreateSolidBrush[] = "CreateSolidBrush";
constexpr char kCreatePen[] = "CreatePen";
constexpr char kCreateRectRgn[] = "CreateRectRgn";

using FontIndirect = Counted<kCreateFontIndirectA, HFONT, const LOGFONTA*>;
using Font = Counted<kCreateFontA, HFONT, int, int, int, int, int, DWORD, DWORD, DWORD, DWORD,
                     DWORD, DWORD, DWORD, DWORD, LPCSTR>;
using MemoryDC = Counted<kCreateCompatibleDC, HDC, HDC>;
using Bitmap = Counted<kCreateCompatibleBitmap, HBITMAP, HDC, int, int>;
using Brush = Counted<kCreateSolidBrush, HBRUSH, COLORREF>;
using Pen = Counted<kCreatePen, HPEN, int, int, COLORREF>;
using Region = Counted<kCreateRectRgn, HRGN, int, int, int, int>;

void InstallCounters() {
    FontIndirect::Install();
    Font::Install();
    MemoryDC::Install();
    Bitmap::Install();
    Brush::Install();
    Pen::Install();
    Region::Install();
}

long FontsCreated() {
    return FontIndirect::count + Font::count;
}

long ObjectsCreated() {
    return FontsCreated() + MemoryDC::count + Bitmap::count + Brush::count + Pen::count +
           Region::count;
}

// ---- The grid ----

double NowMs() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The editor's order of row types.
const int kRowTypes[27] = {
    PIT_TEXT,      PIT_TEXT,  PIT_IPADDRESS, PIT_IPADDRESS, PIT_COMBO, PIT_COMBO, PIT_IPADDRESS,
    PIT_IPADDRESS, PIT_COMBO, PIT_COMBO,     PIT_COMBO,     PIT_LONG,  PIT_LONG,  PIT_LONG,
    PIT_LONG,      PIT_TEXT,  PIT_COMBO,     PIT_TEXT,      PIT_TEXT,  PIT_TEXT,  PIT_TEXT,
    PIT_COMBO,     PIT_TEXT,  PIT_TEXT,      PIT_TEXT,      PIT_TEXT,  PIT_TEXT};

void FillGrid(PropertyGrid& grid, fw::CFont* sharedFont) {
    grid.RemoveAllItems();
    grid.SetSharedFont(sharedFont);
    for (int i = 0; i < 27; ++i) {
        PropertyItemInfo info;
        info.m_caption = "Setting number " + std::to_string(i + 1);
        info.m_type = kRowTypes[i];
        info.m_text = kRowTypes[i] == PIT_IPADDRESS ? "192.168.100.200" : "Some value text";
        info.m_long = -36 + i;
        info.m_choices = {"Some value text", "Another choice"};
        grid.AddItem(info);
    }
}

struct Result {
    double msPerPaint;
    double objectsPerPaint;
    double fontsPerPaint;
    int leftBehind;
};

Result Measure(PropertyGrid& grid, int paints) {
    const RECT client = grid.GetClientRect();
    fw::MemoryBitmapDC bitmap(client.right, client.bottom);
    auto paint = [&] {
        grid.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(static_cast<HDC>(bitmap)),
                         PRF_CLIENT);
    };
    for (int i = 0; i < 20; ++i)
        paint(); // caches filled, scroll bar placed
    const unsigned slotBefore = test::ProbeGdiSlot();
    const long objects = ObjectsCreated(), fonts = FontsCreated();
    const double start = NowMs();
    for (int i = 0; i < paints; ++i)
        paint();
    const double elapsed = NowMs() - start;
    const double n = paints;
    return {elapsed / n, static_cast<double>(ObjectsCreated() - objects) / n,
            static_cast<double>(FontsCreated() - fonts) / n,
            static_cast<int>(test::ProbeGdiSlot()) - static_cast<int>(slotBefore)};
}

void Report(const char* name, PropertyGrid& grid, fw::CFont* sharedFont, int paints) {
    FillGrid(grid, sharedFont);
    const Result r = Measure(grid, paints);
    const RECT client = grid.GetClientRect();
    int shown = 0;
    for (int id = 1; id <= 27; ++id)
        shown += grid.IsItemVisible(id) ? 1 : 0;
    std::printf("%-24s %3ldx%-3ld px %2d rows shown  %7.3f ms per paint  GDI objects created "
                "per paint %5.2f (fonts %5.2f)  left behind after %d paints: %d\n",
                name, client.right, client.bottom, shown, r.msPerPaint, r.objectsPerPaint,
                r.fontsPerPaint, paints, r.leftBehind);
}

} // namespace

int main() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    InstallCounters();

    fw::CWnd host;
    if (!host.CreateEx(0, nullptr, "grid benchmark", WS_POPUP | WS_VISIBLE, RECT{0, 0, 800, 600},
                       nullptr, 0)) {
        std::printf("no host window\n");
        return 1;
    }
    fw::CFont sharedFont;
    sharedFont.CreatePointFont(80, "MS Sans Serif");
    const int paints = 2000;

    // All 27 rows in view, and the editor page's size (its placeholder, 266 x 86 dialog
    // units) with the rest scrolled out.
    PropertyGrid whole, editorSized;
    whole.Create(WS_CHILD | WS_VISIBLE, RECT{0, 0, 450, 3 + 27 * 13 + 1}, host.GetSafeHwnd(), 1);
    editorSized.Create(WS_CHILD | WS_VISIBLE, RECT{0, 0, 450, 140}, host.GetSafeHwnd(), 2);

    std::printf("Property grid painting into a memory bitmap through WM_PRINTCLIENT\n");
    Report("all rows, shared font", whole, &sharedFont, paints);
    Report("all rows, own fonts", whole, nullptr, paints);
    Report("editor size, shared font", editorSized, &sharedFont, paints);
    Report("editor size, own fonts", editorSized, nullptr, paints);
    std::printf("(objects created per paint include the off-screen memory DC and its bitmap; "
                "every one is deleted before the paint ends)\n");
    return 0;
}
