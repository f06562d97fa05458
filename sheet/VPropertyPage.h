#pragma once
// CVPropertyPage: the base of every page of the configuration sheet. It adds an include flag
// that the sheet's own stepping consults, a hook through which the sheet makes the page write
// its values into the configuration record, and the forwarding of Back, Next and Cancel to
// the sheet. The welcome page is a plain CVPropertyPage.
#include "framework/PropertySheet.h"

class CVPropertySheet;

class CVPropertyPage : public fw::CPropertyPage {
  public:
    explicit CVPropertyPage(UINT templateId) : fw::CPropertyPage(templateId) {}

    const char* GetRuntimeClassName() const override { return "CVPropertyPage"; }

    // Whether the sheet's Back and Next may stop on this page. Subclasses add conditions.
    virtual BOOL IsIncluded() { return m_included; }
    // Copies the page's controls into the configuration record. Nothing in the base.
    virtual void StoreValues() {}
    void SetIncluded(int flag) { m_included = flag; }

    // The configuration sheet hosting the page (null when hosted by a plain sheet).
    CVPropertySheet* GetVSheet() const;

    // On the welcome page: no wizard button, focus on "Configuration &Wizard".
    BOOL OnSetActive() override;
    // Leaving the page: its values go into the record, then the validating exchange runs.
    // FALSE keeps the page.
    BOOL OnKillActive() override;
    // Ask the sheet to step; -1 keeps the platform from stepping by itself.
    LRESULT OnWizardBack() override;
    LRESULT OnWizardNext() override;

  protected:
    // A cancel command that reaches the page closes the whole sheet, as "Quit" does.
    void OnCancel() override;
    // The welcome page's mode buttons.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    int m_included = 1;
};
