#pragma once
// The store moves the configuration between the floppy file, the record and a working copy in
// the temporary directory (the floppy file with a "[Varda]" header line in front).
//
// What a save writes to the floppy is held in memory: the floppy file's bytes as this run read
// them at start (or the default file when the floppy had none), with the keys of each save
// written into them. The working copy is kept equal to those bytes for other programs to see;
// it is never read as a source, so deleting or changing it cannot change what a save writes.
#include <string>

#include "config/ServerConfig.h"

// The server's file on the floppy.
extern const char kFloppyConfigPath[]; // "a:\\dp.ini"

// Reads the floppy file and writes the working copy from it. A floppy without the file gives
// the default file and the "Warning" box; a file that is there but cannot be read gives the
// Retry/Cancel "Error" box; a working copy that cannot be written gives a "Warning" box naming
// the temporary folder, and the store works on from memory. Returns 1 when the store is open,
// 0 when the operator cancelled reading the floppy file: then nothing has been written.
int OpenConfigStore(const std::string& floppyPath);

// Sets every field from the held bytes (keys they lack give their default values); first makes
// the working copy again when it is gone or changed.
void LoadConfiguration(ServerConfig& config);

// Writes every field into the held bytes and the working copy, then replaces the floppy file
// with them, offering Retry/Cancel when the floppy cannot be written. Returns true when the
// floppy file was written; on Cancel the working copy stays, so a later save can still succeed.
// False, writing nothing, when the store is not open.
bool SaveConfiguration(const ServerConfig& config);

// Where the working copy lives (the temporary directory followed by "tmp_dp.ini").
std::string WorkingCopyPath();
