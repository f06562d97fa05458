#pragma once
// Whole-file reading and replacing through the C runtime's low-level calls, in binary mode, so
// line ends and every other byte pass unchanged.
#include <string>
#include <string_view>

enum class ReadResult { Read, NotFound, Failed };

// Reads the whole file into bytes. NotFound when the file, its folder, its drive or the disk
// is missing; Failed when it is there but could not be read to its end (held open by another
// program, access denied, a bad sector, a folder of that name).
ReadResult ReadFileBytes(const std::string& path, std::string& bytes);

// Writes bytes to a temporary file beside path, flushes it to the disk and moves it over path.
// Afterwards path holds either its old content or the new one, never a part of either, and the
// temporary file is gone.
bool ReplaceFileBytes(const std::string& path, std::string_view bytes);

// The temporary file ReplaceFileBytes uses for path: the same name with the extension ".tmp".
std::string ReplacementPath(const std::string& path);
