#pragma once
// GeneralStringPage: edits one text field of the configuration record in edit box 1011. It can
// make itself depend on the networks chosen for the two queues (the workgroup and zone pages).
#include <string>

#include "config/ServerConfig.h"
#include "sheet/VPropertyPage.h"

class GeneralStringPage : public CVPropertyPage {
  public:
    // maxLength is the limit the page's own text states for the networks; the box takes text
    // of any length.
    GeneralStringPage(UINT templateId, int maxLength);

    const char* GetRuntimeClassName() const override { return "GeneralStringPage"; }

    // The sheet binds the page right after constructing it: the record field it edits.
    void SetField(std::string* field) { m_field = field; }
    // Optional: the page is then shown only while queueSetA or queueSetB has a network of
    // networkMask. A null set does not restrict the page.
    void SetNetworkCondition(const NetworkSet* queueSetA, const NetworkSet* queueSetB,
                             NetworkSet networkMask);

    // Shows the field's current text.
    BOOL OnSetActive() override;
    BOOL IsIncluded() override;
    // Copies the box's whole text into the field, unchanged.
    void StoreValues() override;

  protected:
    void DoDataExchange(fw::CDataExchange* pDX) override;

  private:
    bool QueueOffersNetwork(const NetworkSet* queueSet) const;

    std::string* m_field = nullptr;
    const NetworkSet* m_queueSetA = nullptr;
    const NetworkSet* m_queueSetB = nullptr;
    NetworkSet m_networkMask = 0;
    std::string m_value;
    int m_maxLength;
};
