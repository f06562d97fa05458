#include "controls/propgrid/PropertyGridItem.h"

#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <utility>

#include "controls/ipaddr/IPAddrCtl.h"
#include "controls/propgrid/GridDrawing.h"
#include "controls/propgrid/PropertyGrid.h"

namespace {
// The caption is always this long: a short one is padded with a dot leader that runs on to
// the value box, where clipping cuts it.
constexpr size_t kCaptionLength = 255;
// How far a drop-down's list may reach below the value box.
constexpr int kChoiceListHeight = 150;
// The widest dotted address, for sizing the IP address editor.
constexpr char kWidestAddress[] = "888.888.888.888";
// The editors keep their text on one line and scroll it sideways.
constexpr DWORD kEditorStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;

// The C library's decimal reading: leading blanks, a sign, digits up to the first other
// character; no digits give 0.
long DecimalValue(const std::string& text) {
    return std::strtol(text.c_str(), nullptr, 10);
}

std::string FaceName(const LOGFONT& font) {
    return std::string(font.lfFaceName, strnlen(font.lfFaceName, LF_FACESIZE));
}

bool AllFieldsEmpty(CIPAddrCtl& control) {
    for (int n = 1; n <= 4; ++n) {
        const CIPAddrField* field = control.GetField(n);
        if (!field || GetWindowTextLengthA(field->GetSafeHwnd()) > 0)
            return false;
    }
    return true;
}
} // namespace

PropertyGridItem::PropertyGridItem()
    : m_textColor(GetSysColor(COLOR_BTNTEXT)), m_bkColor(GetSysColor(COLOR_BTNFACE)),
      m_captionFont(DefaultPropertyFont()) {}

PropertyGridItem::~PropertyGridItem() {
    EndEdit();
}

void PropertyGridItem::GetInfo(PropertyItemInfo& info) const {
    info.m_caption = m_caption;
    info.m_type = m_type;
    info.m_data = m_data;
    info.m_text = m_text;
    info.m_long = m_long;
    info.m_int = m_int;
    info.m_editable = m_editable;
    info.m_fileFilter = m_fileFilter;
    info.m_openFile = m_openFile;
    info.m_bool = m_bool;
    info.m_fontValue = m_fontValue;
    info.m_color = m_color;
}

void PropertyGridItem::SetInfo(const PropertyItemInfo& info) {
    m_caption = info.m_caption;
    m_type = info.m_type;
    m_data = info.m_data;
    m_text = info.m_text;
    m_long = info.m_long;
    m_int = info.m_int;
    m_choices.insert(m_choices.end(), info.m_choices.begin(), info.m_choices.end());
    m_editable = info.m_editable;
    m_fileFilter = info.m_fileFilter;
    m_openFile = info.m_openFile;
    m_bool = info.m_bool;
    m_fontValue = info.m_fontValue;
    m_color = info.m_color;
}

fw::CFont* PropertyGridItem::SetSharedFont(fw::CFont* font) {
    return std::exchange(m_sharedFont, font);
}

HWND PropertyGridItem::GridWindow() const {
    return m_grid ? m_grid->GetSafeHwnd() : nullptr;
}

// ---- Drawing ----

BOOL PropertyGridItem::Draw(HDC dc) {
    // Without a shared font the caption font is made for this painting only.
    fw::CFont ownFont;
    if (!m_sharedFont)
        ownFont.CreatePointFontIndirect(m_captionFont, dc);
    fw::SelectObjectGuard selectFont(dc, m_sharedFont ? m_sharedFont->GetSafeHandle()
                                                      : ownFont.GetSafeHandle());
    ::SetTextColor(dc, m_textColor);
    ::SetBkColor(dc, m_bkColor);

    // 0.4 of the sum of both edges, not 0.4 of the width past the left edge.
    const int split = (m_rect.left + m_rect.right) * 2 / 5;
    DrawCaption(dc, split);
    m_valueRect = {split, m_rect.top + 1, m_rect.right - propgrid::ScrollBarAllowance(),
                   m_rect.bottom};
    propgrid::FillSolidRect(dc, m_valueRect, GetSysColor(COLOR_WINDOW));
    DrawValue(dc);
    RECT edge = m_valueRect;
    DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
    return TRUE;
}

