// The wizard by keys alone: every key goes to the control that has the focus, as a person's
// key does, and the focus must always be on a visible control with the default frame on the
// button that Enter presses.
#include "DriverError.h"
#include "FloppyFile.h"
#include "ProgramWalk.h"

namespace e2e {
namespace {

const std::string kCopierPage = "Copier Model Configuration";
const std::string kForcePagePage = "Force Page Configuration";
const std::string kClosingPage = "Configuration Wizard Summary";

class KeyboardWalk : public ProgramWalk {
  protected:
    // The control with the focus, once it is a visible one.
    HWND Focus() {
        HWND focus = nullptr;
        WaitUntil([&] { return (focus = FocusOf(Sheet().Window())) && IsWindowVisible(focus); });
        if (!focus || !IsWindowVisible(focus))
            throw DriverError("no visible control has the focus on \"" + Sheet().Title() + "\"");
        return focus;
    }
    void Key(UINT key) { PressKey(Focus(), key); }

    // The visible push buttons of the sheet and its page that show the default frame.
    std::vector<HWND> FramedButtons() {
        std::vector<HWND> framed;
        for (HWND parent : {Sheet().Window(), Sheet().Page()})
            for (HWND child : ChildrenOf(parent))
                if (fw::GetClassNameOf(child) == "Button" && IsWindowVisible(child) &&
                    (GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
                    framed.push_back(child);
        return framed;
    }
    void ExpectFrameOn(HWND button) {
        EXPECT_TRUE(WaitUntil([&] { return FramedButtons() == std::vector<HWND>{button}; }))
            << "on \"" << Sheet().Title() << "\" the frame is on " << FramedButtons().size()
            << " buttons, not only on \"" << TextOrCaption(button) << "\"";
    }
};

TEST_F(KeyboardWalk, EnterOnEveryPageReachesTheClosingPageWhoseEnterFinishes) {
    StartAtWelcome(SampleFloppyFile());
    ExpectFrameOn(Sheet().Control(kWizardButton));
    Key(VK_RETURN);
    Sheet().WaitForPage(kCopierPage);
    // The sample's queues offer Windows TCP/IP and EtherTalk: twelve pages to the closing page.
    for (int page = 1; page <= 12; ++page) {
        const std::string title = Sheet().Title();
        Sheet().WaitForPage(title);
        HWND focus = Focus();
        EXPECT_TRUE(IsChild(Sheet().Page(), focus)) << "the focus is not on the page " << title;
        ExpectFrameOn(Sheet().Button(kNextButton));
        if (title == "Print Queue Name Configuration")
            TypeChars(focus, "Keyed_Queue"); // replaces the name, selected on arrival
        Key(VK_RETURN);
        WaitUntil([&] { return Sheet().Title() != title; });
        ASSERT_NE(title, Sheet().Title()) << "Enter did not leave the page";
    }
    Sheet().WaitForPage(kClosingPage);
    WaitForFocus(Sheet().Button(kFinishButton));
    ExpectFrameOn(Sheet().Button(kFinishButton));
    Key(VK_RETURN);
    ExpectProgramEnds();
    ExpectFloppyFile(WithValues(SampleFloppyFile(), {{"pq0", "Keyed_Queue"}}),
                     Floppy().ReadFile(kConfigFile));
}

TEST_F(KeyboardWalk, BackFromTheEditorPutsFocusAndFrameOnConfigurationWizardAgain) {
    StartAtWelcome(SampleFloppyFile());
    Key(VK_TAB);
    WaitForFocus(Sheet().Control(kEditorButton));
    ExpectFrameOn(Sheet().Control(kEditorButton));
    Key(VK_RETURN);
    Sheet().WaitForPage("Configuration Summary");
    ExpectFrameOn(Sheet().Button(kFinishButton));
    Sheet().Press(kBackButton);
    WaitForWelcomePage();
    ExpectFrameOn(Sheet().Control(kWizardButton));
    Key(VK_ESCAPE);
    ExpectProgramEnds();
}

TEST_F(KeyboardWalk, F1OnAMiddlePageOpensTheAboutBoxAndEscapeClosesIt) {
    StartAtWelcome(SampleFloppyFile());
    Key(VK_RETURN);
    Sheet().WaitForPage(kCopierPage);
    Key(VK_RETURN);
    Sheet().WaitForPage(kForcePagePage);
    Key(VK_F1);
    HWND about = App().WaitForDialog("About");
    Sleep(300);
    int aboutBoxes = 0;
    for (HWND window : App().VisibleWindows())
        aboutBoxes += CaptionOf(window) == "About";
    EXPECT_EQ(1, aboutBoxes) << "F1 opens one About box";
    PressKey(FocusOf(about), VK_ESCAPE);
    App().WaitUntilGone(about);
    Sheet().WaitForPage(kForcePagePage);
    // Escape on the page quits, as it does wherever the focus is.
    Key(VK_ESCAPE);
    ExpectProgramEnds();
    ExpectFloppyFile(SampleFloppyFile(), Floppy().ReadFile(kConfigFile));
}

} // namespace
} // namespace e2e
