// The XML part of a chromatogram file: its passport and each channel's peak table.
#pragma once

#include "data/Channel.h"
#include "data/Passport.h"

#include <string>
#include <string_view>
#include <vector>

namespace ChromatogramXml {

// Parses text (UTF-8) and fills passport and the table of each matching channel from the element "root";
// false, with nothing changed, when the text is not a well-formed document.
bool Read(std::string_view text, Passport& passport, std::vector<Channel>& channels);

// The document of passport and of the channels' tables, UTF-8 without byte order mark or line breaks.
std::string Write(const Passport& passport, const std::vector<Channel>& channels);

}  // namespace ChromatogramXml
