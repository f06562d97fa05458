#pragma once
// PropertyGrid: a custom-drawn, scrollable child window that shows an ordered list of rows,
// each a caption on the left and a typed value in a sunken box on the right, and lets the
// operator change values in place by clicking them (PropertyGridItem).
//
// Rows carry ids 1, 2, 3, ... in the order they were added; removing a row leaves a gap and
// only RemoveAllItems starts the numbering again. Every operation that names a row by id or
// by caption returns FALSE (null, 0) and changes nothing when there is no such row. No
// operation repaints: rows added, removed or changed appear at the next painting or Redraw.
// The grid sends nothing to its owner; an owner calls EndEditing before it reads values.
//
// Keyboard: the grid keeps a current row, highlighted while the grid or its editor has the
// focus. Up, Down, Page Up, Page Down, Home and End move it (scrolling it into view); Enter or
// F2 opens its editor as a click on its value does, Alt+Down or F4 drops a choice's list, a
// character typed on a text or number row starts its editor with that character, and space
// toggles a boolean. In an editor, Enter commits, Escape closes without committing (both give
// the focus back to the grid), Tab and Shift+Tab commit and move on to the dialog's next or
// previous control, and Up and Down commit and move the current row (a drop-down keeps them
// for its choices). The wheel scrolls the grid, committing an open editor first.
#include <windows.h>

#include <string>
#include <vector>

#include "controls/propgrid/PropertyGridItem.h"
#include "controls/propgrid/PropertyItemInfo.h"
#include "controls/propgrid/PropertyItemType.h"
#include "framework/Gdi.h"
#include "framework/Wnd.h"

// Control id of the grid's vertical scroll bar.
constexpr UINT IDC_GRID_SCROLLBAR = 1000;

class PropertyGrid : public fw::CWnd {
  public:
    // Where an iteration over the rows stands: 0 when it is done.
    using ItemPosition = size_t;

    PropertyGrid();
    // Deletes the rows the grid created, unlinks the others and destroys the window.
    ~PropertyGrid() override;

    // Creates the window and its scroll bar. Returns FALSE when the window could not be made.
    virtual BOOL Create(DWORD style, const RECT& rect, HWND parent, UINT id,
                        void* context = nullptr);
    // Appends the strings to the row's choices; the choices it had stay.
    virtual BOOL SetItemChoices(int id, const std::vector<std::string>& choices);
    virtual BOOL SetItemChoices(const std::string& caption,
                                const std::vector<std::string>& choices);
    // The colours of the grid and of every row it holds now.
    virtual void SetBkColor(COLORREF color);
    virtual void SetTextColor(COLORREF color);
    virtual COLORREF GetTextColor() const { return m_textColor; }
    virtual COLORREF GetBkColor() const { return m_bkColor; }
    virtual BOOL SetItemText(int id, const std::string& text);
    virtual BOOL SetItemText(const std::string& caption, const std::string& text);
    virtual BOOL SetItemLong(int id, long value);
    virtual BOOL SetItemLong(const std::string& caption, long value);
    virtual BOOL SetItemInt(int id, int value);
    virtual BOOL SetItemInt(const std::string& caption, int value);
    virtual BOOL SetItemFont(int id, LOGFONT font);
    virtual BOOL SetItemFont(const std::string& caption, LOGFONT font);
    virtual BOOL SetItemColor(int id, COLORREF color);
    virtual BOOL SetItemColor(const std::string& caption, COLORREF color);
    // The row's rectangle from the last layout (empty before its first).
    virtual BOOL GetItemRect(int id, RECT& rect);
    virtual BOOL GetItemRect(const std::string& caption, RECT& rect);
    // Whether the last layout found the row wholly inside the window.
    virtual BOOL IsItemVisible(int id);
    virtual BOOL IsItemVisible(const std::string& caption);
    // Appends a row that stays the caller's: the grid only unlinks it. The row takes the
    // grid's colours and shared font. Returns its id (0 for a null row).
    virtual int AddItem(PropertyGridItem* row);
    // Appends a row made from the record, which the grid owns. It keeps the default colours
    // and takes the shared font. Returns its id.
    virtual int AddItem(const PropertyItemInfo& info);
    // As above, with a record of that caption, type and data and default values otherwise.
    virtual int AddItem(const std::string& caption, PropertyItemType type, int data);
    // The first row, in list order, with exactly that caption (case matters), or null.
    virtual PropertyGridItem* FindItem(const std::string& caption);
    virtual PropertyGridItem* FindItem(int id);
    virtual BOOL GetItemText(int id, std::string& text);
    virtual BOOL GetItemText(const std::string& caption, std::string& text);
    virtual BOOL GetItemColor(int id, COLORREF& color);
    virtual BOOL GetItemColor(const std::string& caption, COLORREF& color);
    virtual BOOL GetItemFont(int id, LOGFONT& font);
    virtual BOOL GetItemFont(const std::string& caption, LOGFONT& font);
    virtual BOOL GetItemLong(int id, long& value);
    virtual BOOL GetItemLong(const std::string& caption, long& value);
    virtual BOOL GetItemInt(int id, int& value);
    virtual BOOL GetItemInt(const std::string& caption, int& value);
    // Unlinks the row and deletes it when the grid made it. Ids are not reused.
    virtual BOOL RemoveItem(int id);
    virtual void CommitEdits() { EndEditing(); }
    // Iteration in list order: for (pos = GetFirstItemPosition(); pos;) GetNextItem(pos).
    virtual ItemPosition GetFirstItemPosition() const;
    // The row at pos; pos moves on (to 0 after the last row).
    virtual PropertyGridItem* GetNextItem(ItemPosition& pos) const;
    virtual BOOL GetItemInfo(int id, PropertyItemInfo& info);
    virtual BOOL SetItemData(int id, int data);
    virtual BOOL SetItemInfo(int id, const PropertyItemInfo& info);
    // The row's data, 0 when there is no such row.
    virtual int GetItemData(int id);
    virtual BOOL ItemExists(int id);
    // Rows in the list (not the last id issued).
    virtual int GetItemCount() const { return static_cast<int>(m_items.size()); }
    // Deletes the rows the grid made, unlinks the others, numbers from 1 again and scrolls
    // to the top.
    virtual void RemoveAllItems();
    // Every row commits and closes its editor.
    virtual void EndEditing();

