#pragma once
// Reads and writes single keys of a key=value text, changing no other byte of it.
//
// The text is lines ended by CR LF, LF or a lone CR (the last one maybe unended). It has no
// sections: a line in square brackets is a line like any other. A line holding '=' is a key
// line: the key is the text before the first '=', the value the text after it, both without
// surrounding blanks, and the value also without one pair of matching quotes around it. Keys
// match without regard to case; the first matching key counts. A UTF-8 byte-order mark at the
// very start of the text belongs to no key.
#include <optional>
#include <string>
#include <string_view>

namespace profile {

// Compares two ANSI texts without regard to case.
bool EqualsNoCase(std::string_view a, std::string_view b);

// The value of the first matching key, whole, or nothing when the text has none.
std::optional<std::string> FindValue(std::string_view content, std::string_view key);

// content with the value of the first matching key replaced where it stands, or with
// "key=value" and CR LF added after the last non-blank line. CR and LF are dropped from value,
// so a value never adds lines.
std::string SetValue(std::string content, std::string_view key, std::string_view value);

// A key=value text held in memory and changed key by key.
class Document {
  public:
    explicit Document(std::string content) : m_content(std::move(content)) {}

    std::optional<std::string> Value(std::string_view key) const;
    void SetValue(std::string_view key, std::string_view value);

    const std::string& Content() const { return m_content; }

  private:
    std::string m_content;
};

} // namespace profile
