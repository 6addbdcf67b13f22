// Base64 by hand: the report library stays free of Qt, and libxml2 offers it only to its text writer.
#include "report/PictureDataUri.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace {

constexpr const char* kDataUriPrefix = "data:image/png;base64,";
constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// The file's bytes when it is a regular file of at most kMaxEmbeddedPictureBytes; false otherwise.
bool ReadPicture(const std::string& path, std::string& bytes) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > kMaxEmbeddedPictureBytes) return false;
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad() && bytes.size() == size;
}

}  // namespace

std::string Base64(std::string_view bytes) {
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t at = 0; at < bytes.size(); at += 3) {
        const std::size_t count = std::min<std::size_t>(3, bytes.size() - at);
        uint32_t group = 0;
        for (std::size_t i = 0; i < 3; ++i)
            group = group << 8 | (i < count ? static_cast<unsigned char>(bytes[at + i]) : 0u);
        for (std::size_t i = 0; i < 4; ++i) text += i <= count ? kAlphabet[group >> (18 - 6 * i) & 0x3F] : '=';
    }
    return text;
}

std::string PngDataUri(const std::string& path) {
    std::string bytes;
    if (!ReadPicture(path, bytes)) return {};
    return kDataUriPrefix + Base64(bytes);
}
