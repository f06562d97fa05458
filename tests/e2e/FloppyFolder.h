#pragma once
// Drive A: of the Wine prefix, mapped to a fresh host folder for one walk, so "no dp.ini",
// "write-protected" and the bytes the program wrote are real file-system states.
#include <optional>
#include <string>
#include <vector>

namespace e2e {

class FloppyFolder {
  public:
    // name labels the folder (a file-name-safe word); whatever an earlier run left there goes.
    // Returns once Wine sees A: as the new folder.
    explicit FloppyFolder(const std::string& name);
    // Lifts the write protection; removes the folder unless the test failed, so a failing
    // walk's floppy can be looked at.
    ~FloppyFolder();
    FloppyFolder(const FloppyFolder&) = delete;
    FloppyFolder& operator=(const FloppyFolder&) = delete;

    const std::string& HostPath() const { return m_hostPath; }

    // dp.ini in the root of the floppy.
    void WriteConfig(const std::string& bytes) const;
    std::optional<std::string> ReadConfig() const;
    // Names of the files in the root of the floppy, sorted.
    std::vector<std::string> FileNames() const;

    // chattr +i / -i on the folder and its files: root ignores permissions, not that flag.
    void SetWriteProtected(bool on);

  private:
    void WaitUntilDriveShowsFolder() const;
    std::string WindowsPath(const std::string& file) const;

    std::string m_hostPath;
    bool m_writeProtected = false;
};

} // namespace e2e