void PropertyGridItem::DrawCaption(HDC dc, int split) const {
    std::string caption = m_caption.substr(0, kCaptionLength);
    caption.resize(kCaptionLength, '.');
    RECT box{m_rect.left + 2, m_rect.top + 1, split, m_rect.bottom};
    if (m_highlighted) {
        propgrid::FillSolidRect(dc, box, GetSysColor(COLOR_HIGHLIGHT));
        ::SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    const UINT previousAlign = SetTextAlign(dc, TA_BOTTOM | TA_LEFT);
    ExtTextOutA(dc, box.left, box.bottom - 2, ETO_CLIPPED, &box, caption.data(),
                static_cast<UINT>(caption.size()), nullptr);
    SetTextAlign(dc, previousAlign);
    ::SetTextColor(dc, m_textColor);
}

void PropertyGridItem::DrawValue(HDC dc) {
    if (m_type == PIT_COLOR) {
        propgrid::FillSolidRect(dc, m_valueRect, m_color);
        return;
    }
    const std::string text = ValueText();
    RECT box = propgrid::LineBox(m_valueRect, propgrid::LineHeight(dc));
    ExtTextOutA(dc, box.left, box.top, ETO_CLIPPED, &box, text.data(),
                static_cast<UINT>(text.size()), nullptr);
}

std::string PropertyGridItem::ValueText() const {
    switch (m_type) {
    case PIT_TEXT:
    case PIT_FILE:
    case PIT_COMBO:
    case PIT_IPADDRESS:
        return m_text;
    case PIT_INT:
        return std::to_string(m_int);
    case PIT_LONG:
        return std::to_string(m_long);
    case PIT_FONT:
        return FaceName(m_fontValue);
    case PIT_TRUEFALSE:
        return m_bool ? "True" : "False";
    case PIT_YESNO:
        return m_bool ? "Yes" : "No";
    case PIT_ONOFF:
        return m_bool ? "On" : "Off";
    default:
        return {};
    }
}

void PropertyGridItem::Redraw() {
    HWND grid = GridWindow();
    if (!grid)
        return;
    fw::ClientDC dc(grid);
    Draw(dc);
}

// ---- Clicks and editors ----

BOOL PropertyGridItem::OnClick(int x, int y) {
    EndEdit();
    if (!m_visible)
        return FALSE;
    if (!PtInRect(&m_valueRect, POINT{x, y}))
        return FALSE;
    ActOnValueClick();
    return TRUE;
}

void PropertyGridItem::ActOnValueClick() {
    switch (m_type) {
    case PIT_TEXT:
    case PIT_FILE:
        EditText(m_text);
        break;
    case PIT_INT:
        EditText(std::to_string(m_int));
        break;
    case PIT_LONG:
        EditText(std::to_string(m_long));
        break;
    case PIT_COMBO:
        EditChoice(m_text);
        break;
    case PIT_IPADDRESS:
        EditIPAddress(m_text);
        break;
    case PIT_TRUEFALSE:
    case PIT_YESNO:
    case PIT_ONOFF:
        Toggle();
        break;
    default:
        break;
    }
}

bool PropertyGridItem::IsBoolean() const {
    return m_type == PIT_TRUEFALSE || m_type == PIT_YESNO || m_type == PIT_ONOFF;
}

bool PropertyGridItem::Toggle() {
    if (!IsBoolean())
        return false;
    m_bool = !m_bool;
    Redraw();
    return true;
}

bool PropertyGridItem::OpenDropped() {
    EndEdit();
    if (!IsChoice())
        return false;
    EditChoice(m_text);
    if (m_editor)
        m_editor->SendMessage(CB_SHOWDROPDOWN, TRUE);
    return true;
}

bool PropertyGridItem::TypeInto(char character) {
    EndEdit();
    switch (m_type) {
    case PIT_TEXT:
    case PIT_FILE:
    case PIT_INT:
    case PIT_LONG:
        break;
    default:
        return false;
    }
    EditText(std::string(1, character));
    // The caret after the character, as if it had been typed over the selected value.
    if (m_editor)
        m_editor->SendMessage(EM_SETSEL, 1, 1);
    return true;
}

void PropertyGridItem::PrepareEditFont() {
    ReleaseEditFont();
    if (m_sharedFont) {
        m_font = m_sharedFont;
        return;
    }
    fw::ClientDC dc(GridWindow());
    m_ownFont.CreatePointFontIndirect(m_captionFont, dc);
    m_font = &m_ownFont;
}

void PropertyGridItem::ReleaseEditFont() {
    m_font = nullptr;
    m_ownFont.DeleteObject();
}

bool PropertyGridItem::AdoptEditor(std::unique_ptr<fw::CWnd> editor, bool created) {
    if (!created) {
        ReleaseEditFont();
        return false;
    }
    m_editor = std::move(editor);
    m_editor->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font->GetSafeHandle()), TRUE);
    return true;
}

void PropertyGridItem::EditText(const std::string& initial) {
    if (!GridWindow())
        return;
    PrepareEditFont();
    // As high as a line of its font, where the value's text is drawn.
    RECT rect{};
    {
        fw::ClientDC dc(GridWindow());
        fw::SelectObjectGuard font(dc, m_font->GetSafeHandle());
        rect = propgrid::LineBox(m_valueRect, propgrid::LineHeight(dc));
    }
    auto editor = std::make_unique<fw::CWnd>();
    const bool created =
        editor->CreateEx(0, "EDIT", nullptr, kEditorStyle, rect, GridWindow(), IDC_GRID_EDITOR);
    if (!AdoptEditor(std::move(editor), created))
        return;
    m_editor->SetWindowText(initial);
    SetFocus(m_editor->GetSafeHwnd());
    m_editor->SendMessage(EM_SETSEL, 0, -1);
    m_editor->SendMessage(EM_SCROLLCARET);
}

