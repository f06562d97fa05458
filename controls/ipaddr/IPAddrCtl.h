#pragma once
// CIPAddrCtl: four narrow edit fields for one dotted IPv4 address. Dialog templates create it
// by the window class name "IPAddr"; code creates it with Create. It sends no notifications:
// its users read the address when they need it.
#include <windows.h>

#include <array>
#include <string>

#include "framework/DataExchange.h"
#include "framework/Wnd.h"

// Window style bit: a field that fills up is not range-checked before the caret moves on.
#define IPACS_NOVALIDATE 0x0001

// wParam: nonzero to report an invalid field in a box; lParam: IPAddrResult*. Returns 1 when
// all four fields are valid, else 0.
#define IPAC_GETADDRESS (WM_USER)
// lParam: four bytes, field 1 first. Returns 1 (0 for a null lParam).
#define IPAC_SETADDRESS (WM_USER + 1)
// wParam: nonzero read-only, 0 writable. Returns 1.
#define IPAC_SETREADONLY (WM_USER + 2)

struct IPAddrResult {
    BYTE octet[4];
    // 0 when all fields are valid, else the number (1 to 4) of the first invalid field.
    int errorField;
};

class CIPAddrCtl;

// One field of the control: an edit box that takes digits and hands navigation keys to its
// owner.
class CIPAddrField : public fw::CWnd {
  public:
    // A field holds at most this many characters; one that holds them all counts as full.
    static constexpr int kMaxDigits = 3;

    CIPAddrCtl* m_owner = nullptr;

  protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    LRESULT OnGetDlgCode(const MSG* message);
    LRESULT OnChar(UINT code, LPARAM keyData);
    LRESULT OnKeyDown(UINT key);
    // Character index of the caret, found from its position as the edit control reports it.
    int CaretIndex() const;
    int TextLength() const;
    // Sends IDCANCEL to the dialog that holds the control's dialog (a sheet holding a page).
    // Returns false when the control does not sit in a dialog inside a dialog.
    bool CancelEnclosingDialog() const;
};

class CIPAddrCtl : public fw::CWnd {
  public:
    CIPAddrCtl() = default;
    ~CIPAddrCtl() override;

    const char* GetRuntimeClassName() const override { return "CIPAddrCtl"; }

    // Creates the control at run time; returns nonzero on success. The object stays the
    // caller's, who deletes it (which destroys the window). Whatever destroys the window first
    // only detaches the object; it is never freed with the window.
    BOOL Create(DWORD style, const RECT& rect, HWND parent, UINT id, DWORD exStyle = 0);

    // The address as "%d.%d.%d.%d", or empty when a field is missing or out of range.
    // Returns 1 on success, 0 on failure.
    BOOL GetAddressText(BOOL reportErrors, std::string& text);
    // Shows a dotted text; missing parts show 0 and each part its low 8 bits.
    void SetAddressText(const std::string& text);
    // Field n (1 to 4), or null.
    CIPAddrField* GetField(int n);
    // The narrowest window that shows three digits in every field, in the control's font,
    // with the fields' margins and the control's frame. The control never stays narrower
    // once it has a font.
    int MinimumWidth() const;
    // The lowest window whose fields show a whole line of the control's font.
    int MinimumHeight() const;

    // Codes a field hands to OnChildChar besides the characters Tab, Enter, space and '.'.
    enum ChildCode : UINT { kLeftAtStart = 37, kRightAtEnd = 39, kFieldFull = 45 };

    // Called by the fields for navigation: code 9 Tab, 13 Enter, 32 space, 46 '.', 37 Left at
    // the start, 39 Right at the end, 45 field full.
    void OnChildChar(UINT code, UINT repeatCount, UINT flags, CIPAddrField& sender);

  protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND) override;

  private:
    friend bool RegisterIPAddrClass();
    friend class CIPAddrField;

    // A field reports each character it is about to handle. Returns false for a '.' or space
    // typed right after a full field moved the caret on by itself: the operator typed the
    // separator the control had already stepped over.
    bool TakeCharacter(UINT code, const CIPAddrField& field);
    // Any other key or click ends that grace.
    void ForgetStep() { m_steppedInto = 0; }
    // Procedure of the class "IPAddr": attaches a new object on WM_NCCREATE.
    static LRESULT CALLBACK ClassWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    LRESULT OnCreate(const CREATESTRUCTA& create);
    void OnSize();
    // Widens the window to MinimumWidth; returns false when it was wide enough.
    bool GrowToMinimumWidth();
    int DotWidth() const;
    LRESULT OnEraseBackground(HDC dc) const;
    void PaintDots(HDC dc) const;
    void OnEnable(bool enabled);
    LRESULT OnSetReadOnly(WPARAM readOnly);
    void OnSetFont(HFONT font, LPARAM redraw);
    void OnSetFocus();
    LRESULT OnSetAddress(const BYTE* octets);
    LRESULT OnGetAddress(bool reportErrors, IPAddrResult* result);

    // Focuses field n (1 to 4), selecting its whole text when asked.
    void FocusField(int n, bool selectAll);
    // Moves on from a non-empty field n to field n + 1; field 4 and empty fields stay.
    void MoveToNextField(int n, bool selectAll);
    void MoveToNeighbourTabStop(bool previous) const;
    // The field-full range check; false (after telling the operator) when the value is out
    // of range.
    bool CheckFullField(CIPAddrField& field);
    void ShowError(const std::string& text) const;

    std::array<CIPAddrField, 4> m_fields;
    std::array<RECT, 4> m_fieldRects{};
    std::array<RECT, 3> m_dotRects{};
    BOOL m_enabled = TRUE;
    BOOL m_readOnly = FALSE;
    BOOL m_noValidate = FALSE;
    HFONT m_font = nullptr; // the fields' and dots' font; its sender's, never deleted here
    // The field a full field handed the caret to, until the next character: 0 when none.
    int m_steppedInto = 0;
    // Set for a control a dialog template made: its window owns it and frees it last.
    bool m_deleteWithWindow = false;
};

// Registers the window class "IPAddr" that dialog templates name (once; later calls report
// the first result). Returns false on failure.
bool RegisterIPAddrClass();

// Exchanges a dotted address text with the IP address control of that id. Storing an invalid
// address fails the exchange at the bad field, with the control's error box when reportErrors.
void DDX_IPAddrCtl(fw::CDataExchange* pDX, int id, std::string& value, bool reportErrors = true);
