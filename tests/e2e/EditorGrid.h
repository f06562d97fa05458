#pragma once
// The editor page's property grid, used with the mouse as a person would. Where a row stands
// follows from the grid's layout: rows of 13 dialog units of the page, the first at y = 3, in
// order of their ids from the scroll position; the value box starts at 0.4 of the sum of the
// row's left and right edges. A row out of view is first brought up with the scroll bar.
#include <windows.h>

namespace e2e {

class EditorGrid {
  public:
    // grid: the property grid window; rowCount: how many rows it holds.
    EditorGrid(HWND grid, int rowCount);

    // Brings the row (its id, from 1) into view and clicks its value box; returns the in-place
    // editor that opens there.
    HWND OpenEditor(int row);
    // Clicks the row's caption: every open editor commits its value and closes.
    void ClickCaption(int row);

    // The open in-place editor, or null; WaitForEditor throws when none opens.
    HWND Editor() const;
    HWND WaitForEditor() const;
    // Waits until no editor is open and the grid has the focus again.
    void WaitForEditorClosed() const;
    // The row an open editor stands in, from its place and the scroll position.
    int RowOf(HWND editor) const;
    // The first row shown: the scroll bar's position.
    int TopRow() const;

  private:
    void ScrollTo(int topRow);
    int RowTop(int row) const { return kFirstRowY + (row - m_topRow) * m_rowHeight; }

    static constexpr int kFirstRowY = 3;
    HWND m_grid;
    int m_rowCount;
    int m_rowHeight;
    int m_visibleRows;
    int m_topRow = 1;
};

} // namespace e2e
