#pragma once
// CIPAddrCtl: four narrow edit fields for one dotted IPv4 address. Dialog templates create it
// by the window class name "IPAddr"; code creates it with Create. It sends no notifications:
// its users read the address when they need it.
#include <windows.h>

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
    CIPAddrCtl* m_owner = nullptr;

  protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

class CIPAddrCtl : public fw::CWnd {
  public:
    CIPAddrCtl() = default;
    ~CIPAddrCtl() override;

    const char* GetRuntimeClassName() const override { return "CIPAddrCtl"; }

    // Creates the control at run time; returns nonzero on success. The caller either deletes
    // the object (which destroys the window) or destroys the window (which frees the object
    // once it has been detached), never both.
    BOOL Create(DWORD style, const RECT& rect, HWND parent, UINT id, DWORD exStyle = 0);

    // The address as "%d.%d.%d.%d", or empty when a field is missing or out of range.
    // Returns 1 on success, 0 on failure.
    BOOL GetAddressText(BOOL reportErrors, std::string& text);
    // Shows a dotted text; missing parts show 0 and each part its low 8 bits.
    void SetAddressText(const std::string& text);
    // Field n (1 to 4), or null.
    CIPAddrField* GetField(int n);

    // Called by the fields for navigation: code 9 Tab, 13 Enter, 32 space, 46 '.', 37 Left at
    // the start, 39 Right at the end, 45 field full.
    void OnChildChar(UINT code, UINT repeatCount, UINT flags, CIPAddrField& sender);

  protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND) override;

  private:
    // (the implementation's own members)
};

// Registers the window class "IPAddr" that dialog templates name. Returns false on failure.
bool RegisterIPAddrClass();

// Exchanges a dotted address text with the IP address control of that id.
void DDX_IPAddrCtl(fw::CDataExchange* pDX, int id, std::string& value);
