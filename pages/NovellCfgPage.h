#pragma once
// NovellCfgPage: edits a queue's Novell NetWare file server (edit box 1002), queue (1003) and
// print server (1001). Bound to the queue's network set, it is shown only while that set has
// Novell.
#include <string>

#include "config/ServerConfig.h"
#include "sheet/VPropertyPage.h"

class NovellCfgPage : public CVPropertyPage {
  public:
    explicit NovellCfgPage(UINT templateId);

    const char* GetRuntimeClassName() const override { return "NovellCfgPage"; }

    // The sheet binds the page right after constructing it: the queue's three Novell fields
    // and, optionally, its network set (null: the page is not conditional).
    void SetFields(std::string* serverField, std::string* queueField, std::string* pserverField,
                   const NetworkSet* networkField);

    // Shows the fields' current texts.
    BOOL OnSetActive() override;
    BOOL IsIncluded() override;
    // Copies the three boxes into their fields exactly as typed, empty texts included.
    void StoreValues() override;

  protected:
    void DoDataExchange(fw::CDataExchange* pDX) override;

  private:
    std::string* m_pserverField = nullptr;
    std::string* m_queueField = nullptr;
    std::string* m_serverField = nullptr;
    const NetworkSet* m_networkField = nullptr;
    std::string m_pserverText;
    std::string m_queueText;
    std::string m_serverText;
};
