#include "FloppyFolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "HostSystem.h"

namespace e2e {

namespace {

constexpr DWORD kMappingTimeoutMs = 10000;

std::string PrefixPath() {
    const char* prefix = std::getenv("WINEPREFIX");
    return prefix && *prefix ? prefix : VARDA_DEFAULT_BUILD_DIR "/wineprefix";
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

FloppyFolder::FloppyFolder(const std::string& name)
    : m_hostPath(HostWorkFolder() + "/floppy-" + name) {
    const std::string folder = ShellQuoted(m_hostPath);
    RunHostCommand("chattr -R -i " + folder + " 2>/dev/null; rm -rf " + folder + " && mkdir -p " +
                   folder + " && ln -sfn " + folder + " " +
                   ShellQuoted(PrefixPath() + "/dosdevices/a:"));
    WaitUntilDriveShowsFolder();
}

FloppyFolder::~FloppyFolder() {
    try {
        if (m_writeProtected)
            SetWriteProtected(false);
        if (!testing::Test::HasFailure())
            RunHostCommand("rm -rf " + ShellQuoted(m_hostPath));
    } catch (const DriverError& e) {
        ADD_FAILURE() << "cleaning up the floppy folder: " << e.what();
    }
}

void FloppyFolder::WaitUntilDriveShowsFolder() const {
    // Wine keeps a drive's mapping for about a second: a file that only the new folder holds
    // shows when A: has moved.
    static unsigned counter = 0;
    const std::string marker =
        "mapped-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
    WriteFileBytes(WindowsPath(marker), "");
    const DWORD start = GetTickCount();
    while (!FileExists("A:\\" + marker)) {
        if (GetTickCount() - start > kMappingTimeoutMs)
            throw DriverError("drive A: does not show " + m_hostPath);
        Sleep(10);
    }
    DeleteFileA(WindowsPath(marker).c_str());
}

std::string FloppyFolder::WindowsPath(const std::string& file) const {
    return HostToWindowsPath(m_hostPath + "/" + file);
}

void FloppyFolder::WriteConfig(const std::string& bytes) const {
    WriteFileBytes(WindowsPath("dp.ini"), bytes);
}

std::optional<std::string> FloppyFolder::ReadConfig() const {
    return ReadFileBytes(WindowsPath("dp.ini"));
}

std::vector<std::string> FloppyFolder::FileNames() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA(WindowsPath("*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.emplace_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

void FloppyFolder::SetWriteProtected(bool on) {
    // The files too: a file that is not immutable can be rewritten in an immutable folder.
    RunHostCommand(std::string("chattr -R ") + (on ? "+i " : "-i ") + ShellQuoted(m_hostPath));
    m_writeProtected = on;
}

} // namespace e2e
