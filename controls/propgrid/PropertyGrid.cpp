#include "controls/propgrid/PropertyGrid.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <exception>
#include <memory>
#include <utility>

#include "controls/propgrid/GridDrawing.h"
#include "controls/propgrid/OffscreenDC.h"

namespace {
// Rows start this far below the top edge, inside the sunken border.
constexpr int kFirstRowTop = 3;
// A row is this many vertical dialog units of the parent dialog (pixels without one).
constexpr int kRowHeightDialogUnits = 13;
// A point outside every value box: a click there only ends editing.
constexpr int kNowhere = -1;
// Subclass id of the grid's watch over an open editor's windows.
constexpr UINT_PTR kEditorSubclassId = 0x5047; // 'PG'
// Rows the wheel scrolls per notch when the system cannot say.
constexpr UINT kDefaultWheelRows = 3;

// Keys an editor hands to the grid: the dialog manager must give them to the editor first.
bool IsEditorKey(WPARAM key) {
    return key == VK_RETURN || key == VK_ESCAPE || key == VK_TAB || key == VK_UP || key == VK_DOWN;
}

bool IsPrintable(UINT code) {
    return code >= ' ' && code != 127;
}

bool ShiftIsDown() {
    return GetKeyState(VK_SHIFT) < 0;
}
} // namespace

int PropertyGrid::s_rowHeight = 0;

PropertyGrid::PropertyGrid()
    : m_bkColor(GetSysColor(COLOR_BTNFACE)), m_textColor(GetSysColor(COLOR_BTNTEXT)) {}

PropertyGrid::~PropertyGrid() {
    // The window's destruction below no longer reaches a caller's row: close its editor now.
    EndEditing();
    RemoveAllItems();
    DestroyWindow();
}

BOOL PropertyGrid::Create(DWORD style, const RECT& rect, HWND parent, UINT id, void* context) {
    // The grid paints every pixel itself; clipping its children keeps a Redraw from painting
    // over the scroll bar or an open editor.
    if (!CreateEx(0, nullptr, nullptr, style | WS_CLIPCHILDREN, rect, parent, id, context))
        return FALSE;
    const RECT client = GetClientRect();
    const RECT barRect{client.right - propgrid::ScrollBarAllowance(), 2, client.right - 2,
                       client.bottom - 2};
    // A grid without its bar still shows and edits rows: a failure here is not reported.
    m_scrollBar.CreateEx(0, "SCROLLBAR", nullptr, WS_CHILD | WS_VISIBLE | SBS_VERT, barRect, m_hWnd,
                         IDC_GRID_SCROLLBAR);
    return TRUE;
}

// ---- Rows by id or caption ----

template <typename Key, typename Action>
BOOL PropertyGrid::WithItem(const Key& key, Action action) {
    PropertyGridItem* row = FindItem(key);
    if (!row)
        return FALSE;
    action(*row);
    return TRUE;
}

PropertyGridItem* PropertyGrid::FindItem(const std::string& caption) {
    const auto found = std::find_if(m_items.begin(), m_items.end(), [&](PropertyGridItem* row) {
        return row->m_caption == caption;
    });
    return found == m_items.end() ? nullptr : *found;
}

PropertyGridItem* PropertyGrid::FindItem(int id) {
    const auto found = std::find_if(m_items.begin(), m_items.end(),
                                    [id](PropertyGridItem* row) { return row->m_id == id; });
    return found == m_items.end() ? nullptr : *found;
}

BOOL PropertyGrid::SetItemChoices(int id, const std::vector<std::string>& choices) {
    return WithItem(id, [&](PropertyGridItem& row) {
        row.m_choices.insert(row.m_choices.end(), choices.begin(), choices.end());
    });
}
BOOL PropertyGrid::SetItemChoices(const std::string& caption,
                                  const std::vector<std::string>& choices) {
    return WithItem(caption, [&](PropertyGridItem& row) {
        row.m_choices.insert(row.m_choices.end(), choices.begin(), choices.end());
    });
}

