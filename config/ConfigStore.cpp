#include "config/ConfigStore.h"

#include <windows.h>

#include <cstdio>
#include <optional>

#include "config/ConfigFormat.h"
#include "config/FileAccess.h"
#include "framework/MessageBox.h"
#include "framework/WinApp.h"

const char kFloppyConfigPath[] = "a:\\dp.ini";

namespace {

const char kNoFloppyFileText[] =
    "No configuration file exists on the floppy disk or floppy disk not present. The utility "
    "will create one and default settings will be used.";
const char kFloppyWriteFailedText[] =
    "The Configuration Wizard could not write the data to the floppy disk. Ensure that the floppy "
    "disk is inserted and not write-protected.";
const char kFloppyReadFailedText[] =
    "The Configuration Wizard could not read the configuration file on the floppy disk. Ensure "
    "that no other program is using it and that the floppy disk is not damaged.";

std::string WorkingCopyFailedText(const std::string& directory) {
    return "The Configuration Wizard could not create its working copy of the configuration in "
           "the temporary folder\n\n" +
           directory + "\n\nChanges will still be saved to the floppy disk.";
}

struct Store {
    std::string workingCopy;
    std::string scratch; // where the floppy file is copied on its way in
    // What a save writes to the floppy; nothing until the store is open.
    std::optional<std::string> floppyBytes;
};

Store& TheStore() {
    static Store store;
    return store;
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

// The store's boxes are modal to the program's window once there is one.
int ShowStoreBox(const std::string& text, const char* caption, UINT type) {
    return fw::ShowMessageBox(fw::MainWindowHandle(), text, caption, type);
}

// Asks the operator after a failed read or write of the floppy; true when the answer is Retry.
bool OperatorRetries(const char* text) {
    return ShowStoreBox(text, "Error", MB_RETRYCANCEL | MB_ICONWARNING) == IDRETRY;
}

// Reads the floppy file by way of the scratch copy. When the scratch copy cannot be made (the
// temporary directory may be unwritable), the floppy file is read directly: only that read
// tells a missing file from one that cannot be read.
ReadResult ReadFloppyFile(const std::string& floppyPath, std::string& bytes) {
    const std::string& scratch = TheStore().scratch;
    ReadResult result = ReadResult::Failed;
    if (!scratch.empty() && CopyFileA(floppyPath.c_str(), scratch.c_str(), FALSE)) {
        // The copy takes over a read-only attribute, which would keep it from being deleted.
        SetFileAttributesA(scratch.c_str(), FILE_ATTRIBUTE_NORMAL);
        result = ReadFileBytes(scratch, bytes);
    }
    std::remove(scratch.c_str()); // also what a failed copy may have left
    return result == ReadResult::Read ? result : ReadFileBytes(floppyPath, bytes);
}

// The floppy file's bytes, the default file (after the "Warning" box) when there is none, or
// nothing when the operator gave up on a file that cannot be read.
std::optional<std::string> ReadFloppyOrDefault(const std::string& floppyPath) {
    for (;;) {
        std::string bytes;
        switch (ReadFloppyFile(floppyPath, bytes)) {
        case ReadResult::Read:
            return bytes;
        case ReadResult::NotFound:
            ShowStoreBox(kNoFloppyFileText, "Warning", MB_OK | MB_ICONWARNING);
            return DefaultConfigBody();
        case ReadResult::Failed:
            if (!OperatorRetries(kFloppyReadFailedText))
                return std::nullopt;
            break;
        }
    }
}

std::string HeldWorkingCopy() {
    return HeaderLine() + TheStore().floppyBytes.value_or(std::string());
}

bool WriteWorkingCopy() {
    return ReplaceFileBytes(TheStore().workingCopy, HeldWorkingCopy());
}

// Makes the working copy again when another program deleted or changed it.
void RefreshWorkingCopy() {
    std::string onDisk;
    if (ReadFileBytes(TheStore().workingCopy, onDisk) != ReadResult::Read ||
        onDisk != HeldWorkingCopy())
        WriteWorkingCopy();
}

// Replaces the floppy file with the held bytes, offering Retry/Cancel on each failure, and
// deletes the working copy once it is written. Returns whether it was.
bool CommitToFloppy(const std::string& floppyPath) {
    while (!ReplaceFileBytes(floppyPath, *TheStore().floppyBytes)) {
        if (!OperatorRetries(kFloppyWriteFailedText))
            return false; // the working copy stays for a later save
    }
    std::remove(TheStore().workingCopy.c_str());
    return true;
}

} // namespace

std::string WorkingCopyPath() {
    return TheStore().workingCopy;
}

int OpenConfigStore(const std::string& floppyPath) {
    const std::string directory = TempDirectory();
    Store& store = TheStore();
    store = directory.empty() ? Store{}
                              : Store{directory + "tmp_dp.ini", directory + "tmp_dp2.ini", {}};
    store.floppyBytes = ReadFloppyOrDefault(floppyPath);
    if (!store.floppyBytes)
        return 0;
    if (!WriteWorkingCopy()) {
        // Nobody may take an earlier run's working copy for this one's.
        std::remove(store.workingCopy.c_str());
        ShowStoreBox(WorkingCopyFailedText(directory), "Warning", MB_OK | MB_ICONWARNING);
    }
    return 1;
}

void LoadConfiguration(ServerConfig& config) {
    RefreshWorkingCopy();
    profile::Document file(TheStore().floppyBytes.value_or(std::string()));
    TransferSettings(file, TransferDirection::Read, config);
}

bool SaveConfiguration(const ServerConfig& config) {
    Store& store = TheStore();
    if (!store.floppyBytes)
        return false;
    profile::Document file(*store.floppyBytes);
    ServerConfig record = config;
    TransferSettings(file, TransferDirection::Write, record);
    store.floppyBytes = file.Content();
    // Other programs see the keys as before; the floppy takes them from memory either way.
    WriteWorkingCopy();
    return CommitToFloppy(kFloppyConfigPath);
}
