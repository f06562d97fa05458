// Walks the real program by window messages and saves a picture of every page and box an
// operator meets, taken from the X display the program draws on. Run by tools/screenshots.sh
// (which sets the display, the DPI and the Wine prefix):
//
//     screenshot_walk.exe <host folder for the PNG files>
//
// Each step below brings the program to one state and names its picture; add a step to add a
// picture.
#include <cstdio>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "AppProcess.h"
#include "DriverError.h"
#include "EditorGrid.h"
#include "FloppyFile.h"
#include "WizardSheet.h"
#include "support/FloppyDrive.h"

namespace e2e {
namespace {

constexpr int kWizardButton = 11004;
constexpr int kEditorButton = 11003;
constexpr int kNovellBox = 1103;
constexpr int kIpAddress = 1011;
constexpr int kGridId = 1001;
constexpr int kGridRows = 27;
constexpr int kServerNameRow = 1;
constexpr int kSeparatorPageRow = 9;
// Gives the program's drawing time to reach the display.
constexpr DWORD kSettleMs = 400;

class ScreenshotWalk {
  public:
    explicit ScreenshotWalk(std::string folder) : m_folder(std::move(folder)) {}

    void Run() {
        StartWithoutFloppyFile();
        WizardPages();
        EditorPages();
    }

  private:
    void StartWithoutFloppyFile() {
        Start();
        HWND warning = m_app->WaitForDialog("Warning");
        Activate(warning);
        Shoot("warning-box", warning);
        Click(ChildWithId(warning, IDOK));
        m_sheet->WaitForPage("Tessel Varda Configuration Wizard");
        Quit();
    }

    void WizardPages() {
        m_floppy.WriteFile(kConfigFile, SampleFloppyFile());
        Start();
        m_sheet->WaitForPage("Tessel Varda Configuration Wizard");
        Activate(m_sheet->Window());
        Shoot("welcome", m_sheet->Window());
        Click(m_sheet->Control(kWizardButton));
        ShootPage("copier-model", "Copier Model Configuration");
        NextAndShoot("force-page", "Force Page Configuration");
        NextAndShoot("paper-size", "Default Paper Size Configuration");
        NextAndShoot("print-queue-name", "Print Queue Name Configuration");
        NextAndShoot("print-queue-networks", "Print Queue Network Configuration", true);
        NextAndShoot("print-queue-novell", "Print Queue Novell Configuration");
        NextAndShoot("hold-queue-name", "Hold Queue Name Configuration");
        NextAndShoot("hold-queue-networks", "Hold Queue Network Configuration", true);
        NextAndShoot("hold-queue-novell", "Hold Queue Novell Configuration");
        NextAndShoot("tcpip-address", "TCP/IP Address Configuration");
        IpAddressError();
        NextAndShoot("server-name", "Server Name Configuration");
        NextAndShoot("domain-name", "TCP/IP Domain Name Configuration");
        NextAndShoot("workgroup", "Windows Domain Configuration");
        NextAndShoot("zone", "EtherTalk Zone Name Configuration");
        NextAndShoot("closing", "Configuration Wizard Summary");
        // F1, as an operator asks for help.
        PressKey(FocusOf(m_sheet->Window()), VK_F1);
        HWND about = m_app->WaitForDialog("About");
        Activate(about);
        Shoot("about-box", about);
        PressKey(FocusOf(about), VK_ESCAPE);
        m_app->WaitUntilGone(about);
        Quit();
    }

    // An address with an empty field, and Next: the control's error box.
    void IpAddressError() {
        HWND lastField = ChildWithId(m_sheet->Control(kIpAddress), 4);
        ClickAt(lastField, {2, 2});
        WaitForFocus(lastField);
        PressKey(lastField, VK_END);
        TypeChars(lastField, "\b\b\b");
        WaitUntil([&] { return TextOf(lastField).empty(); });
        m_sheet->Press(kNextButton);
        HWND box = m_app->WaitForDialog("Error");
        Shoot("ip-address-error-box", box);
        Click(ChildWithId(box, IDOK));
        m_app->WaitUntilGone(box);
        WaitForFocus(lastField);
        TypeChars(lastField, "254");
        WaitUntil([&] { return TextOf(lastField) == "254"; });
    }

