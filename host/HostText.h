// Texts at the host interface: zero-terminated UTF-16 from plug-ins, UTF-8 inside the host.
#pragma once

#include <optional>
#include <string>

// Longest zero-terminated text read from a plug-in, in UTF-16 units.
inline constexpr std::size_t MaxHostTextLength = 1 << 20;

// UTF-8 form of a zero-terminated UTF-16 text (unpaired surrogates become "?"); nothing for a
// null pointer or a text without a zero within MaxHostTextLength units.
std::optional<std::string> ReadHostText(const char16_t* text);
// UTF-16 form of a UTF-8 text; malformed bytes become U+FFFD.
std::u16string ToHostText(const std::string& text);
// Copies text into buffer with at most capacity - 1 units and a zero, never splitting a surrogate
// pair; false (buffer untouched) for a null buffer or a capacity below 1.
bool CopyHostText(const std::u16string& text, char16_t* buffer, int capacity);
