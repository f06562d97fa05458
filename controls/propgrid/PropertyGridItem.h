#pragma once
// PropertyGridItem: one row of a PropertyGrid. It draws its caption with a dot leader and its
// value in a sunken box, and on a click in that box either toggles a boolean value or opens an
// in-place editor (edit box, drop-down or IP address control) that commits when the row's
// editing ends.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/propgrid/PropertyItemInfo.h"
#include "framework/Gdi.h"
#include "framework/Wnd.h"

class CIPAddrCtl;
class PropertyGrid;

// Control id of a row's in-place editor, a child window of the grid.
constexpr UINT IDC_GRID_EDITOR = 1001;

class PropertyGridItem {
  public:
    PropertyGridItem();
    // Commits and closes an open editor.
    virtual ~PropertyGridItem();
    PropertyGridItem(const PropertyGridItem&) = delete;
    PropertyGridItem& operator=(const PropertyGridItem&) = delete;

    virtual void SetTextColor(COLORREF color) { m_textColor = color; }
    virtual void SetBkColor(COLORREF color) { m_bkColor = color; }
    virtual COLORREF GetTextColor() const { return m_textColor; }
    virtual COLORREF GetBkColor() const { return m_bkColor; }
    // The font the caption is drawn in when the grid gives no shared font.
    virtual LOGFONT GetCaptionFont() const { return m_captionFont; }
    virtual void SetCaptionFont(LOGFONT font) { m_captionFont = font; }
    // Fills every field of the record except its choices, which stay as they were.
    virtual void GetInfo(PropertyItemInfo& info) const;
    virtual void SetData(int data) { m_data = data; }
    virtual int GetData() const { return m_data; }
    // Whether the grid's last layout found the row wholly inside the window.
    virtual BOOL IsVisible() const { return m_visible; }
    // Copies every field of the record; its choices are appended to the row's own.
    virtual void SetInfo(const PropertyItemInfo& info);
    // A left click at (x, y) in grid client coordinates. Ends the row's editing first; then,
    // when the row is visible and the point lies in its value box, opens the row's editor or
    // toggles its value and returns TRUE. Returns FALSE for a point elsewhere.
    virtual BOOL OnClick(int x, int y);
    virtual BOOL GetBool() const { return m_bool; }
    virtual LOGFONT GetFont() const { return m_fontValue; }
    virtual long GetLong() const { return m_long; }
    virtual int GetInt() const { return m_int; }
    virtual const std::string& GetText() const { return m_text; }
    virtual COLORREF GetColor() const { return m_color; }
    // Draws caption, value box and value into dc in the rectangle of the last layout.
    // Returns TRUE.
    virtual BOOL Draw(HDC dc);
    virtual void SetItemRect(RECT rect) { m_rect = rect; }

    // Stores the font the grid shares with its rows (not owned); returns the previous one.
    fw::CFont* SetSharedFont(fw::CFont* font);
    // Reads an open editor back into the value and closes it.
    void EndEdit();
    // Closes an open editor without reading it: the value stays what it was when it opened.
    void CancelEdit();
    bool IsEditing() const { return m_editor != nullptr; }
    // Draws the row at once into the grid window.
    void Redraw();

  protected:
    void DrawValue(HDC dc);
    void EditText(const std::string& initial);
    void EditIPAddress(const std::string& initial);
    void EditChoice(const std::string& initial);
    // Chooses the editor's font: the shared one, or one of the row's own.
    void PrepareEditFont();

    COLORREF m_textColor;
    COLORREF m_bkColor;
    fw::CFont* m_font = nullptr; // the open editor's font: m_sharedFont or &m_ownFont
    fw::CFont* m_sharedFont = nullptr;
    BOOL m_ownedByGrid = TRUE;
    BOOL m_visible = FALSE;
    LOGFONT m_captionFont;
    RECT m_rect{};
    RECT m_valueRect{};
    PropertyGrid* m_grid = nullptr;
    std::unique_ptr<fw::CWnd> m_editor;
    std::string m_caption;
    int m_id = 0;
    int m_data = 0;
    int m_type = 0;
    std::string m_text;
    int m_int = 0;
    long m_long = 0;
    LOGFONT m_fontValue{};
    COLORREF m_color = 0;
    std::string m_fileFilter;
    BOOL m_openFile = FALSE;
    BOOL m_editable = FALSE;
    std::vector<std::string> m_choices;
    BOOL m_bool = FALSE;

  private:
    friend class PropertyGrid;

    HWND GridWindow() const;
    void ActOnValueClick();
    // The keyboard's ways into a row: the row's click with the list dropped, for a choice;
    // an editor holding just the typed character, for text and numbers; a boolean's toggle.
    // Each returns false when the row has no such way.
    bool OpenDropped();
    bool TypeInto(char character);
    bool Toggle();
    bool IsBoolean() const;
    bool IsChoice() const { return m_type == PIT_COMBO; }
    HWND EditorWindow() const { return m_editor ? m_editor->GetSafeHwnd() : nullptr; }
    std::string ValueText() const;
    void DrawCaption(HDC dc, int split) const;
    // Takes a newly created editor: gives it the editor font and keeps it. A failed creation
    // leaves the row idle. Returns whether the row now edits.
    bool AdoptEditor(std::unique_ptr<fw::CWnd> editor, bool created);
    void CommitEditor(fw::CWnd& editor);
    void CommitAddress(CIPAddrCtl& control);
    void FitAddressEditorHeight(CIPAddrCtl& control) const;
    void ReleaseEditFont();

    fw::CFont m_ownFont; // the editor's font while there is no shared one
    // The caption is drawn in the highlight colours: the grid's current row while the grid
    // has the focus. Set by the grid's layout.
    bool m_highlighted = false;
};
