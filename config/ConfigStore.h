#pragma once
// The store moves the configuration between the floppy file, a working copy in the temporary
// directory (the floppy file with a "[Varda]" header line in front) and the record.
#include <string>

#include "config/ServerConfig.h"

// The server's file on the floppy.
extern const char kFloppyConfigPath[]; // "a:\\dp.ini"

// Copies the floppy file into a fresh working copy, or writes the default file there and
// shows the "Warning" box when the floppy has none. Returns 1 when a working copy exists
// afterwards, 0 when it could not be created.
int OpenConfigStore(const std::string& floppyPath);

// Reads every field from the working copy; keys it lacks give their default values.
void LoadConfiguration(ServerConfig& config);

// Writes every field into the working copy and replaces the floppy file with it, offering
// Retry/Cancel when the floppy cannot be written. Returns true when the floppy file was
// written; on Cancel the working copy stays, so a later save can still succeed.
bool SaveConfiguration(const ServerConfig& config);

// Where the working copy lives (the temporary directory followed by "tmp_dp.ini").
std::string WorkingCopyPath();
