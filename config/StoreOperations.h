#pragma once
// The store's steps between floppy, working copy and record, for the store itself and its tests.
#include <string>

#include "config/ConfigFormat.h"
#include "config/ConfigStore.h"

// Writes the header line and the default body as the working copy at path.
bool WriteDefaultConfigFile(const std::string& workingCopyPath);

// Makes the working copy the header line followed by the floppy file's bytes, or the default
// file (with the "Warning" box) when there is no floppy file. False when no working copy could
// be made; then none is left, not even one of an earlier run.
bool CopyFloppyToWorkingCopy(const std::string& floppyPath, const std::string& workingCopyPath);

// Replaces the floppy file with the working copy less its header line. False when the floppy
// file was not written; it is then as it was.
bool CopyWorkingCopyToFloppy(const std::string& workingCopyPath, const std::string& floppyPath);

// Copies the working copy to the floppy, offering Retry/Cancel on each failure, and deletes the
// working copy once the floppy file is written. Returns whether it was.
bool CommitToFloppy(const std::string& floppyPath);