BOOL PropertyGrid::SetItemText(int id, const std::string& text) {
    return WithItem(id, [&](PropertyGridItem& row) { row.m_text = text; });
}
BOOL PropertyGrid::SetItemText(const std::string& caption, const std::string& text) {
    return WithItem(caption, [&](PropertyGridItem& row) { row.m_text = text; });
}

BOOL PropertyGrid::SetItemLong(int id, long value) {
    return WithItem(id, [&](PropertyGridItem& row) { row.m_long = value; });
}
BOOL PropertyGrid::SetItemLong(const std::string& caption, long value) {
    return WithItem(caption, [&](PropertyGridItem& row) { row.m_long = value; });
}

BOOL PropertyGrid::SetItemInt(int id, int value) {
    return WithItem(id, [&](PropertyGridItem& row) { row.m_int = value; });
}
BOOL PropertyGrid::SetItemInt(const std::string& caption, int value) {
    return WithItem(caption, [&](PropertyGridItem& row) { row.m_int = value; });
}

BOOL PropertyGrid::SetItemFont(int id, LOGFONT font) {
    return WithItem(id, [&](PropertyGridItem& row) { row.m_fontValue = font; });
}
BOOL PropertyGrid::SetItemFont(const std::string& caption, LOGFONT font) {
    return WithItem(caption, [&](PropertyGridItem& row) { row.m_fontValue = font; });
}

BOOL PropertyGrid::SetItemColor(int id, COLORREF color) {
    return WithItem(id, [&](PropertyGridItem& row) { row.m_color = color; });
}
BOOL PropertyGrid::SetItemColor(const std::string& caption, COLORREF color) {
    return WithItem(caption, [&](PropertyGridItem& row) { row.m_color = color; });
}

BOOL PropertyGrid::GetItemRect(int id, RECT& rect) {
    return WithItem(id, [&](PropertyGridItem& row) { rect = row.m_rect; });
}
BOOL PropertyGrid::GetItemRect(const std::string& caption, RECT& rect) {
    return WithItem(caption, [&](PropertyGridItem& row) { rect = row.m_rect; });
}

BOOL PropertyGrid::IsItemVisible(int id) {
    const PropertyGridItem* row = FindItem(id);
    return row ? row->IsVisible() : FALSE;
}
BOOL PropertyGrid::IsItemVisible(const std::string& caption) {
    const PropertyGridItem* row = FindItem(caption);
    return row ? row->IsVisible() : FALSE;
}

BOOL PropertyGrid::GetItemText(int id, std::string& text) {
    return WithItem(id, [&](PropertyGridItem& row) { text = row.GetText(); });
}
BOOL PropertyGrid::GetItemText(const std::string& caption, std::string& text) {
    return WithItem(caption, [&](PropertyGridItem& row) { text = row.GetText(); });
}

BOOL PropertyGrid::GetItemColor(int id, COLORREF& color) {
    return WithItem(id, [&](PropertyGridItem& row) { color = row.GetColor(); });
}
BOOL PropertyGrid::GetItemColor(const std::string& caption, COLORREF& color) {
    return WithItem(caption, [&](PropertyGridItem& row) { color = row.GetColor(); });
}

BOOL PropertyGrid::GetItemFont(int id, LOGFONT& font) {
    return WithItem(id, [&](PropertyGridItem& row) { font = row.GetFont(); });
}
BOOL PropertyGrid::GetItemFont(const std::string& caption, LOGFONT& font) {
    return WithItem(caption, [&](PropertyGridItem& row) { font = row.GetFont(); });
}

BOOL PropertyGrid::GetItemLong(int id, long& value) {
    return WithItem(id, [&](PropertyGridItem& row) { value = row.GetLong(); });
}
BOOL PropertyGrid::GetItemLong(const std::string& caption, long& value) {
    return WithItem(caption, [&](PropertyGridItem& row) { value = row.GetLong(); });
}

BOOL PropertyGrid::GetItemInt(int id, int& value) {
    return WithItem(id, [&](PropertyGridItem& row) { value = row.GetInt(); });
}
BOOL PropertyGrid::GetItemInt(const std::string& caption, int& value) {
    return WithItem(caption, [&](PropertyGridItem& row) { value = row.GetInt(); });
}

