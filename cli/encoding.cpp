#include "encoding.h"

#include "text.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace dewpoint::cli {

namespace {

// Windows-1252's characters for 0x80 to 0x9F; the five bytes it leaves
// undefined stand for the control characters of the same number.
constexpr std::array<char32_t, 32> kHighControls{0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6,
    0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013,
    0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::optional<Encoding> EncodingNamed(std::string_view name)
{
    const std::string lower = Lowercase(name);
    if (lower == "utf-8" || lower == "utf8")
        return Encoding::Utf8;
    if (lower == "windows-1252" || lower == "cp1252")
        return Encoding::Windows1252;
    return std::nullopt;
}

bool IsValidUtf8(std::string_view bytes, bool mayBeCut)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t length = 1;
        char32_t lowest = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            lowest = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            lowest = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            lowest = 0x10000;
        } else {
            return false;
        }
        if (i + length > bytes.size()) {
            const bool continuationsSoFar = std::all_of(bytes.begin() + static_cast<std::ptrdiff_t>(i + 1), bytes.end(),
                [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; });
            return mayBeCut && continuationsSoFar;
        }
        char32_t c = lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (next & 0x3F);
        }
        if (c < lowest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

std::string ToUtf8(std::string_view text, Encoding encoding)
{
    if (encoding == Encoding::Utf8)
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (const char byte : text) {
        const auto b = static_cast<unsigned char>(byte);
        AppendUtf8(out, b >= 0x80 && b < 0xA0 ? kHighControls.at(b - 0x80U) : char32_t{b});
    }
    return out;
}

std::optional<std::string> FromUtf8(std::string_view text, Encoding encoding)
{
    if (encoding == Encoding::Utf8)
        return std::string(text);
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        i += length;
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += static_cast<char>(c);
            continue;
        }
        const auto* high = std::find(kHighControls.begin(), kHighControls.end(), c);
        if (high == kHighControls.end())
            return std::nullopt;
        out += static_cast<char>(0x80 + (high - kHighControls.begin()));
    }
    return out;
}

}  // namespace dewpoint::cli
