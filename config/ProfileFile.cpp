#include "config/ProfileFile.h"

#include <algorithm>
#include <utility>

#include "config/FileAccess.h"

namespace profile {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

char LowerAnsi(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// One line of the file: its text [begin, end) and where the next line starts.
struct Line {
    size_t begin;
    size_t end;
    size_t next;
    bool Ended() const { return next > end; }
};

Line LineAt(std::string_view content, size_t begin) {
    const size_t end = std::min(content.find_first_of("\r\n", begin), content.size());
    size_t next = end;
    if (next < content.size() && content[next] == '\r')
        ++next;
    if (next < content.size() && content[next] == '\n')
        ++next;
    return Line{begin, end, next};
}

// The section name of a header line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty() || text.front() != '[')
        return std::nullopt;
    const size_t close = text.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return TrimBlanks(text.substr(1, close - 1));
}

// Where a key line's value stands inside the file, blanks excluded.
struct KeyLine {
    std::string_view key;
    size_t valueBegin;
    size_t valueEnd;
};

std::optional<KeyLine> ParseKeyLine(std::string_view content, const Line& line) {
    const std::string_view text = content.substr(line.begin, line.end - line.begin);
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    size_t valueBegin = line.begin + equals + 1;
    size_t valueEnd = line.end;
    while (valueBegin < valueEnd && IsBlank(content[valueBegin]))
        ++valueBegin;
    while (valueEnd > valueBegin && IsBlank(content[valueEnd - 1]))
        --valueEnd;
    return KeyLine{TrimBlanks(text.substr(0, equals)), valueBegin, valueEnd};
}

std::string_view Unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// What a scan of the file found about one key of one section.
struct KeySearch {
    bool sectionFound = false;
    std::optional<KeyLine> keyLine;
    Line lastLineOfSection{}; // the header or the section's last non-blank line
};

KeySearch FindKey(std::string_view content, std::string_view section, std::string_view key) {
    KeySearch search;
    bool inSection = false;
    for (size_t at = 0; at < content.size();) {
        const Line line = LineAt(content, at);
        at = line.next;
        if (const auto name = SectionName(content.substr(line.begin, line.end - line.begin))) {
            inSection = !search.sectionFound && EqualsNoCase(*name, section);
            if (inSection) {
                search.sectionFound = true;
                search.lastLineOfSection = line;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (!TrimBlanks(content.substr(line.begin, line.end - line.begin)).empty())
            search.lastLineOfSection = line;
        const auto keyLine = ParseKeyLine(content, line);
        if (keyLine && EqualsNoCase(keyLine->key, key)) {
            search.keyLine = keyLine;
            break;
        }
    }
    return search;
}

std::string WithoutLineBreaks(std::string_view value) {
    std::string text(value);
    text.erase(
        std::remove_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }),
        text.end());
    return text;
}

} // namespace

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAnsi(x) == LowerAnsi(y);
           });
}

std::optional<std::string> FindValue(std::string_view content, std::string_view section,
                                     std::string_view key) {
    const KeySearch search = FindKey(content, section, key);
    if (!search.keyLine)
        return std::nullopt;
    const KeyLine& found = *search.keyLine;
    return std::string(
        Unquoted(content.substr(found.valueBegin, found.valueEnd - found.valueBegin)));
}

std::string SetValue(std::string content, std::string_view section, std::string_view key,
                     std::string_view value) {
    const std::string text = WithoutLineBreaks(value);
    const KeySearch search = FindKey(content, section, key);
    if (search.keyLine) {
        const KeyLine& found = *search.keyLine;
        return content.replace(found.valueBegin, found.valueEnd - found.valueBegin, text);
    }
    std::string addition;
    size_t insertAt = content.size();
    if (search.sectionFound)
        insertAt = search.lastLineOfSection.next;
    const bool lineBeforeUnended =
        search.sectionFound ? !search.lastLineOfSection.Ended()
                            : !content.empty() && content.back() != '\n' && content.back() != '\r';
    if (lineBeforeUnended)
        addition += "\r\n";
    if (!search.sectionFound)
        addition.append("[").append(section).append("]\r\n");
    addition.append(key).append("=").append(text).append("\r\n");
    return content.insert(insertAt, addition);
}

Document::Document(std::string path) : m_path(std::move(path)) {
    m_readable = ReadFileBytes(m_path, m_content) != ReadResult::Failed;
}

std::optional<std::string> Document::Value(std::string_view section, std::string_view key) const {
    return FindValue(m_content, section, key);
}

void Document::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    m_content = profile::SetValue(std::move(m_content), section, key, value);
}

bool Document::Flush() const {
    return m_readable && ReplaceFileBytes(m_path, m_content);
}

} // namespace profile
