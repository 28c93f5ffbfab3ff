// Small helpers for the text of a table.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace dewpoint::logs {

// `text` without the blanks and tabs around it.
inline std::string_view TrimmedBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// `text` with the ASCII letters in lower case, for names compared with case ignored.
inline std::string Lowercase(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
        [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c); });
    return lower;
}

// `text` as a message may show it: control characters and NUL escaped
// ("\x1b", "\0"), so that data never reaches a terminal raw.
inline std::string Escaped(std::string_view text)
{
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0) {
            shown += "\\0";
        } else if (byte < 0x20 || byte == 0x7F) {
            constexpr std::string_view kHex = "0123456789abcdef";
            shown.append("\\x").append(1, kHex[byte >> 4]).append(1, kHex[byte & 0xF]);
        } else {
            shown += c;
        }
    }
    return shown;
}

}  // namespace dewpoint::logs
