#include "config/ConfigStore.h"

#include <windows.h>

#include <cstdio>

#include "config/FileAccess.h"
#include "config/StoreOperations.h"
#include "framework/MessageBox.h"

const char kFloppyConfigPath[] = "a:\\dp.ini";

namespace {

const char kNoFloppyFileText[] =
    "No configuration file exists on the floppy disk or floppy disk not present. The utility "
    "will create one and default settings will be used.";
const char kFloppyWriteFailedText[] =
    "The Configuration Wizard could not write the data to the floppy disk. Ensure that the floppy "
    "disk is inserted and not write-protected.";

struct StorePaths {
    std::string workingCopy;
    std::string scratch;
};

StorePaths& Paths() {
    static StorePaths paths;
    return paths;
}

// Where the floppy file is copied on its way into the working copy.
std::string ScratchPath() {
    return Paths().scratch;
}

// The system's temporary directory, ending in a path separator; empty when there is none.
std::string TempDirectory() {
    std::string directory(GetTempPathA(0, nullptr), '\0');
    const DWORD length =
        directory.empty() ? 0 : GetTempPathA(static_cast<DWORD>(directory.size()), &directory[0]);
    // A length that no longer fits means the directory changed between the calls.
    directory.resize(length < directory.size() ? length : 0);
    return directory;
}

// Asks the operator after a failed save; true when the answer is Retry.
bool OperatorRetries() {
    return fw::ShowMessageBox(nullptr, kFloppyWriteFailedText, "Error",
                              MB_RETRYCANCEL | MB_ICONWARNING) == IDRETRY;
}

bool CreateDefaultWorkingCopy(const std::string& workingCopyPath) {
    if (!WriteDefaultConfigFile(workingCopyPath))
        return false;
    fw::ShowMessageBox(nullptr, kNoFloppyFileText, "Warning", MB_OK | MB_ICONWARNING);
    return true;
}

} // namespace

std::string WorkingCopyPath() {
    return Paths().workingCopy;
}

int OpenConfigStore(const std::string& floppyPath) {
    const std::string directory = TempDirectory();
    Paths() = directory.empty() ? StorePaths{}
                                : StorePaths{directory + "tmp_dp.ini", directory + "tmp_dp2.ini"};
    return CopyFloppyToWorkingCopy(floppyPath, Paths().workingCopy) ? 1 : 0;
}

void LoadConfiguration(ServerConfig& config) {
    TransferSettings(WorkingCopyPath(), TransferDirection::Read, config);
}

bool SaveConfiguration(const ServerConfig& config) {
    ServerConfig record = config;
    while (!TransferSettings(WorkingCopyPath(), TransferDirection::Write, record)) {
        if (!OperatorRetries())
            return false;
    }
    return CommitToFloppy(kFloppyConfigPath);
}

bool WriteDefaultConfigFile(const std::string& workingCopyPath) {
    return ReplaceFileBytes(workingCopyPath, HeaderLine() + DefaultConfigBody());
}

bool CopyFloppyToWorkingCopy(const std::string& floppyPath, const std::string& workingCopyPath) {
    const std::string scratch = ScratchPath();
    bool copied = false;
    if (CopyFileA(floppyPath.c_str(), scratch.c_str(), FALSE)) {
        // The copy takes over a read-only attribute, which would keep it from being deleted.
        SetFileAttributesA(scratch.c_str(), FILE_ATTRIBUTE_NORMAL);
        std::string bytes;
        copied = ReadFileBytes(scratch, bytes) == ReadResult::Read &&
                 ReplaceFileBytes(workingCopyPath, HeaderLine() + bytes);
    } else {
        copied = CreateDefaultWorkingCopy(workingCopyPath);
    }
    std::remove(scratch.c_str()); // also what a failed copy may have left
    // A working copy left by an earlier run must not be taken for this one.
    if (!copied)
        std::remove(workingCopyPath.c_str());
    return copied;
}

bool CopyWorkingCopyToFloppy(const std::string& workingCopyPath, const std::string& floppyPath) {
    std::string bytes;
    if (ReadFileBytes(workingCopyPath, bytes) != ReadResult::Read)
        return false;
    const std::string header = HeaderLine();
    // Anything else would cut bytes of the server's file.
    if (bytes.compare(0, header.size(), header) != 0)
        return false;
    return ReplaceFileBytes(floppyPath, std::string_view(bytes).substr(header.size()));
}

bool CommitToFloppy(const std::string& floppyPath) {
    while (!CopyWorkingCopyToFloppy(WorkingCopyPath(), floppyPath)) {
        if (!OperatorRetries())
            return false; // the working copy stays for a later save
    }
    std::remove(WorkingCopyPath().c_str());
    return true;
}
