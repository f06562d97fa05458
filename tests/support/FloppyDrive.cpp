#include "support/FloppyDrive.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace test {

namespace {

constexpr DWORD kWaitLimitMs = 10000;
constexpr DWORD kPollMs = 2;

// A folder of this process under /tmp/varda-tests for floppies and command status files;
// removed at exit, when everything in it is gone.
class ProcessFolder {
  public:
    ProcessFolder() {
        const std::string root = "/tmp/varda-tests";
        CreateDirectoryA(WindowsPathOfHost(root).c_str(), nullptr);
        // Creating the folder is what reserves the name, also against other Wine prefixes.
        for (int n = 1; m_host.empty(); ++n) {
            const std::string host =
                root + "/" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(n);
            if (CreateDirectoryA(WindowsPathOfHost(host).c_str(), nullptr))
                m_host = host;
            else if (GetLastError() != ERROR_ALREADY_EXISTS)
                throw std::runtime_error("cannot create the test folder " + host);
        }
    }
    ~ProcessFolder() { RemoveDirectoryA(WindowsPathOfHost(m_host).c_str()); }
    ProcessFolder(const ProcessFolder&) = delete;
    ProcessFolder& operator=(const ProcessFolder&) = delete;

    // A new name, unique within the run, and the path of that name in the folder.
    std::string NewName(const std::string& stem) {
        return stem + "-" + std::to_string(++m_counter);
    }
    std::string NewPath(const std::string& stem) { return m_host + "/" + NewName(stem); }

  private:
    std::string m_host;
    int m_counter = 0;
};

ProcessFolder& TestFolder() {
    static ProcessFolder folder;
    return folder;
}

std::string DosDevices() {
    const char* prefix = std::getenv("WINEPREFIX");
    if (prefix == nullptr || *prefix == '\0')
        throw std::runtime_error("WINEPREFIX is not set: cannot map drive A:");
    return std::string(prefix) + "/dosdevices";
}

std::string DriveLink() {
    return DosDevices() + "/a:";
}

bool Exists(const std::string& windowsPath) {
    return GetFileAttributesA(windowsPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Polls until condition holds; false when it still does not after the wait limit.
template <typename Condition> bool WaitUntil(Condition condition) {
    for (const DWORD start = GetTickCount(); !condition();) {
        if (GetTickCount() - start > kWaitLimitMs)
            return false;
        Sleep(kPollMs);
    }
    return true;
}

// Converts with one of Wine's own path functions; it returns a heap block the caller frees.
template <typename Result, typename Argument>
Result ConvertWithWine(const char* function, Argument argument, const std::string& path) {
    using Converter = Result (*)(Argument);
    const auto convert = reinterpret_cast<Converter>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), function)));
    if (convert == nullptr)
        throw std::runtime_error(std::string("not running under Wine: no ") + function);
    Result converted = convert(argument);
    if (converted == nullptr)
        throw std::runtime_error(std::string(function) + " cannot convert " + path);
    return converted;
}

