#pragma once
// The Linux side of the test machine, seen from the Windows driver under Wine: host paths,
// shell commands and whole-file reads and writes.
#include <windows.h>

#include <optional>
#include <stdexcept>
#include <string>

namespace e2e {

// A step of a walk that did not happen as a person would have seen it.
class DriverError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The Windows path of a host path (Wine maps the host root as drive Z:).
std::string HostToWindowsPath(const std::string& hostPath);

// A host folder for the driver's own files, under the build directory; created on first use.
const std::string& HostWorkFolder();

// Runs a command with /bin/sh on the host and waits for it; a non-zero exit status throws, with
// what the command wrote to its standard error. Wine gives no usable process handle for a host
// program, so the command reports its status in a file.
void RunHostCommand(const std::string& command, DWORD timeoutMs = 10000);

// Quotes a host path for the shell.
std::string ShellQuoted(const std::string& text);

// Whole files, byte for byte, by Windows path.
std::optional<std::string> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

} // namespace e2e
