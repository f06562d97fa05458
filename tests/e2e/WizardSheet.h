#pragma once
// The program's property sheet, seen from outside: a top-level dialog box of the process with
// the wizard frame's buttons. In wizard mode its caption is the title of the page it shows.
#include <windows.h>

#include <string>

#include "AppProcess.h"

namespace e2e {

// The wizard frame's buttons (comctl32's ids) and the sheet's Cancel and Help, which the
// program labels "Quit" and "About...".
constexpr int kBackButton = 0x3023;
constexpr int kNextButton = 0x3024;
constexpr int kFinishButton = 0x3025;
constexpr int kQuitButton = IDCANCEL;
constexpr int kAboutButton = IDHELP;

class WizardSheet {
  public:
    explicit WizardSheet(const AppProcess& app) : m_app(app) {}

    // Waits until the sheet shows the page with that title; returns the page window.
    HWND WaitForPage(const std::string& title);
    // The sheet's caption now.
    std::string Title() const;
    // The page on view, and one of its controls (throws when it has none with that id).
    HWND Page() const;
    HWND Control(int id) const { return ChildWithId(Page(), id); }
    // A button of the wizard frame.
    HWND Button(int id) const { return ChildWithId(Window(), id); }
    // The frame's wizard buttons a person can use now, by name: "Back Next", "Back Finish", "".
    std::string UsableButtons() const;
    // Waits until UsableButtons() equals expected (the sheet sets its buttons a moment after it
    // shows a page); returns UsableButtons() at the end.
    std::string WaitForButtons(const std::string& expected) const;
    // Waits until a frame button can be used, then clicks it; throws when it stays hidden or
    // disabled.
    void Press(int buttonId);

    HWND Window() const;

  private:
    HWND FindSheet() const;
    // The sheet is on screen with that caption and a page.
    bool Shows(const std::string& title) const;

    const AppProcess& m_app;
    mutable HWND m_window = nullptr;
};

} // namespace e2e
