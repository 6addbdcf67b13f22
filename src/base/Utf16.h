// Conversions between the UTF-8 texts of the module and the zero-terminated UTF-16 texts of the
// host interface. Malformed input never fails: each bad sequence becomes U+FFFD.
#pragma once

#include <string>
#include <string_view>

// UTF-16 form of a UTF-8 text; malformed bytes become U+FFFD.
std::u16string ToUtf16(std::string_view utf8);
// UTF-8 form of a UTF-16 text; unpaired surrogates become U+FFFD.
std::string FromUtf16(std::u16string_view utf16);
// UTF-8 form of a zero-terminated UTF-16 text; "" for a null pointer.
std::string FromUtf16(const char16_t* text);
