#pragma once
// The configuration file's keys and their translations to and from the record, the working
// copy's header line and the default file. Internal to the store.
#include <string>

#include "config/ProfileFile.h"
#include "config/ServerConfig.h"

// The section every key of the working copy belongs to.
extern const char kSectionName[]; // "Varda"

// "[Varda]" and CR LF: what the working copy has in front of the floppy file's bytes.
std::string HeaderLine();

// The floppy form of a new configuration: every key with its value for a missing key, plus
// pq0type and pq1type, each line ended by CR LF.
std::string DefaultConfigBody();

enum class TransferDirection { Read, Write };

// Read: sets every field of config from the working copy at path (keys it lacks, or a missing
// or unreadable file, give the values of a new configuration). Write: sets every key, in the
// key order, and then writes the file back, creating it when it is missing. Returns false when
// the file could not be written.
bool TransferSettings(const std::string& path, TransferDirection direction, ServerConfig& config);

// Sets target to the key's value, or to missing when the key is absent; returns its length.
size_t ReadSetting(const char* section, const char* key, const char* missing, std::string& target,
                   const profile::Document& file);

// Sets the key's value to source; the file takes it when it is flushed.
void WriteSetting(const char* section, const char* key, const std::string& source,
                  profile::Document& file);
