#pragma once
// The configuration file's keys and their translations to and from the record, the working
// copy's header line and the default file. Internal to the store.
#include <string>

#include "config/ProfileFile.h"
#include "config/ServerConfig.h"

// The name in the working copy's header line.
extern const char kSectionName[]; // "Varda"

// "[Varda]" and CR LF: what the working copy has in front of the floppy file's bytes. The
// floppy file itself has no sections; its keys are read and written wherever they stand.
std::string HeaderLine();

// The floppy form of a new configuration: every key with its value for a missing key, plus
// pq0type and pq1type, each line ended by CR LF.
std::string DefaultConfigBody();

enum class TransferDirection { Read, Write };

// Between the floppy file's bytes and the record. Read: sets every field of config from file
// (keys it lacks give the values of a new configuration). Write: sets every key of file to its
// field, in the key order.
void TransferSettings(profile::Document& file, TransferDirection direction, ServerConfig& config);

// Sets target to the key's value, or to missing when the key is absent; returns its length.
size_t ReadSetting(const char* key, const char* missing, std::string& target,
                   const profile::Document& file);

// Sets the key's value to source.
void WriteSetting(const char* key, const std::string& source, profile::Document& file);
