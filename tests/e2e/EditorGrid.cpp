#include "EditorGrid.h"

#include <algorithm>
#include <string>

#include "DriverError.h"
#include "RemoteWindows.h"
#include "support/DialogTemplateBuilder.h"

namespace e2e {

namespace {

constexpr int kScrollBarId = 1000;
constexpr int kEditorId = 1001;
constexpr int kRowDialogUnits = 13;

INT_PTR CALLBACK IgnoreMessages(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// 13 dialog units of a page: every page template has the font "MS Sans Serif" 8, so a hidden
// dialog with that font here converts them alike.
int RowHeightOfPage() {
    test::DialogTemplateBuilder page(WS_POPUP, 280, 191, "");
    HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), page.Get(), nullptr,
                                             IgnoreMessages, 0);
    if (!dialog)
        throw DriverError("cannot create a dialog to measure dialog units");
    RECT row{0, 0, 1, kRowDialogUnits};
    MapDialogRect(dialog, &row);
    DestroyWindow(dialog);
    return row.bottom - row.top;
}

RECT ClientRectOf(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return rect;
}

} // namespace

EditorGrid::EditorGrid(HWND grid, int rowCount)
    : m_grid(grid), m_rowCount(rowCount), m_rowHeight(RowHeightOfPage()) {
    // A row is in view when its bottom edge lies above the client area's bottom.
    const int height = ClientRectOf(m_grid).bottom;
    m_visibleRows = 0;
    while (kFirstRowY + (m_visibleRows + 1) * m_rowHeight < height)
        ++m_visibleRows;
}

void EditorGrid::ScrollTo(int topRow) {
    HWND scrollBar = ChildWithId(m_grid, kScrollBarId);
    if (m_visibleRows >= m_rowCount || topRow == m_topRow)
        return;
    // What the scroll bar sends its owner when a person drags the thumb there.
    PostMessageA(m_grid, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, topRow),
                 reinterpret_cast<LPARAM>(scrollBar));
    if (!WaitUntil([&] { return Ask(scrollBar, SBM_GETPOS) == topRow; }))
        throw DriverError("the grid did not scroll to row " + std::to_string(topRow));
    m_topRow = topRow;
}

HWND EditorGrid::Editor() const {
    for (HWND child : ChildrenOf(m_grid))
        if (GetDlgCtrlID(child) == kEditorId && IsWindowVisible(child))
            return child;
    return nullptr;
}

HWND EditorGrid::OpenEditor(int row) {
    if (row < m_topRow || row >= m_topRow + m_visibleRows)
        ScrollTo(std::min(row, m_rowCount - m_visibleRows + 1));
    const RECT client = ClientRectOf(m_grid);
    const int left = kFirstRowY;
    const int right = client.right - 6;
    const int valueLeft = (left + right) * 2 / 5;
    const int top = RowTop(row);
    ClickAt(m_grid, {valueLeft + 6, top + m_rowHeight / 2});

    const HWND editor = WaitForEditor();
    // The editor covers the value box of the row that was meant.
    RECT box{};
    GetWindowRect(editor, &box);
    MapWindowPoints(nullptr, m_grid, reinterpret_cast<POINT*>(&box), 2);
    if (box.top < top || box.top >= top + m_rowHeight)
        throw DriverError("the editor for row " + std::to_string(row) +
                          " opened at y = " + std::to_string(box.top) +
                          ", not in the row at y = " + std::to_string(top));
    return editor;
}

HWND EditorGrid::WaitForEditor() const {
    HWND editor = nullptr;
    if (!WaitUntil([&] { return (editor = Editor()) != nullptr; }))
        throw DriverError("no editor opened in the grid");
    return editor;
}

void EditorGrid::WaitForEditorClosed() const {
    if (!WaitUntil([&] { return !Editor() && FocusOf(m_grid) == m_grid; }))
        throw DriverError("the editor stayed open, or the focus did not come back to the grid");
}

int EditorGrid::TopRow() const {
    return static_cast<int>(Ask(ChildWithId(m_grid, kScrollBarId), SBM_GETPOS));
}

int EditorGrid::RowOf(HWND editor) const {
    RECT box{};
    GetWindowRect(editor, &box);
    MapWindowPoints(nullptr, m_grid, reinterpret_cast<POINT*>(&box), 2);
    return TopRow() + (box.top - kFirstRowY) / m_rowHeight;
}

void EditorGrid::ClickCaption(int row) {
    HWND editor = Editor();
    ClickAt(m_grid, {kFirstRowY + 4, RowTop(row) + m_rowHeight / 2});
    if (editor && !WaitUntil([&] { return !IsWindow(editor); }))
        throw DriverError("a click beside the editor did not close it");
}

} // namespace e2e
