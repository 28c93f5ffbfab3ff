#include "encoding.h"

#include "text.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace dewpoint::logs {

namespace {

// The characters of the bytes 0x80 to 0xFF in each single-byte encoding.
// Windows-1252 is Latin-1 but for 0x80 to 0x9F, where the five bytes it
// leaves undefined stand for the control characters of the same number.
constexpr std::array<char32_t, 128> Windows1252HighHalf()
{
    constexpr std::array<char32_t, 32> kFrom80{0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6,
        0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013,
        0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::array<char32_t, 128> high{};
    for (std::size_t i = 0; i < high.size(); ++i)
        high.at(i) = i < kFrom80.size() ? kFrom80.at(i) : static_cast<char32_t>(0x80 + i);
    return high;
}
constexpr std::array<char32_t, 128> kWindows1252 = Windows1252HighHalf();

// Code page 850, "CSV (MS-DOS)" in Western European spreadsheets.
constexpr std::array<char32_t, 128> kCodePage850{0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA,
    0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB,
    0x00F9, 0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1,
    0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593,
    0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C,
    0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C, 0x2588, 0x2584,
    0x00A6, 0x00CC, 0x2580, 0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE, 0x00DE, 0x00DA, 0x00DB,
    0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8, 0x00B0,
    0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0};

const std::array<char32_t, 128>& HighHalf(Encoding encoding)
{
    return encoding == Encoding::CodePage850 ? kCodePage850 : kWindows1252;
}

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
    if (lower == "cp850" || lower == "ibm850")
        return Encoding::CodePage850;
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
    const std::array<char32_t, 128>& high = HighHalf(encoding);
    for (const char byte : text) {
        const auto b = static_cast<unsigned char>(byte);
        AppendUtf8(out, b >= 0x80 ? high.at(b - 0x80U) : char32_t{b});
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
        if (c < 0x80) {
            out += static_cast<char>(c);
            continue;
        }
        const std::array<char32_t, 128>& high = HighHalf(encoding);
        const auto* found = std::find(high.begin(), high.end(), c);
        if (found == high.end())
            return std::nullopt;
        out += static_cast<char>(0x80 + (found - high.begin()));
    }
    return out;
}

void AppendUtf16LeAsUtf8(std::string_view utf16, std::string& rest, std::string& utf8, bool last)
{
    rest.append(utf16);
    const auto unitAt = [&rest](std::size_t i) {
        return static_cast<char32_t>(
            static_cast<unsigned char>(rest[i]) | (static_cast<unsigned char>(rest[i + 1]) << 8));
    };
    std::size_t i = 0;
    for (; i + 1 < rest.size(); i += 2) {
        char32_t c = unitAt(i);
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 3 >= rest.size() && !last)
                break;  // its pair may come with the next bytes
            if (i + 3 >= rest.size()) {
                AppendUtf8(utf8, c);
                continue;
            }
            const char32_t low = unitAt(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        if (c >= 0x10000) {
            utf8 += static_cast<char>(0xF0 | (c >> 18));
            utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            AppendUtf8(utf8, c);
        }
    }
    rest.erase(0, i);
}

void AppendUtf8AsUtf16Le(std::string_view utf8, std::string& rest, std::string& utf16)
{
    rest.append(utf8);
    const auto unit = [&utf16](char32_t u) {
        utf16 += static_cast<char>(u & 0xFF);
        utf16 += static_cast<char>(u >> 8);
    };
    std::size_t i = 0;
    while (i < rest.size()) {
        const auto lead = static_cast<unsigned char>(rest[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (i + length > rest.size())
            break;  // the rest of the character comes later
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k)
            c = (c << 6) | (static_cast<unsigned char>(rest[i + k]) & 0x3F);
        if (c >= 0x10000) {
            unit(0xD800 + ((c - 0x10000) >> 10));
            unit(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            unit(c);
        }
        i += length;
    }
    rest.erase(0, i);
}

}  // namespace dewpoint::logs
