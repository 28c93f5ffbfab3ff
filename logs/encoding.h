// The text encodings logs come in: UTF-8, Windows-1252 from older Windows
// software, and code page 850 from spreadsheets' "CSV (MS-DOS)". Names and messages are UTF-8 inside the program.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dewpoint::logs {

enum class Encoding { Utf8, Windows1252, CodePage850 };

// "utf-8", "windows-1252" (also "cp1252") or "cp850" (also "ibm850"), case
// ignored. Code page 850 is never guessed: it is given.
std::optional<Encoding> EncodingNamed(std::string_view name);

// Whether `bytes` is valid UTF-8. With `mayBeCut`, a sequence cut short at
// the very end counts as valid: the rest has not been read yet.
bool IsValidUtf8(std::string_view bytes, bool mayBeCut);

// Text in `encoding` as UTF-8, and back. Back fails where a character has
// no form in the encoding.
std::string ToUtf8(std::string_view text, Encoding encoding);
std::optional<std::string> FromUtf8(std::string_view text, Encoding encoding);

// UTF-16LE, as Excel's "Unicode Text" is written, as UTF-8 and back. A
// surrogate without its pair is carried as its own three bytes, so that
// every input comes back as it was. Both convert what they are given and
// keep in `rest` the bytes of a character not yet complete; at the `last`
// bytes only an odd byte is left there.
void AppendUtf16LeAsUtf8(std::string_view utf16, std::string& rest, std::string& utf8, bool last = false);
void AppendUtf8AsUtf16Le(std::string_view utf8, std::string& rest, std::string& utf16);

}  // namespace dewpoint::logs
