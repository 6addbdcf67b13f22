// Conversion between UTF-8 and the single-byte Cyrillic code page 1251 of the components table
// file, through iconv. Never fails: a byte without a character becomes U+FFFD, a character without
// a byte becomes "?".
#pragma once

#include <iconv.h>

#include <string>
#include <string_view>

class Cp1251Codec {
public:
    Cp1251Codec();
    ~Cp1251Codec();
    Cp1251Codec(const Cp1251Codec&) = delete;
    Cp1251Codec& operator=(const Cp1251Codec&) = delete;

    // UTF-8 text of code page 1251 bytes; the undefined byte 0x98 becomes U+FFFD.
    std::string ToUtf8(std::string_view cp1251) const;
    // Code page 1251 bytes of a UTF-8 text; characters the code page lacks, and malformed bytes, become "?".
    std::string FromUtf8(std::string_view utf8) const;

private:
    iconv_t toUtf8_;
    iconv_t fromUtf8_;
};
