#include "components/Cp1251Codec.h"

#include <cerrno>
#include <stdexcept>

namespace {

const iconv_t kInvalid = reinterpret_cast<iconv_t>(-1);

iconv_t Open(const char* to, const char* from) {
    const iconv_t cd = iconv_open(to, from);
    if (cd == kInvalid) throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    return cd;
}

// Length of the UTF-8 sequence a lead byte starts; 1 for a byte that starts none, so a bad byte is
// skipped alone.
size_t Utf8SequenceLength(unsigned char lead) {
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

// Converts all of input, replacing what iconv refuses: skipBad tells how many input bytes one
// refused character takes.
template <typename SkipBad>
std::string Convert(iconv_t cd, std::string_view input, std::string_view replacement, SkipBad skipBad) {
    std::string out;
    char buffer[1024];
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, outPtr);
        if (rc != static_cast<size_t>(-1) || errno == E2BIG) continue;
        // EILSEQ or EINVAL: one character cannot be converted, or the input ends inside one.
        const size_t skip = std::min(inLeft, skipBad(static_cast<unsigned char>(*in)));
        out += replacement;
        in += skip;
        inLeft -= skip;
    }
    return out;
}

}  // namespace

Cp1251Codec::Cp1251Codec() : toUtf8_(Open("UTF-8", "CP1251")), fromUtf8_(kInvalid) {
    try {
        fromUtf8_ = Open("CP1251", "UTF-8");
    } catch (...) {
        iconv_close(toUtf8_);
        throw;
    }
}

Cp1251Codec::~Cp1251Codec() {
    iconv_close(toUtf8_);
    iconv_close(fromUtf8_);
}

std::string Cp1251Codec::ToUtf8(std::string_view cp1251) const {
    return Convert(toUtf8_, cp1251, "\xEF\xBF\xBD", [](unsigned char) { return size_t{1}; });
}

std::string Cp1251Codec::FromUtf8(std::string_view utf8) const {
    return Convert(fromUtf8_, utf8, "?", Utf8SequenceLength);
}
