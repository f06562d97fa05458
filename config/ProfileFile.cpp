#include "config/ProfileFile.h"

#include <algorithm>
#include <utility>

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

// What a scan of the text found about one key.
struct KeySearch {
    std::optional<KeyLine> keyLine;
    std::optional<Line> lastNonBlankLine;
};

// Where the first line starts: after a UTF-8 byte-order mark, which is no part of a key.
size_t FirstLineBegin(std::string_view content) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    return content.substr(0, kByteOrderMark.size()) == kByteOrderMark ? kByteOrderMark.size() : 0;
}

KeySearch FindKey(std::string_view content, std::string_view key) {
    KeySearch search;
    for (size_t at = FirstLineBegin(content); at < content.size();) {
        const Line line = LineAt(content, at);
        at = line.next;
        if (!TrimBlanks(content.substr(line.begin, line.end - line.begin)).empty())
            search.lastNonBlankLine = line;
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

std::optional<std::string> FindValue(std::string_view content, std::string_view key) {
    const KeySearch search = FindKey(content, key);
    if (!search.keyLine)
        return std::nullopt;
    const KeyLine& found = *search.keyLine;
    return std::string(
        Unquoted(content.substr(found.valueBegin, found.valueEnd - found.valueBegin)));
}

std::string SetValue(std::string content, std::string_view key, std::string_view value) {
    const std::string text = WithoutLineBreaks(value);
    const KeySearch search = FindKey(content, key);
    if (search.keyLine) {
        const KeyLine& found = *search.keyLine;
        return content.replace(found.valueBegin, found.valueEnd - found.valueBegin, text);
    }
    // A text of blank lines only takes the key after them.
    const std::optional<Line>& last = search.lastNonBlankLine;
    const size_t insertAt = last ? last->next : content.size();
    const bool lineBeforeUnended = last ? !last->Ended()
                                        : insertAt > FirstLineBegin(content) &&
                                              content.back() != '\n' && content.back() != '\r';
    std::string addition = lineBeforeUnended ? "\r\n" : "";
    addition.append(key).append("=").append(text).append("\r\n");
    return content.insert(insertAt, addition);
}

std::optional<std::string> Document::Value(std::string_view key) const {
    return FindValue(m_content, key);
}

void Document::SetValue(std::string_view key, std::string_view value) {
    m_content = profile::SetValue(std::move(m_content), key, value);
}

} // namespace profile
