// libFuzzer target: any bytes as the XML part of a chromatogram file, read into a file of four channels
// numbered 0 to 3. What a successful read gives must write, read back and write again to the same text.
#include "FuzzChecks.h"

#include "data/ChromatogramXml.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::vector<Channel> FourChannels() {
    std::vector<Channel> channels(4);
    for (int32_t i = 0; i < 4; ++i) channels[i].number = i;
    return channels;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Passport passport;
    std::vector<Channel> channels = FourChannels();
    if (!ChromatogramXml::Read(std::string_view(reinterpret_cast<const char*>(data), size), passport, channels))
        return 0;

    const std::string first = ChromatogramXml::Write(passport, channels);
    Passport againPassport;
    std::vector<Channel> againChannels = FourChannels();
    Require(ChromatogramXml::Read(first, againPassport, againChannels), "written text parses");
    Require(ChromatogramXml::Write(againPassport, againChannels) == first, "read and written again, text stays");
    return 0;
}