BOOL PropertyGrid::GetItemInfo(int id, PropertyItemInfo& info) {
    return WithItem(id, [&](PropertyGridItem& row) { row.GetInfo(info); });
}

BOOL PropertyGrid::SetItemInfo(int id, const PropertyItemInfo& info) {
    return WithItem(id, [&](PropertyGridItem& row) { row.SetInfo(info); });
}

BOOL PropertyGrid::SetItemData(int id, int data) {
    return WithItem(id, [&](PropertyGridItem& row) { row.SetData(data); });
}

int PropertyGrid::GetItemData(int id) {
    const PropertyGridItem* row = FindItem(id);
    return row ? row->GetData() : 0;
}

BOOL PropertyGrid::ItemExists(int id) {
    return FindItem(id) != nullptr;
}

// ---- Colours and font ----

void PropertyGrid::SetBkColor(COLORREF color) {
    for (PropertyGridItem* row : m_items)
        row->SetBkColor(color);
    m_bkColor = color;
}

void PropertyGrid::SetTextColor(COLORREF color) {
    for (PropertyGridItem* row : m_items)
        row->SetTextColor(color);
    m_textColor = color;
}

fw::CFont* PropertyGrid::SetSharedFont(fw::CFont* font) {
    return std::exchange(m_sharedFont, font);
}

// ---- Adding, removing, iterating ----

int PropertyGrid::AddItem(PropertyGridItem* row) {
    if (!row)
        return 0;
    m_items.push_back(row);
    row->m_id = ++m_lastId;
    row->m_ownedByGrid = FALSE;
    row->SetTextColor(m_textColor);
    row->SetBkColor(m_bkColor);
    row->SetSharedFont(m_sharedFont);
    return row->m_id;
}

int PropertyGrid::AddItem(const PropertyItemInfo& info) {
    auto row = std::make_unique<PropertyGridItem>();
    row->SetInfo(info);
    row->m_id = ++m_lastId;
    row->m_ownedByGrid = TRUE;
    row->SetSharedFont(m_sharedFont);
    m_items.push_back(row.get());
    return row.release()->m_id;
}

int PropertyGrid::AddItem(const std::string& caption, PropertyItemType type, int data) {
    PropertyItemInfo info;
    info.m_caption = caption;
    info.m_type = type;
    info.m_data = data;
    info.m_openFile = TRUE;
    info.m_fontValue = DefaultPropertyFont();
    return AddItem(info);
}

void PropertyGrid::ReleaseItem(PropertyGridItem* row) {
    if (row->m_ownedByGrid) {
        delete row;
        return;
    }
    row->EndEdit();
    row->m_grid = nullptr;
    row->m_visible = FALSE;
}

BOOL PropertyGrid::RemoveItem(int id) {
    const auto found = std::find_if(m_items.begin(), m_items.end(),
                                    [id](PropertyGridItem* row) { return row->m_id == id; });
    if (found == m_items.end())
        return FALSE;
    PropertyGridItem* row = *found;
    m_items.erase(found);
    ReleaseItem(row);
    return TRUE;
}

void PropertyGrid::RemoveAllItems() {
    const std::vector<PropertyGridItem*> rows = std::exchange(m_items, {});
    for (PropertyGridItem* row : rows)
        ReleaseItem(row);
    m_lastId = 0;
    m_topId = 1;
    // Ids start again: the old current id would name a new row.
    m_currentId = 0;
}

PropertyGrid::ItemPosition PropertyGrid::GetFirstItemPosition() const {
    return m_items.empty() ? 0 : 1;
}

PropertyGridItem* PropertyGrid::GetNextItem(ItemPosition& pos) const {
    if (pos == 0 || pos > m_items.size()) {
        pos = 0;
        return nullptr;
    }
    PropertyGridItem* row = m_items[pos - 1];
    pos = pos < m_items.size() ? pos + 1 : 0;
    return row;
}

void PropertyGrid::EndEditing() {
    ClickRows(kNowhere, kNowhere);
}

void PropertyGrid::ClickRows(int x, int y) {
    // Every row closes its editor first; the row under the point then acts on the click.
    // By index: a row's commit may run messages that reach the grid.
    for (size_t i = 0; i < m_items.size(); ++i)
        m_items[i]->OnClick(x, y);
}

