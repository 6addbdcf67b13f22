// Conversions between the UTF-16 texts of the host interface and the host's UTF-8 texts.
#include "host/HostText.h"

#include <QString>

#include <algorithm>

std::optional<std::string> ReadHostText(const char16_t* text) {
    if (text == nullptr) return std::nullopt;
    std::size_t length = 0;
    while (text[length] != u'\0') {
        if (++length > MaxHostTextLength) return std::nullopt;
    }
    return QString::fromUtf16(text, static_cast<qsizetype>(length)).toStdString();
}

std::u16string ToHostText(const std::string& text) { return QString::fromStdString(text).toStdU16String(); }

bool CopyHostText(const std::u16string& text, char16_t* buffer, int capacity) {
    if (buffer == nullptr || capacity < 1) return false;
    std::size_t count = std::min(text.size(), static_cast<std::size_t>(capacity - 1));
    // A high surrogate whose partner does not fit would leave a broken character.
    if (count > 0 && count < text.size() && QChar::isHighSurrogate(text[count - 1])) --count;
    std::copy_n(text.begin(), count, buffer);
    buffer[count] = u'\0';
    return true;
}
