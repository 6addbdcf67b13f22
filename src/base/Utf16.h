// Conversions between the UTF-8 texts of the module and the zero-terminated UTF-16 texts of the
// host interface. Malformed input never fails: each bad sequence becomes U+FFFD.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The strictly formed UTF-8 sequence at text[pos] (no overlong form, no surrogate, at most U+10FFFF),
// pos moved past it; empty for a malformed one, pos moved past its lead byte, or past the whole
// sequence where only the value it spells is wrong. pos must be below text.size().
std::optional<char32_t> DecodeUtf8(std::string_view text, size_t& pos);
// UTF-16 form of a UTF-8 text; malformed bytes become U+FFFD.
std::u16string ToUtf16(std::string_view utf8);
// Appends the UTF-16 form of utf8 to out, as ToUtf16 gives it.
void AppendUtf16(std::u16string& out, std::string_view utf8);
// UTF-8 form of a UTF-16 text; unpaired surrogates become U+FFFD.
std::string FromUtf16(std::u16string_view utf16);
// UTF-8 form of a zero-terminated UTF-16 text; "" for a null pointer.
std::string FromUtf16(const char16_t* text);