// ---- Layout and painting ----

void PropertyGrid::ComputeRowHeight() {
    if (s_rowHeight != 0 || !m_hWnd)
        return;
    RECT rect{0, 0, 1, kRowHeightDialogUnits};
    RECT mapped = rect;
    HWND parent = GetParent();
    if (parent && MapDialogRect(parent, &mapped))
        rect = mapped;
    s_rowHeight = rect.bottom - rect.top;
}

void PropertyGrid::RecalcLayout() {
    m_visibleCount = 0;
    const RECT client = GetClientRect();
    ComputeRowHeight();
    int y = kFirstRowTop;
    for (PropertyGridItem* row : m_items) {
        row->m_visible = FALSE;
        row->m_highlighted = m_focusWithin && row->m_id == m_currentId;
        if (row->m_id < m_topId)
            continue;
        row->m_grid = this;
        row->SetItemRect({kFirstRowTop, y, client.right - 6, y + s_rowHeight});
        // A row whose bottom edge falls on the window's bottom edge does not count as shown.
        if (y + s_rowHeight < client.bottom) {
            row->m_visible = TRUE;
            ++m_visibleCount;
        }
        y += s_rowHeight;
    }
}

bool PropertyGrid::ScrollBarShown() const {
    return m_scrollBar.GetSafeHwnd() &&
           (GetWindowLongA(m_scrollBar.GetSafeHwnd(), GWL_STYLE) & WS_VISIBLE);
}

void PropertyGrid::UpdateScrollBar() {
    HWND bar = m_scrollBar.GetSafeHwnd();
    if (!bar)
        return;
    if (m_visibleCount >= m_lastId) {
        if (ScrollBarShown())
            ShowWindow(bar, SW_HIDE);
        return;
    }
    // Setting the bar repaints it at once: only a change is worth that on every painting.
    const int last = m_lastId - m_visibleCount + 1;
    SCROLLINFO current{sizeof current, SIF_RANGE | SIF_POS, 0, 0, 0, 0, 0};
    GetScrollInfo(bar, SB_CTL, &current);
    if (ScrollBarShown() && current.nMin == 1 && current.nMax == last && current.nPos == m_topId)
        return;
    SetScrollRange(bar, SB_CTL, 1, last, TRUE);
    SetScrollPos(bar, SB_CTL, m_topId, TRUE);
    EnableScrollBar(bar, SB_CTL, ESB_ENABLE_BOTH);
    ShowWindow(bar, SW_SHOW);
}

void PropertyGrid::ExcludeScrollBar(HDC target) const {
    if (!ScrollBarShown())
        return;
    RECT bar = m_scrollBar.GetWindowRect();
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&bar), 2);
    ExcludeClipRect(target, bar.left, bar.top, bar.right, bar.bottom);
}

void PropertyGrid::Paint(HDC target) {
    if (!m_hWnd || !target)
        return;
    // The scroll bar's exclusion stays local to this painting.
    const int saved = SaveDC(target);
    PaintOffscreen(target);
    RestoreDC(target, saved);
}

void PropertyGrid::PaintOffscreen(HDC target) {
    OffscreenDC dc(target);
    RecalcLayout();
    UpdateScrollBar();
    ExcludeScrollBar(target);
    const RECT client = GetClientRect();
    propgrid::FillSolidRect(dc, client, m_bkColor);
    RECT edge = client;
    DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
    for (PropertyGridItem* row : m_items) {
        if (row->m_visible)
            row->Draw(dc);
    }
}

void PropertyGrid::Redraw() {
    if (!m_hWnd)
        return;
    fw::ClientDC dc(m_hWnd);
    Paint(dc);
}

// ---- Messages ----

