#include "HostSystem.h"

#include <cstdlib>
#include <vector>

namespace e2e {

namespace {

// Owns a file handle.
class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    ~FileHandle() {
        if (IsOpen())
            CloseHandle(m_handle);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_handle; }

  private:
    HANDLE m_handle;
};

std::string WorkFolderPath() {
    const char* buildDir = std::getenv("VARDA_BUILD_DIR");
    return std::string(buildDir && *buildDir ? buildDir : VARDA_DEFAULT_BUILD_DIR) + "/e2e-work";
}

void DeleteWindowsFile(const std::string& hostPath) {
    DeleteFileA(HostToWindowsPath(hostPath).c_str());
}

} // namespace

std::string HostToWindowsPath(const std::string& hostPath) {
    std::string path = "Z:" + hostPath;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

const std::string& HostWorkFolder() {
    static const std::string folder = [] {
        const std::string path = WorkFolderPath();
        CreateDirectoryA(HostToWindowsPath(path).c_str(), nullptr);
        return path;
    }();
    return folder;
}

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

void RunHostCommand(const std::string& command, DWORD timeoutMs) {
    // The command line goes through Windows argument parsing: it must hold no double quote.
    if (command.find('"') != std::string::npos)
        throw DriverError("host command holds a double quote: " + command);
    static unsigned counter = 0;
    const std::string base = HostWorkFolder() + "/command-" +
                             std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(++counter);
    const std::string status = base + ".status";
    const std::string errors = base + ".err";
    // The status file appears whole (rename), so a reader never sees half of it.
    std::string line = "/bin/sh -c \"( " + command + " ) >/dev/null 2>" + ShellQuoted(errors) +
                       "; echo $? >" + ShellQuoted(status + ".part") + " && mv " +
                       ShellQuoted(status + ".part") + " " + ShellQuoted(status) + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        throw DriverError("cannot start /bin/sh for: " + command);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    const DWORD start = GetTickCount();
    std::optional<std::string> result;
    while (!(result = ReadFileBytes(HostToWindowsPath(status)))) {
        if (GetTickCount() - start > timeoutMs)
            throw DriverError("host command did not finish: " + command);
        Sleep(2);
    }
    const std::string messages = ReadFileBytes(HostToWindowsPath(errors)).value_or("");
    DeleteWindowsFile(status);
    DeleteWindowsFile(errors);
    if (std::atoi(result->c_str()) != 0)
        throw DriverError("host command failed: " + command + "\n" + messages);
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen())
        return std::nullopt;
    std::string bytes;
    std::vector<char> block(4096);
    DWORD read = 0;
    while (ReadFile(file.Get(), block.data(), static_cast<DWORD>(block.size()), &read, nullptr) &&
           read > 0)
        bytes.append(block.data(), read);
    return bytes;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file.IsOpen() ||
        !WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size())
        throw DriverError("cannot write " + path);
}

} // namespace e2e
