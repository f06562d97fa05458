#pragma once
// Builds a dialog template in memory, so a test can make a dialog or property page with
// exactly the controls it needs, independent of the program's resources.
#include <windows.h>

#include <string>
#include <vector>

namespace test {

class DialogTemplateBuilder {
  public:
    // Size in dialog units; the font is "MS Sans Serif", 8 points.
    DialogTemplateBuilder(DWORD style, short width, short height, const std::string& title);

    // className: a predefined class ("EDIT", "BUTTON", "COMBOBOX", "STATIC") or a registered
    // one. WS_CHILD | WS_VISIBLE are added to style.
    DialogTemplateBuilder& Add(WORD id, const std::string& className, const std::string& text,
                               DWORD style, short x, short y, short width, short height);

    // Valid while the builder lives and no control is added.
    const DLGTEMPLATE* Get() const;

  private:
    void AppendText(const std::string& text);
    void AlignToDword();

    std::vector<WORD> m_words;
};

} // namespace test