LRESULT PropertyGrid::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        fw::PaintDC dc(m_hWnd);
        Paint(dc);
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_SIZE:
        return OnSize();
    case WM_VSCROLL:
        OnVScroll(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: // a quick second click is a click: the class asks for double-clicks
        OnClick({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return Default();
    case WM_GETDLGCODE:
        return OnGetDlgCode(reinterpret_cast<const MSG*>(lParam));
    case WM_KEYDOWN:
        return OnKeyDown(static_cast<UINT>(wParam)) ? 0 : Default();
    case WM_SYSKEYDOWN: {
        // The default handling sees every chord too: that is how it tells Alt held for a chord
        // from Alt tapped for the menu, which would otherwise open when Alt is let go.
        const bool handled = OnSysKeyDown(static_cast<UINT>(wParam));
        const LRESULT result = Default();
        return handled ? 0 : result;
    }
    case WM_CHAR:
        return OnChar(static_cast<UINT>(wParam)) ? 0 : Default();
    case WM_MOUSEWHEEL:
        OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_CLOSE:
    case WM_DESTROY:
        EndEditing();
        return Default();
    case WM_SETFOCUS: {
        const LRESULT result = Default();
        OnSetFocus();
        return result;
    }
    case WM_KILLFOCUS:
        OnKillFocus(reinterpret_cast<HWND>(wParam));
        return 0;
    default:
        return Default();
    }
}

LRESULT PropertyGrid::OnSize() {
    const LRESULT result = Default();
    HWND bar = m_scrollBar.GetSafeHwnd();
    // The first WM_SIZE comes during creation, before the bar exists.
    if (!bar)
        return result;
    EndEditing();
    const RECT client = GetClientRect();
    SetWindowPos(bar, HWND_TOP, client.right - 20, 5, 15, client.bottom - 10, SWP_SHOWWINDOW);
    return result;
}

void PropertyGrid::OnVScroll(int code, int position) {
    const int previousTop = m_topId;
    CloseEditor(true);
    Default();
    m_topId = ScrolledTopId(code, position);
    if (m_topId != previousTop)
        Redraw();
}

int PropertyGrid::ScrolledTopId(int code, int position) const {
    // A page is one row less than the rows shown, so one row stays in view.
    const int page = std::max(m_visibleCount - 1, 0);
    const int last = m_lastId - m_visibleCount + 1;
    switch (code) {
    case SB_LINEUP:
        return std::max(m_topId - 1, 1);
    case SB_LINEDOWN:
        return std::min(m_topId + 1, last);
    case SB_PAGEUP:
        return std::max(m_topId - page, 1);
    case SB_PAGEDOWN:
        return std::min(m_topId + page, last);
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        return position;
    case SB_TOP:
        return 1;
    case SB_BOTTOM:
        return last;
    default:
        return m_topId;
    }
}

void PropertyGrid::OnKillFocus(HWND gainingFocus) {
    if (gainingFocus && gainingFocus == m_scrollBar.GetSafeHwnd())
        EndEditing();
    Default();
    m_focusWithin = gainingFocus && IsChild(m_hWnd, gainingFocus);
    Redraw();
}

void PropertyGrid::OnSetFocus() {
    m_focusWithin = true;
    if (!CurrentRow() && !m_items.empty()) {
        m_currentId = m_items.front()->m_id;
        ScrollIntoView(0);
    }
    Redraw();
}

void PropertyGrid::FocusMovedTo(HWND window) {
    const bool within = window && (window == m_hWnd || IsChild(m_hWnd, window));
    if (within == m_focusWithin)
        return;
    m_focusWithin = within;
    Redraw();
}

void PropertyGrid::OnClick(POINT point) {
    for (PropertyGridItem* row : m_items)
        if (row->m_visible && PtInRect(&row->m_rect, point))
            m_currentId = row->m_id;
    ClickRows(point.x, point.y);
    WatchEditors();
    // A click that opens no editor leaves the keyboard on the grid.
    if (!EditingRow())
        SetFocus(m_hWnd);
    Redraw();
}

// ---- Keyboard ----

LRESULT PropertyGrid::OnGetDlgCode(const MSG* message) const {
    // Arrows and characters move and edit rows instead of moving between controls or pressing
    // mnemonics. Enter opens an editor rather than the default button; Escape with an editor
    // open cancels the edit, and without one stays the dialog's, as does Tab.
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (message && message->message == WM_KEYDOWN &&
        (message->wParam == VK_RETURN || (message->wParam == VK_ESCAPE && EditingRow())))
        code |= DLGC_WANTMESSAGE;
    return code;
}

bool PropertyGrid::OnKeyDown(UINT key) {
    const int page = std::max(RowsThatFit() - 1, 1);
    const int index = CurrentIndex();
    PropertyGridItem* row = CurrentRow();
    switch (key) {
    case VK_UP:
        MoveCurrentTo(index - 1);
        return true;
    case VK_DOWN:
        MoveCurrentTo(index + 1);
        return true;
    case VK_PRIOR:
        MoveCurrentTo(index - page);
        return true;
    case VK_NEXT:
        MoveCurrentTo(index < 0 ? page - 1 : index + page);
        return true;
    case VK_HOME:
        MoveCurrentTo(0);
        return true;
    case VK_END:
        MoveCurrentTo(static_cast<int>(m_items.size()) - 1);
        return true;
    case VK_RETURN:
    case VK_F2:
        if (row) {
            // Exactly a click on the value: the row is brought into view and laid out first.
            MoveCurrentTo(index);
            row->ActOnValueClick();
            WatchEditors();
        }
        return true;
    case VK_F4:
        return OnSysKeyDown(VK_DOWN);
    case VK_ESCAPE:
        if (!EditingRow())
            return false;
        CloseEditor(false);
        return true;
    default:
        return false;
    }
}

bool PropertyGrid::OnSysKeyDown(UINT key) {
    PropertyGridItem* row = CurrentRow();
    if ((key != VK_DOWN && key != VK_UP) || !row || !row->IsChoice())
        return false;
    MoveCurrentTo(CurrentIndex());
    row->OpenDropped();
    WatchEditors();
    return true;
}

bool PropertyGrid::OnChar(UINT code) {
    PropertyGridItem* row = CurrentRow();
    if (!IsPrintable(code) || !row)
        return false;
    MoveCurrentTo(CurrentIndex());
    if (code == ' ' && row->Toggle())
        return true;
    if (row->TypeInto(static_cast<char>(code)))
        WatchEditors();
    return true;
}

void PropertyGrid::OnWheel(int delta) {
    CloseEditor(true);
    m_wheelDelta += delta;
    const int notches = m_wheelDelta / WHEEL_DELTA;
    m_wheelDelta -= notches * WHEEL_DELTA;
    if (notches == 0)
        return;
    UINT rowsPerNotch = kDefaultWheelRows;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &rowsPerNotch, 0);
    const int page = std::max(m_visibleCount - 1, 1);
    const int rows = rowsPerNotch == WHEEL_PAGESCROLL ? page : static_cast<int>(rowsPerNotch);
    const int last = std::max(m_lastId - m_visibleCount + 1, 1);
    ScrollTo(std::clamp(m_topId - notches * rows, 1, last));
}

