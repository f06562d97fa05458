#pragma once
// CVSummaryPage: the Configuration Editor. One page that shows every field of the
// configuration record as a row of a property grid, copies the rows back into the record
// whenever the page is left, and saves the record to the floppy on Finish. The page keeps no
// copy of the settings: the grid is rebuilt from the record on every activation.
#include <array>
#include <string>

#include "config/ServerConfig.h"
#include "controls/propgrid/PropertyGrid.h"
#include "framework/Gdi.h"
#include "sheet/VPropertyPage.h"

class CVSummaryPage : public CVPropertyPage {
  public:
    static constexpr int kFieldCount = 27;

    // One field of the record as a row edits it: a text, a plain number, or a set of
    // networks shown by its display name.
    struct FieldRef {
        enum Kind { Text, Number, Networks };
        Kind kind;
        std::string* text;
        int* number;
    };

    // Binds the page to the fields of config, which must outlive the page.
    explicit CVSummaryPage(ServerConfig& config);
    ~CVSummaryPage() override;

    const char* GetRuntimeClassName() const override { return "CVSummaryPage"; }

    // Rebuilds the rows from the record, then the page base's activation.
    BOOL OnSetActive() override;
    // Saves. TRUE (the sheet closes) only when the floppy file was written; otherwise the
    // page stays with its values, so Finish can be pressed again or the sheet left by "Quit".
    BOOL OnWizardFinish() override;
    // The page leaves: the rows go into the record (GetItemsFromList).
    void StoreValues() override;

    // Fills the grid with one row per record field, ids 1 to 27 in record order.
    void AddItemsToList();
    // Commits an open in-place editor, then copies every row into its field. Returns TRUE.
    BOOL GetItemsFromList();
    // Writes the rows into the record and saves it; after a save that reached the floppy the
    // sheet returns to the welcome page. Returns whether the floppy file was written.
    bool OnSave();

  protected:
    // Binds the grid's placeholder frame.
    void DoDataExchange(fw::CDataExchange* pDX) override;
    // Creates the grid over the placeholder frame.
    BOOL OnInitDialog() override;
    // The save command.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  private:
    // A font owned elsewhere, held in the form the grid takes; never deleted here.
    class BorrowedFont {
      public:
        BorrowedFont() = default;
        ~BorrowedFont() { m_font.Detach(); }
        BorrowedFont(const BorrowedFont&) = delete;
        BorrowedFont& operator=(const BorrowedFont&) = delete;
        fw::CFont* Hold(HFONT font) {
            m_font.Detach();
            m_font.Attach(font);
            return &m_font;
        }

      private:
        fw::CFont m_font;
    };

    // Puts the field's value into a row description, and a row's value into the field.
    static void ShowField(const FieldRef& field, PropertyItemInfo& info);
    static void StoreField(const FieldRef& field, const PropertyGridItem& row);

    ServerConfig& m_config;
    // The page's dialog font (owned by the sheet or the dialog manager), shared with the
    // grid's rows: declared first, so it outlives them.
    BorrowedFont m_pageFont;
    PropertyGrid m_list;
    fw::CWnd m_listFrame;
    std::array<FieldRef, kFieldCount> m_fieldPtrs;
    std::array<int, kFieldCount> m_rowIds{};
};