class FindHandle {
  public:
    FindHandle(const std::string& pattern, WIN32_FIND_DATAA& data)
        : m_handle(FindFirstFileA(pattern.c_str(), &data)) {}
    ~FindHandle() {
        if (m_handle != INVALID_HANDLE_VALUE)
            FindClose(m_handle);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    HANDLE Get() const { return m_handle; }

  private:
    HANDLE m_handle;
};

} // namespace

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string WindowsPathOfHost(const std::string& hostPath) {
    // Through the drive of the host's root, never through a drive that maps a folder of the
    // path: Wine recognises a drive's folder by its inode for a second, so a new folder can
    // pass for the removed one that drive A: mapped before.
    static const std::string rootDrive = [] {
        WCHAR* wide = ConvertWithWine<WCHAR*>("wine_get_dos_file_name", "/", "/");
        std::string drive;
        for (const WCHAR* c = wide; *c != L'\0'; ++c)
            drive += static_cast<char>(*c);
        HeapFree(GetProcessHeap(), 0, wide);
        return drive.substr(0, drive.size() - 1); // "Z:\" less its separator
    }();
    std::string path = rootDrive + hostPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string HostPathOfWindows(const std::string& windowsPath) {
    const int size = MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(size > 0 ? size : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, &wide[0], size);
    char* host = ConvertWithWine<char*>("wine_get_unix_file_name", wide.c_str(), windowsPath);
    std::string path = host;
    HeapFree(GetProcessHeap(), 0, host);
    return path;
}

int RunHostCommand(const std::string& command) {
    if (command.find('"') != std::string::npos)
        throw std::invalid_argument("host commands quote with ' only: " + command);
    // Wine gives no process handle to wait on for a host program: the command leaves its
    // status in a file, renamed into place so that it is never read half written.
    const std::string status = TestFolder().NewPath("status");
    const std::string script = "(" + command + ") >/dev/null 2>&1; echo $? >" +
                               ShellQuoted(status + ".part") + " && mv " +
                               ShellQuoted(status + ".part") + " " + ShellQuoted(status);
    std::string commandLine = "/bin/sh -c \"" + script + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return -1;
    // For a host program Wine fills the process information with stray values (a thread
    // "handle" of 1, say): closing them could close one of this process's own handles, such as
    // its standard output. There is nothing to close.
    const std::string statusPath = WindowsPathOfHost(status);
    if (!WaitUntil([&] { return Exists(statusPath); }))
        return -1;
    int exitStatus = -1;
    std::ifstream(statusPath) >> exitStatus;
    DeleteFileA(statusPath.c_str());
    return exitStatus;
}

FloppyDrive::FloppyDrive() : m_hostFolder(TestFolder().NewPath("floppy")) {
    if (!CreateDirectoryA(WindowsPathOfHost(m_hostFolder).c_str(), nullptr))
        throw std::runtime_error("cannot create the floppy folder " + m_hostFolder);
    try {
        Insert();
    } catch (...) {
        RemoveDirectoryA(WindowsPathOfHost(m_hostFolder).c_str());
        throw;
    }
}

FloppyDrive::~FloppyDrive() {
    RunHostCommand((m_mounted ? "umount " + ShellQuoted(m_hostFolder) + "; " : std::string()) +
                   "chattr -R -i " + ShellQuoted(m_hostFolder) + "; rm -rf " +
                   ShellQuoted(m_hostFolder) + "; rm -f " + ShellQuoted(DriveLink()));
}

std::string FloppyDrive::DrivePath(const std::string& name) {
    return "A:\\" + name;
}

std::string FloppyDrive::FolderPath(const std::string& name) const {
    return WindowsPathOfHost(m_hostFolder + "/" + name);
}

void FloppyDrive::WriteFile(const std::string& name, const std::string& bytes) const {
    const std::string path = FolderPath(name);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    const bool ok =
        file != INVALID_HANDLE_VALUE &&
        ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    const DWORD error = GetLastError();
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    if (!ok)
        throw std::runtime_error("cannot write " + path + " (error " + std::to_string(error) + ")");
}

std::optional<std::string> FloppyDrive::ReadFile(const std::string& name) const {
    std::ifstream file(FolderPath(name), std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<std::string> FloppyDrive::FileNames() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data{};
    FindHandle find(FolderPath("*"), data);
    for (BOOL more = find.Get() != INVALID_HANDLE_VALUE; more;
         more = FindNextFileA(find.Get(), &data)) {
        const std::string name = data.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

void FloppyDrive::Eject() {
    ChangeMapping("ln -sfn " + ShellQuoted(m_hostFolder + "-ejected") + " " +
                      ShellQuoted(DriveLink()),
                  false);
}

void FloppyDrive::Unmap() {
    ChangeMapping("rm -f " + ShellQuoted(DriveLink()), false);
}

void FloppyDrive::Insert() {
    ChangeMapping("mkdir -p " + ShellQuoted(DosDevices()) + " && ln -sfn " +
                      ShellQuoted(m_hostFolder) + " " + ShellQuoted(DriveLink()),
                  true);
}

bool FloppyDrive::WriteProtect(const std::string& name) {
    const std::string target =
        name.empty() ? "-R " + ShellQuoted(m_hostFolder) : ShellQuoted(m_hostFolder + "/" + name);
    if (RunHostCommand("chattr +i " + target) != 0)
        return false;
    // Without the right to set the flag, or on a file system without it, nothing is protected.
    const std::string probe = name.empty() ? DrivePath("varda-probe.tmp") : DrivePath(name);
    HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr,
                              name.empty() ? CREATE_NEW : OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return true;
    CloseHandle(file);
    if (name.empty())
        DeleteFileA(probe.c_str());
    RemoveWriteProtection();
    return false;
}

void FloppyDrive::RemoveWriteProtection() {
    if (RunHostCommand("chattr -R -i " + ShellQuoted(m_hostFolder)) != 0)
        throw std::runtime_error("cannot lift the write protection of " + m_hostFolder);
}

bool FloppyDrive::MakeFull(unsigned spareBytes) {
    const std::string folder = ShellQuoted(m_hostFolder);
    const std::string kept = ShellQuoted(m_hostFolder + "-kept");
    const std::string filler = ShellQuoted(m_hostFolder + "/filler");
    // The folder's files move onto a small file system mounted over it, which a filler file
    // then fills up.
    m_mounted = RunHostCommand("mkdir " + kept + " && cp -a " + folder + "/. " + kept +
                               " && mount -t tmpfs -o size=64k varda-floppy " + folder) == 0;
    const bool full =
        m_mounted && RunHostCommand("cp -a " + kept + "/. " + folder + " && { cat /dev/zero >" +
                                    filler + "; test -s " + filler + "; } && truncate -s -" +
                                    std::to_string(spareBytes) + " " + filler) == 0;
    RunHostCommand("rm -rf " + kept);
    return full;
}

void FloppyDrive::ChangeMapping(const std::string& command, bool visible) {
    const std::string markerName = TestFolder().NewName("marker");
    WriteFile(markerName, ""); // fails while the folder is write-protected
    const int status = RunHostCommand(command);
    const bool seen =
        status == 0 && WaitUntil([&] { return Exists(DrivePath(markerName)) == visible; });
    DeleteFileA(FolderPath(markerName).c_str());
    if (!seen)
        throw std::runtime_error("drive A: did not follow `" + command + "`");
}

} // namespace test
