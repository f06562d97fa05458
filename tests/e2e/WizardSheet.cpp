#include "WizardSheet.h"

#include <utility>

#include "DriverError.h"

namespace e2e {

HWND WizardSheet::FindSheet() const {
    if (m_window && IsWindow(m_window))
        return m_window;
    for (HWND window : m_app.VisibleWindows())
        if (fw::GetClassNameOf(window) == "#32770" && GetDlgItem(window, kBackButton))
            return m_window = window;
    return nullptr;
}

HWND WizardSheet::Window() const {
    if (HWND sheet = FindSheet())
        return sheet;
    throw DriverError("the property sheet is not on screen");
}

std::string WizardSheet::Title() const {
    HWND sheet = FindSheet();
    return sheet ? CaptionOf(sheet) : std::string();
}

HWND WizardSheet::Page() const {
    for (HWND child : ChildrenOf(Window()))
        if (fw::GetClassNameOf(child) == "#32770" && IsWindowVisible(child))
            return child;
    throw DriverError("the sheet shows no page");
}

bool WizardSheet::Shows(const std::string& title) const {
    HWND sheet = FindSheet();
    if (!sheet || !IsWindowVisible(sheet) || Title() != title)
        return false;
    for (HWND child : ChildrenOf(sheet))
        if (fw::GetClassNameOf(child) == "#32770" && IsWindowVisible(child))
            return true;
    return false;
}

HWND WizardSheet::WaitForPage(const std::string& title) {
    bool shown = false;
    WaitUntil([&] { return (shown = Shows(title)) || m_app.HasExited(); });
    if (!shown)
        throw DriverError("expected the page \"" + title + "\", the sheet shows \"" + Title() +
                          "\"" + (m_app.HasExited() ? " (the program ended)" : ""));
    return Page();
}

std::string WizardSheet::UsableButtons() const {
    std::string names;
    for (const auto& [id, name] : {std::pair<int, const char*>{kBackButton, "Back"},
                                   {kNextButton, "Next"},
                                   {kFinishButton, "Finish"}})
        if (IsUsable(GetDlgItem(Window(), id)))
            names += (names.empty() ? "" : " ") + std::string(name);
    return names;
}

std::string WizardSheet::WaitForButtons(const std::string& expected) const {
    WaitUntil([&] { return UsableButtons() == expected; });
    return UsableButtons();
}

void WizardSheet::Press(int buttonId) {
    HWND button = Button(buttonId);
    WaitUntil([&] { return IsUsable(button); });
    Click(button);
}

} // namespace e2e