void PropertyGridItem::EditIPAddress(const std::string& initial) {
    HWND grid = GridWindow();
    if (!grid)
        return;
    PrepareEditFont();
    RECT rect = propgrid::DeflatedRect(m_valueRect, 2);
    {
        // In the editor's own font; the control widens itself if its fields need more.
        fw::ClientDC dc(grid);
        fw::SelectObjectGuard font(dc, m_font->GetSafeHandle());
        rect.right = rect.left + fw::MeasureText(dc, kWidestAddress).cx;
    }
    auto editor = std::make_unique<CIPAddrCtl>();
    CIPAddrCtl* control = editor.get();
    const bool created = control->Create(kEditorStyle, rect, grid, IDC_GRID_EDITOR, 0) != FALSE;
    if (!AdoptEditor(std::move(editor), created))
        return;
    FitAddressEditorHeight(*control);
    control->SetAddressText(initial);
    SetFocus(control->GetSafeHwnd());
}

void PropertyGridItem::FitAddressEditorHeight(CIPAddrCtl& control) const {
    // Taller than the 2-pixel inset when a line of the font needs it, up to the whole value
    // box, centred in it.
    const RECT placed = control.GetWindowRect();
    const int boxHeight = m_valueRect.bottom - m_valueRect.top;
    const int height = std::min(
        std::max(static_cast<int>(placed.bottom - placed.top), control.MinimumHeight()), boxHeight);
    const int top = m_valueRect.top + (boxHeight - height) / 2;
    SetWindowPos(control.GetSafeHwnd(), nullptr, m_valueRect.left + 2, top,
                 placed.right - placed.left, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void PropertyGridItem::EditChoice(const std::string& initial) {
    if (!GridWindow())
        return;
    PrepareEditFont();
    // The box covers the value box; its list drops down below it.
    const RECT rect{m_valueRect.left, m_valueRect.top, m_valueRect.right,
                    m_valueRect.bottom + kChoiceListHeight};
    const DWORD style =
        WS_CHILD | WS_VISIBLE | static_cast<DWORD>(m_editable ? CBS_DROPDOWN : CBS_DROPDOWNLIST);
    auto editor = std::make_unique<fw::CWnd>();
    const bool created =
        editor->CreateEx(0, "COMBOBOX", nullptr, style, rect, GridWindow(), IDC_GRID_EDITOR);
    if (!AdoptEditor(std::move(editor), created))
        return;
    m_editor->SetWindowText(initial);
    LRESULT match = CB_ERR;
    for (const std::string& choice : m_choices) {
        const LRESULT index =
            m_editor->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.c_str()));
        if (index >= 0 && choice == initial)
            match = index;
    }
    if (!m_editable && match != CB_ERR)
        m_editor->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(match));
    SetFocus(m_editor->GetSafeHwnd());
}

void PropertyGridItem::EndEdit() {
    if (!m_editor)
        return;
    // Out of the row first: anything the commit sets off finds the row idle.
    std::unique_ptr<fw::CWnd> editor = std::move(m_editor);
    if (IsWindow(editor->GetSafeHwnd()))
        CommitEditor(*editor);
    editor.reset();
    ReleaseEditFont();
}

void PropertyGridItem::CancelEdit() {
    m_editor.reset();
    ReleaseEditFont();
}

void PropertyGridItem::CommitEditor(fw::CWnd& editor) {
    switch (m_type) {
    case PIT_TEXT:
    case PIT_FILE:
    case PIT_COMBO:
        // A drop-down list's text is its selected choice, empty when none is selected.
        m_text = editor.GetWindowText();
        break;
    case PIT_INT:
        m_int = static_cast<int>(DecimalValue(editor.GetWindowText()));
        break;
    case PIT_LONG:
        m_long = DecimalValue(editor.GetWindowText());
        break;
    case PIT_IPADDRESS:
        // The type may have changed while the editor was open; only an address editor
        // holds an address.
        if (auto* control = dynamic_cast<CIPAddrCtl*>(&editor))
            CommitAddress(*control);
        break;
    default:
        break;
    }
}

void PropertyGridItem::CommitAddress(CIPAddrCtl& control) {
    // Four empty fields are how an operator clears an optional address.
    if (AllFieldsEmpty(control)) {
        m_text.clear();
        return;
    }
    // An incomplete or out-of-range address keeps the previous value: a typing slip must not
    // erase an address.
    std::string text;
    if (control.GetAddressText(FALSE, text))
        m_text = text;
}
