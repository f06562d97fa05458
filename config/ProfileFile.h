#pragma once
// Reads and writes single keys of an INI section, changing no other byte of the file.
//
// The file is lines ended by CR LF, LF or a lone CR (the last one maybe unended). A line whose
// first non-blank character is '[' and that holds a ']' opens the section named between them;
// lines before the first such line belong to no section. Any other line holding '=' is a key
// line: the key is the text before the first '=', the value the text after it, both without
// surrounding blanks, and the value also without one pair of matching quotes around it.
// Section and key names match without regard to case; the first section of a name and its first
// matching key count.
#include <optional>
#include <string>
#include <string_view>

namespace profile {

// Compares two ANSI texts without regard to case.
bool EqualsNoCase(std::string_view a, std::string_view b);

// The value of the first matching key of the section, whole, or nothing when it has none.
std::optional<std::string> FindValue(std::string_view content, std::string_view section,
                                     std::string_view key);

// content with the value of the first matching key replaced where it stands, or with
// "key=value" and CR LF added after the section's last non-blank line (after a new section
// header at the end when the section is missing). CR and LF are dropped from value, so a value
// never adds lines to the file.
std::string SetValue(std::string content, std::string_view section, std::string_view key,
                     std::string_view value);

// The key's value in the file at path, or fallback when the key or the file is missing.
std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback,
                       const std::string& path);

// Sets the key's value in the file at path, creating the file when it is missing. The file is
// replaced as a whole, so a failed write leaves it as it was. Returns false on failure.
bool WriteString(std::string_view section, std::string_view key, std::string_view value,
                 const std::string& path);

} // namespace profile
