#pragma once
// IpConfigPage: edits the server's IP address (IP address control 1011), subnet mask (1005)
// and DHCP client switch (check box 1004). The box does not disable the addresses: both are
// stored whatever its state.
#include <string>

#include "sheet/VPropertyPage.h"

class IpConfigPage : public CVPropertyPage {
  public:
    explicit IpConfigPage(UINT templateId);

    const char* GetRuntimeClassName() const override { return "IpConfigPage"; }

    // The sheet binds the page right after constructing it: the record's IP address, subnet
    // mask and DHCP ("yes"/"no") fields.
    void SetFields(std::string* ipField, std::string* maskField, std::string* dhcpField);

    // Shows the record's values (LoadValues).
    BOOL OnSetActive() override;
    // Writes the DHCP switch and both addresses into the record without reporting an invalid
    // address (leaving the page reports it once, in OnKillActive). From an invalid address
    // on, the stored addresses keep the text they had before.
    void StoreValues() override;
    // Copies the record into the controls; the box is ticked for "yes" in any letter case.
    virtual void LoadValues();

  protected:
    void DoDataExchange(fw::CDataExchange* pDX) override;

  private:
    void ExchangeValues(fw::CDataExchange* pDX, bool reportErrors);

    std::string* m_dhcpField = nullptr;
    std::string* m_maskField = nullptr;
    std::string* m_ipField = nullptr;
    int m_dhcp = 0;
    std::string m_ipText;
    std::string m_maskText;
};
