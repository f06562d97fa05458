#pragma once
// StaticTextDialog: the wizard's closing page (dialog 2002). It shows text only and edits no
// field, so activation and leaving are the base page's; its Finish saves the record to the
// floppy.
#include "config/ServerConfig.h"
#include "sheet/VPropertyPage.h"

class StaticTextDialog : public CVPropertyPage {
  public:
    // The argument is not used: the page is always built on dialog 2002.
    explicit StaticTextDialog(int unused);

    const char* GetRuntimeClassName() const override { return "StaticTextDialog"; }

    // The sheet binds the page right after constructing it: the record Finish saves.
    void SetConfig(const ServerConfig* config) { m_config = config; }

    // Saves the record. TRUE (the sheet closes) only when the floppy file was written; when
    // the operator gave up on an unwritable floppy the sheet stays here with the record
    // intact, so Finish can be pressed again or the program left by "Quit".
    BOOL OnWizardFinish() override;

  private:
    const ServerConfig* m_config = nullptr;
};