    void EditorPages() {
        Start();
        m_sheet->WaitForPage("Tessel Varda Configuration Wizard");
        Activate(m_sheet->Window());
        Click(m_sheet->Control(kEditorButton));
        ShootPage("editor", "Configuration Summary");
        // By keys, as the README tells: Tab to the grid, Down to the row, Enter for its editor.
        const HWND gridWindow = m_sheet->Control(kGridId);
        EditorGrid grid(gridWindow, kGridRows);
        TabTo(gridWindow);
        PressKeys(gridWindow, {VK_DOWN, VK_DOWN});
        Shoot("editor-current-row", m_sheet->Window());
        for (const auto& [name, keys] :
             {std::pair<const char*, std::vector<UINT>>{"editor-text", {VK_UP, VK_UP}},
              {"editor-drop-down", std::vector<UINT>(kSeparatorPageRow - kServerNameRow, VK_DOWN)},
              {"editor-ip-address", {VK_UP}}}) {
            std::vector<UINT> open = keys;
            open.push_back(VK_RETURN);
            PressKeys(gridWindow, open);
            const HWND editor = grid.WaitForEditor();
            Shoot(name, m_sheet->Window());
            PressKeys(editor, {VK_ESCAPE});
            grid.WaitForEditorClosed();
        }
        Quit();
    }

    void Start() {
        m_sheet.reset();
        m_app = std::make_unique<AppProcess>(VARDA_CONFIG_EXE);
        m_sheet = std::make_unique<WizardSheet>(*m_app);
    }

    void Quit() {
        m_sheet->Press(kQuitButton);
        m_app->WaitForExit();
    }

    void ShootPage(const std::string& name, const std::string& title) {
        m_sheet->WaitForPage(title);
        Shoot(name, m_sheet->Window());
    }

    void NextAndShoot(const std::string& name, const std::string& title, bool tickNovell = false) {
        m_sheet->Press(kNextButton);
        m_sheet->WaitForPage(title);
        if (tickNovell)
            SetChecked(m_sheet->Control(kNovellBox), true);
        Shoot(name, m_sheet->Window());
    }

    // A click on the window's title bar on the X display: without a window manager nothing
    // else makes a window of the virtual desktop the active one, with the keyboard focus.
    void Activate(HWND window) {
        RECT frame{};
        GetWindowRect(window, &frame);
        POINT client{0, 0};
        ClientToScreen(window, &client);
        const int x = (frame.left + frame.right) / 2;
        const int y = (frame.top + client.y) / 2;
        test::RunHostCommand("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y) +
                             " click 1");
        WaitUntil([&] { return GetForegroundWindow() == window; }, 2000);
    }

    // The window as the X display shows it, found there by its caption (Xvfb leaves some
    // popups out of a picture of the whole screen). Pictures are numbered in the order of the
    // walk.
    void Shoot(const std::string& name, HWND window) {
        Sleep(kSettleMs);
        char number[8];
        std::snprintf(number, sizeof number, "%02d-", ++m_count);
        const std::string file = m_folder + "/" + number + name + ".png";
        const std::string command = "w=$(xdotool search --onlyvisible --name " +
                                    test::ShellQuoted("^" + CaptionOf(window) + "$") +
                                    " | head -1) && xwd -silent -id $w | xwdtopnm | pnmtopng > " +
                                    test::ShellQuoted(file);
        if (test::RunHostCommand(command) != 0)
            throw DriverError("could not save " + file);
        std::cout << file << std::endl;
    }

    std::string m_folder;
    test::FloppyDrive m_floppy;
    std::unique_ptr<AppProcess> m_app;
    std::unique_ptr<WizardSheet> m_sheet;
    int m_count = 0;
};

} // namespace
} // namespace e2e

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: screenshot_walk.exe <host folder for the PNG files>\n";
        return 2;
    }
    try {
        e2e::ScreenshotWalk(argv[1]).Run();
    } catch (const std::exception& e) {
        std::cerr << "screenshot walk stopped: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