int PropertyGrid::CurrentIndex() const {
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i]->m_id == m_currentId)
            return static_cast<int>(i);
    return -1;
}

PropertyGridItem* PropertyGrid::CurrentRow() const {
    const int index = CurrentIndex();
    return index < 0 ? nullptr : m_items[static_cast<size_t>(index)];
}

void PropertyGrid::MoveCurrentTo(int index) {
    if (m_items.empty())
        return;
    CloseEditor(true);
    index = std::clamp(index, 0, static_cast<int>(m_items.size()) - 1);
    m_currentId = m_items[static_cast<size_t>(index)]->m_id;
    ScrollIntoView(index);
    // Also lays the rows out, so the current row's value box is where it is drawn.
    Redraw();
}

int PropertyGrid::RowsThatFit() {
    ComputeRowHeight();
    if (s_rowHeight <= 0)
        return 1;
    // A row counts as shown when its bottom lies above the client area's bottom.
    return std::max((static_cast<int>(GetClientRect().bottom) - kFirstRowTop - 1) / s_rowHeight, 1);
}

void PropertyGrid::ScrollIntoView(int index) {
    const int fit = RowsThatFit();
    int first = 0;
    while (first < static_cast<int>(m_items.size()) &&
           m_items[static_cast<size_t>(first)]->m_id < m_topId)
        ++first;
    if (index < first)
        m_topId = m_items[static_cast<size_t>(index)]->m_id;
    else if (index >= first + fit)
        m_topId = m_items[static_cast<size_t>(index - fit + 1)]->m_id;
}

