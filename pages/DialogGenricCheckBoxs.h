#pragma once
// DialogGenricCheckBoxs: edits the set of networks that offer a queue through the check boxes
// "Windows TCP/IP" (1101), "EtherTalk" (1102) and "Novell" (1103).
#include "config/ServerConfig.h"
#include "sheet/VPropertyPage.h"

class DialogGenricCheckBoxs : public CVPropertyPage {
  public:
    explicit DialogGenricCheckBoxs(UINT templateId);

    const char* GetRuntimeClassName() const override { return "DialogGenricCheckBoxs"; }

    // The sheet binds the page right after constructing it: the queue's network set.
    void SetNetworkField(NetworkSet* networkField) { m_networkField = networkField; }

    // Ticks the box of each network bit in the set; other bits are not shown.
    BOOL OnSetActive() override;
    // The set becomes the bits of the ticked boxes alone: any other bit is cleared.
    void StoreValues() override;

  protected:
    void DoDataExchange(fw::CDataExchange* pDX) override;

  private:
    NetworkSet* m_networkField = nullptr;
    int m_etherTalk = 0;
    int m_novell = 0;
    int m_windowsTcpip = 0;
};
