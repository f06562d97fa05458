#pragma once
// genericcombo: edits one text field of the configuration record through drop-down list 1010,
// whose items the dialog template supplies.
#include <string>

#include "sheet/VPropertyPage.h"

class genericcombo : public CVPropertyPage {
  public:
    explicit genericcombo(UINT templateId);

    const char* GetRuntimeClassName() const override { return "genericcombo"; }

    // The sheet binds the page right after constructing it: the record field it edits.
    void SetField(std::string* field) { m_field = field; }

    // Selects the first item that begins with the field's text, without regard to case; a
    // text that begins no item leaves the selection as it was.
    BOOL OnSetActive() override;
    // Copies the selected item's text into the field; with no item selected (a value the list
    // does not hold) the field keeps its value.
    void StoreValues() override;

  protected:
    // Fills the list with the items that come with the page's template, then shows the value.
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange* pDX) override;

  private:
    std::string* m_field = nullptr;
    std::string m_value;
};
