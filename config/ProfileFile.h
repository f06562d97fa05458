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

// A profile file read once, changed key by key in memory and written back as a whole.
class Document {
  public:
    // Reads the file at path; a missing file reads as an empty one.
    explicit Document(std::string path);

    // False when the file exists but could not be read to its end: its keys are unknown, and
    // Flush does not overwrite it.
    bool IsReadable() const { return m_readable; }

    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    void SetValue(std::string_view section, std::string_view key, std::string_view value);

    // Writes the content back, replacing the file as a whole, so a failure leaves it as it
    // was. Returns false on failure.
    bool Flush() const;

  private:
    std::string m_path;
    std::string m_content;
    bool m_readable = false;
};

} // namespace profile
