// A saved picture carried inside the page itself, as a data: URI, so that the page can be moved,
// mailed or printed without its picture folder.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Largest picture file carried in a page, bytes: a 1000 x 600 chart is a few tens of kilobytes as
// PNG and at most 2.4 MB unpacked, so a larger file is not one of the report's pictures.
inline constexpr std::size_t kMaxEmbeddedPictureBytes = 8u << 20;

// bytes in base64 (RFC 4648, with "=" padding, no line breaks).
std::string Base64(std::string_view bytes);

// "data:image/png;base64," and the base64 of the PNG file at path; "" when path is not a regular
// file, is larger than kMaxEmbeddedPictureBytes or cannot be read.
std::string PngDataUri(const std::string& path);
