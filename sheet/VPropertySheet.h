#pragma once
// CVPropertySheet: the program's one window, a wizard-style property sheet that hosts every
// page. It steps between pages itself (include flags and page conditions), never the platform;
// gives the sheet and its pages the font of the first page's template; and answers every help
// request with the About box.
#include <array>
#include <map>
#include <memory>
#include <string>

#include "config/ServerConfig.h"
#include "framework/Gdi.h"
#include "framework/PropertySheet.h"
#include "sheet/FontScaler.h"
#include "sheet/VPropertyPage.h"

// Posted by the sheet to itself to place a newly shown page.
constexpr UINT WM_RESIZEPAGE = WM_APP + 1;

class CVPropertySheet : public fw::CPropertySheet {
  public:
    // Builds every page, bound to the fields of config, which must outlive the sheet.
    CVPropertySheet(ServerConfig& config, HWND parent = nullptr);
    ~CVPropertySheet() override;

    const char* GetRuntimeClassName() const override { return "CVPropertySheet"; }

    // The page being left stores its values, then the nearest included page after (before)
    // it is shown. Back never goes below the welcome page.
    void GoNext();
    void GoBack();
    // The welcome page's mode buttons: reload the record, set the include pattern, go on.
    void StartWizard();
    void StartEditor();
    // Back to the welcome page with the wizard pattern (after the editor has saved).
    void ReturnToWelcome();
    // Activates a page and has it placed in the page rectangle once the platform is done.
    BOOL ShowPage(int index);
    // Wizard buttons for the page about to be shown.
    void UpdateWizardButtons(int index);

    CVPropertyPage* PageAt(int index) const;

    // Every help request opens the About box; the sheet stays on its page.
    void WinHelp(DWORD_PTR data, UINT command) override;

  protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void BuildPropPageArray() override;
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    void AddVPage(std::unique_ptr<CVPropertyPage> page);
    void SetIncludedRange(int first, int last, int flag);
    void ApplyPageFont(HWND window);
    FontMeasure MeasureOnce(HWND window, HFONT font);
    void PlaceActivePage();
    LRESULT OnResizePage(WPARAM what);
    void SetIcons();
    void FocusShownPage();
    HWND DefaultWizardButton() const;
    HWND EnterButton(HWND focus) const;
    void FrameDefaultButton(HWND page, HWND enterButton) const;

    ServerConfig& m_config;
    std::array<std::unique_ptr<CVPropertyPage>, 30> m_pageTable;
    RECT m_pageRect{};
    fw::CFont m_pageFont;
    // The title bar's, the task bar's and every page's application icon.
    fw::CIcon m_smallIcon;
    fw::CIcon m_largeIcon;
    fw::CIcon m_pageIcon;
    int m_pageIconPixels = 32;
    // Measures of the fonts met in the font pass, by their description.
    std::map<std::string, FontMeasure> m_fontMeasures;
};