void PropertyGrid::ScrollTo(int topId) {
    if (topId == m_topId)
        return;
    m_topId = topId;
    Redraw();
}

// ---- Editors ----

PropertyGridItem* PropertyGrid::EditingRow() const {
    for (PropertyGridItem* row : m_items)
        if (row->IsEditing())
            return row;
    return nullptr;
}

void PropertyGrid::CloseEditor(bool commit) {
    PropertyGridItem* row = EditingRow();
    if (!row)
        return;
    HWND editor = row->EditorWindow();
    HWND focus = GetFocus();
    const bool hadFocus = editor && focus && (focus == editor || IsChild(editor, focus));
    if (commit)
        row->EndEdit();
    else
        row->CancelEdit();
    if (hadFocus)
        SetFocus(m_hWnd);
}

void PropertyGrid::WatchEditors() {
    const auto watch = [](HWND window, LPARAM grid) -> BOOL {
        SetWindowSubclass(window, EditorSubclassProc, kEditorSubclassId,
                          static_cast<DWORD_PTR>(grid));
        return TRUE;
    };
    for (PropertyGridItem* row : m_items) {
        HWND editor = row->EditorWindow();
        if (!editor)
            continue;
        // The editor and the windows inside it: an address's fields, a drop-down's edit box.
        const auto grid = reinterpret_cast<LPARAM>(this);
        watch(editor, grid);
        EnumChildWindows(editor, watch, grid);
    }
}

bool PropertyGrid::OnEditorKey(UINT key) {
    PropertyGridItem* row = EditingRow();
    if (!row)
        return false;
    const bool dropped =
        row->IsChoice() && ::SendMessageA(row->EditorWindow(), CB_GETDROPPEDSTATE, 0, 0) != FALSE;
    switch (key) {
    case VK_RETURN:
    case VK_ESCAPE:
        // A dropped list closes first, as drop-downs do.
        if (dropped)
            return false;
        CloseEditor(key == VK_RETURN);
        return true;
    case VK_TAB:
        CloseEditor(true);
        if (HWND dialog = GetAncestor(m_hWnd, GA_ROOT); dialog && dialog != m_hWnd)
            ::SendMessageA(dialog, WM_NEXTDLGCTL, ShiftIsDown() ? TRUE : FALSE, FALSE);
        return true;
    case VK_UP:
    case VK_DOWN: {
        // A drop-down keeps them for its choices.
        if (row->IsChoice())
            return false;
        m_currentId = row->m_id;
        MoveCurrentTo(CurrentIndex() + (key == VK_UP ? -1 : 1));
        return true;
    }
    default:
        return false;
    }
}

LRESULT CALLBACK PropertyGrid::EditorSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                                  UINT_PTR id, DWORD_PTR refData) {
    auto* grid = reinterpret_cast<PropertyGrid*>(refData);
    try {
        switch (msg) {
        case WM_GETDLGCODE: {
            LRESULT code = DefSubclassProc(hwnd, msg, wParam, lParam);
            const auto* message = reinterpret_cast<const MSG*>(lParam);
            if (message && message->message == WM_KEYDOWN && IsEditorKey(message->wParam))
                code |= DLGC_WANTMESSAGE;
            return code;
        }
        case WM_KEYDOWN:
            if (grid->OnEditorKey(static_cast<UINT>(wParam)))
                return 0;
            break;
        case WM_CHAR:
            // The characters of keys the grid has already acted on.
            if (wParam == VK_RETURN || wParam == VK_ESCAPE || wParam == VK_TAB)
                return 0;
            break;
        case WM_MOUSEWHEEL:
            // Scrolls the grid; it never changes a drop-down's choice.
            grid->OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {
            const LRESULT result = DefSubclassProc(hwnd, msg, wParam, lParam);
            grid->FocusMovedTo(msg == WM_SETFOCUS ? hwnd : reinterpret_cast<HWND>(wParam));
            return result;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, EditorSubclassProc, id);
            break;
        default:
            break;
        }
    } catch (const std::exception& e) {
        fw::ReportUnhandledException(e.what());
        return 0;
    }
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}
