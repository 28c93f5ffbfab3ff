// Small helpers for the text of a table.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace dewpoint::cli {

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

}  // namespace dewpoint::cli
