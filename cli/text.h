// Small helpers for the text of a table.
#pragma once

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

}  // namespace dewpoint::cli