    // The font handed to rows added from now on (not owned); returns the previous one.
    fw::CFont* SetSharedFont(fw::CFont* font);
    // Paints the whole grid at once.
    void Redraw();

    // Id of the row the keyboard acts on, 0 when there is none.
    int GetCurrentItem() const { return m_currentId; }

  protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    // Keys, wheel and focus of an open editor's windows reach the grid through this subclass.
    static LRESULT CALLBACK EditorSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                               UINT_PTR id, DWORD_PTR refData);
    // Routes the keys of every open editor's windows through EditorSubclassProc.
    void WatchEditors();
    // Handles a key pressed in an editor window; false leaves it to the editor.
    bool OnEditorKey(UINT key);
    // Closes the open editor, committing it or not; the focus, if the editor had it, comes
    // back to the grid.
    void CloseEditor(bool commit);
    PropertyGridItem* EditingRow() const;

    LRESULT OnGetDlgCode(const MSG* message) const;
    bool OnKeyDown(UINT key);
    bool OnSysKeyDown(UINT key);
    bool OnChar(UINT code);
    void OnWheel(int delta);
    void OnClick(POINT point);
    void OnSetFocus();
    // Whether the focus, now on window, is the grid's or its editor's; repaints on a change.
    void FocusMovedTo(HWND window);

    // Index of the current row in the list, -1 when there is none.
    int CurrentIndex() const;
    PropertyGridItem* CurrentRow() const;
    // Makes the row at that list index (clamped) current and scrolls it into view.
    void MoveCurrentTo(int index);
    void ScrollIntoView(int index);
    void ScrollTo(int topId);
    // How many rows the window shows at once.
    int RowsThatFit();

    template <typename Key, typename Action> BOOL WithItem(const Key& key, Action action);

    void Paint(HDC target);
    void PaintOffscreen(HDC target);
    void RecalcLayout();
    void ComputeRowHeight();
    void UpdateScrollBar();
    void ExcludeScrollBar(HDC target) const;
    bool ScrollBarShown() const;
    LRESULT OnSize();
    void OnVScroll(int code, int position);
    int ScrolledTopId(int code, int position) const;
    // Hands a click to every row in list order.
    void ClickRows(int x, int y);
    void OnKillFocus(HWND gainingFocus);
    // Deletes a row the grid made; a caller's row is closed and let go.
    static void ReleaseItem(PropertyGridItem* row);

    int m_visibleCount = 0; // rows wholly inside the window at the last layout
    int m_topId = 1;        // id of the first row shown: the scroll position
    fw::CWnd m_scrollBar;   // vertical, IDC_GRID_SCROLLBAR
    int m_lastId = 0;       // last id issued; the row count for scrolling
    COLORREF m_bkColor;
    COLORREF m_textColor;
    fw::CFont* m_sharedFont = nullptr;
    std::vector<PropertyGridItem*> m_items; // display order; rows with m_ownedByGrid are ours
    int m_currentId = 0;                    // the keyboard's row, 0 when none
    bool m_focusWithin = false;             // the grid or its editor has the focus
    int m_wheelDelta = 0;                   // wheel movement not yet turned into rows

    // Row height in pixels, shared by every grid: 13 dialog units of the first grid's parent
    // dialog, measured once.
    static int s_rowHeight;
};
