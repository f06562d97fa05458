#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ResourceSupport.h"
#include "resources/DropDownItems.h"
#include "resources/resource.h"

namespace {

using fw::LoadResourceString;

TEST(StringTable, SheetTextsAreTheProductsOwn) {
    const struct {
        UINT id;
        const char* text;
    } cases[] = {
        {IDS_SHEET_CAPTION, "Wizard"},  {IDS_QUIT_ON_WELCOME, "Quit"}, {IDS_QUIT, "Quit"},
        {IDS_ABOUT_BUTTON, "About..."}, {IDS_FINISH, "Finish"},
    };
    for (const auto& expected : cases)
        EXPECT_EQ(expected.text, LoadResourceString(expected.id)) << "string " << expected.id;
}

// A drop-down page as the dialog manager builds it, filled by the helper the pages call.
class DropDownLists : public testing::Test {
  protected:
    static std::vector<std::string> ShownItems(HWND list) {
        std::vector<std::string> items;
        const LRESULT count = SendMessageA(list, CB_GETCOUNT, 0, 0);
        for (WPARAM i = 0; i < static_cast<WPARAM>(count); ++i) {
            const auto length = static_cast<size_t>(SendMessageA(list, CB_GETLBTEXTLEN, i, 0));
            std::vector<char> buffer(length + 1);
            SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer.data()));
            items.emplace_back(buffer.data(), length);
        }
        return items;
    }

    test::DialogHost m_dialogs;
};

TEST_F(DropDownLists, ItemsComeInTemplateOrderAndShowSorted) {
    const struct {
        UINT dialog;
        std::vector<std::string> templateOrder;
        std::vector<std::string> shownOrder;
    } cases[] = {
        {IDD_COPIER_MODEL,
         {"Xerox 5750", "Xerox 5790", "Xerox 5799"},
         {"Xerox 5750", "Xerox 5790", "Xerox 5799"}},
        {IDD_FORCE_PAGE, {"off", "metric", "english"}, {"english", "metric", "off"}},
        {IDD_DEFAULT_PAPER, {"letter", "a4"}, {"a4", "letter"}},
    };
    ASSERT_TRUE(m_dialogs.Ready());
    for (const auto& expected : cases) {
        SCOPED_TRACE("dialog " + std::to_string(expected.dialog));
        std::vector<std::string> templateOrder;
        for (size_t i = 0; i < expected.templateOrder.size() + 1; ++i)
            templateOrder.push_back(LoadResourceString(
                static_cast<UINT>(IDS_LIST_ITEMS(expected.dialog)) + static_cast<UINT>(i)));
        EXPECT_EQ("", templateOrder.back()) << "the list ends after its last item";
        templateOrder.pop_back();
        EXPECT_EQ(expected.templateOrder, templateOrder);

        test::Window page = m_dialogs.Create(expected.dialog);
        ASSERT_TRUE(page);
        EXPECT_EQ(static_cast<int>(expected.shownOrder.size()),
                  resources::FillDropDownList(page.get(), static_cast<int>(expected.dialog)));
        EXPECT_EQ(expected.shownOrder, ShownItems(GetDlgItem(page.get(), IDC_CHOICE)));
    }
}

TEST_F(DropDownLists, APageWithoutAListGetsNoItems) {
    ASSERT_TRUE(m_dialogs.Ready());
    test::Window page = m_dialogs.Create(IDD_SERVER_NAME);
    ASSERT_TRUE(page);
    EXPECT_EQ(0, resources::FillDropDownList(page.get(), IDD_SERVER_NAME));
}

TEST(ApplicationIcon, HoldsThirtyTwoSixteenAndThePageIconsLargerSizes) {
    // The group directory: a 6-byte header, then 14-byte entries.
    const test::ResourceBytes group =
        test::FindResourceBytes(MAKEINTRESOURCEA(IDI_APPLICATION_ICON), RT_GROUP_ICON);
    ASSERT_GE(group.size, 6u);
    const auto word = [&](size_t at) {
        return static_cast<unsigned>(group.data[at] | group.data[at + 1] << 8);
    };
    const unsigned count = word(4);
    ASSERT_EQ(5u, count);
    ASSERT_GE(group.size, 6u + 14u * count);
    std::vector<std::string> images;
    for (size_t i = 0; i < count; ++i) {
        const BYTE* entry = group.data + 6 + 14 * i;
        const unsigned colours = 1u << word(6 + 14 * i + 6); // from the bits per pixel
        images.push_back(std::to_string(entry[0]) + "x" + std::to_string(entry[1]) + " " +
                         std::to_string(colours));
    }
    EXPECT_EQ(
        (std::vector<std::string>{"32x32 16", "32x32 256", "16x16 16", "48x48 256", "64x64 256"}),
        images);

    for (int size : {16, 32, 48, 64}) {
        const HANDLE icon =
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APPLICATION_ICON),
                       IMAGE_ICON, size, size, LR_DEFAULTCOLOR);
        EXPECT_NE(nullptr, icon) << size;
        DestroyIcon(static_cast<HICON>(icon));
    }
}

std::string VersionValue(const std::vector<BYTE>& info, const std::string& path) {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(info.data(), path.c_str(), &value, &length) || !value)
        return "(missing)";
    return std::string(static_cast<const char*>(value));
}

TEST(VersionRecord, NamesTheProductAndItsVersions) {
    const std::string exe = test::ModulePath();
    std::vector<BYTE> info(GetFileVersionInfoSizeA(exe.c_str(), nullptr));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));

    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", &value, &length));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(MAKELONG(0, 1), fixed->dwFileVersionMS);
    EXPECT_EQ(MAKELONG(9, 0), fixed->dwFileVersionLS);
    EXPECT_EQ(MAKELONG(0, 1), fixed->dwProductVersionMS);
    EXPECT_EQ(MAKELONG(1, 0), fixed->dwProductVersionLS);

    // The strings sit in the block that the translation entry names.
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", &value, &length));
    ASSERT_GE(length, 4u);
    const WORD* translation = static_cast<const WORD*>(value);
    char block[40];
    snprintf(block, sizeof block, "\\StringFileInfo\\%04X%04X\\", translation[0], translation[1]);
    const struct {
        const char* key;
        const char* text;
    } cases[] = {
        {"FileDescription", "Tessel Varda Color Server"},
        {"ProductName", "Tessel Varda Color Server"},
        {"InternalName", "Tessel Varda Configuration Wizard"},
        {"FileVersion", "1.0.0.9"},
        {"ProductVersion", "1.0.0.1"},
        {"CompanyName", "Tessel"},
    };
    for (const auto& expected : cases)
        EXPECT_EQ(expected.text, VersionValue(info, block + std::string(expected.key)));
}

// Read from the built program itself, which carries the same resources as this suite.
TEST(Manifest, RunsAsInvokerSystemDpiAwareOnWindows7To11WithTheClassicControls) {
    HMODULE program = LoadLibraryExA(VARDA_CONFIG_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, program) << VARDA_CONFIG_EXE;
    HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(nullptr, found);
    const std::string text(static_cast<const char*>(LockResource(LoadResource(program, found))),
                           SizeofResource(program, found));
    FreeLibrary(program);
    for (const char* entry : {"level=\"asInvoker\"", ">true</dpiAware>", ">system</dpiAwareness>",
                              "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
                              "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // 8
                              "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // 8.1
                              "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}) // 10 and 11
        EXPECT_NE(std::string::npos, text.find(entry)) << entry;
    EXPECT_EQ(std::string::npos, text.find("Common-Controls"));
}

} // namespace
