#pragma once
// Dialog templates built in memory, so the tests create real dialogs (and the control by its
// class name "IPAddr", as the program's templates do) without resources of their own.
#include <windows.h>

#include <string>
#include <vector>

namespace test {

class DialogTemplate {
  public:
    // Sizes in dialog units; the dialog gets the 8-point "MS Shell Dlg" font.
    DialogTemplate(DWORD style, short width, short height);

    DialogTemplate& AddControl(const std::string& className, WORD id, DWORD style, short x, short y,
                               short width, short height, const std::string& text = std::string());

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

  private:
    void AddDword(DWORD value);
    void AddString(const std::string& text);
    void AlignToDword();

    std::vector<WORD> m_words;
};

} // namespace test
