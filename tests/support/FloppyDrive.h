#pragma once
// Drive A: of the running Wine prefix, mapped to a fresh host folder for one test, so "no
// floppy", "no dp.ini", "write-protected" and "floppy removed" are real file-system states.
#include <optional>
#include <string>
#include <vector>

namespace test {

class FloppyDrive {
  public:
    // Creates an empty folder /tmp/varda-tests/<pid>-<n>, maps A: to it and returns once Wine
    // sees the new mapping.
    FloppyDrive();
    // Lifts the write protection, removes the folder and leaves A: unmapped.
    ~FloppyDrive();
    FloppyDrive(const FloppyDrive&) = delete;
    FloppyDrive& operator=(const FloppyDrive&) = delete;

    // A file in the root of the floppy as the program names it: "A:\name".
    static std::string DrivePath(const std::string& name);
    // The host folder (a Linux path).
    const std::string& HostFolder() const { return m_hostFolder; }
    // A file of the host folder by its Windows path, reachable whatever A: maps to.
    std::string FolderPath(const std::string& name) const;

    // Whole files of the folder, byte for byte; ReadFile gives nothing for a missing file.
    void WriteFile(const std::string& name, const std::string& bytes) const;
    std::optional<std::string> ReadFile(const std::string& name) const;
    // Names of the entries of the folder, sorted.
    std::vector<std::string> FileNames() const;

    // The floppy is taken out: A: points to a folder that does not exist.
    void Eject();
    // There is no drive A: at all.
    void Unmap();
    // The floppy is back: A: maps to the folder again.
    void Insert();

    // Makes the folder and its files immutable (chattr +i), or only the named file: root
    // ignores permissions, not this. Returns false, changing nothing, when that is impossible
    // here or has no effect.
    bool WriteProtect(const std::string& name = "");
    void RemoveWriteProtection();

    // The disk is full: the folder becomes a small file system holding its files and a file
    // "filler" that takes all the space but spareBytes. Returns false when mounting is
    // impossible here.
    bool MakeFull(unsigned spareBytes = 0);

  private:
    // Changes the mapping with the shell command and waits until a marker file of the folder
    // is visible through A: (visible) or is not (!visible).
    void ChangeMapping(const std::string& command, bool visible);

    std::string m_hostFolder;
    bool m_mounted = false;
};

// Runs a command with /bin/sh on the host and waits for it. Returns its exit status, or -1 when
// it could not be started or did not end within ten seconds.
int RunHostCommand(const std::string& command);

// A text quoted for the shell.
std::string ShellQuoted(const std::string& text);

// The Windows path of a host path (through the drive of the host's root), and the host path of
// a Windows path.
std::string WindowsPathOfHost(const std::string& hostPath);
std::string HostPathOfWindows(const std::string& windowsPath);

} // namespace test
