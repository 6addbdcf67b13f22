#include "HeadlessHost.h"

#include "hostlink/HostLink.h"
#include "hostlink/Profile.h"
#include "base/Utf16.h"

#include <algorithm>
#include <cstring>

namespace {

std::u16string documents;

intptr_t Exists(const char* command) { return std::strcmp(command, HOST_CMD_PROFILE_GET_STRING) == 0; }

intptr_t Call(const char* command, intptr_t parameter, intptr_t value) {
    if (std::strcmp(command, HOST_CMD_PROFILE_GET_STRING) != 0 || !parameter || !value) return 0;
    const std::string name = FromUtf16(reinterpret_cast<const char16_t*>(parameter));
    if (name != ProfileParameterName("", "PublicDocuments_Quorvel")) return 0;
    auto* buffer = reinterpret_cast<ProfileStringBuffer*>(value);
    if (buffer->capacity <= 0) return 0;
    const size_t count = std::min(documents.size(), static_cast<size_t>(buffer->capacity - 1));
    std::copy_n(documents.begin(), count, buffer->text);
    buffer->text[count] = 0;
    return 1;
}

}  // namespace

HeadlessHost::HeadlessHost(const std::string& documentsFolder) {
    documents = ToUtf16(documentsFolder);
    api_.Call = &Call;
    api_.Exists = &Exists;
    SetProfileBasePath("plugins\\quorvel");
    HostLink::Attach(&api_);
}

HeadlessHost::~HeadlessHost() { HostLink::Attach(nullptr); }
