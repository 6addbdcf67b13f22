// The host's answers about the module's environment.
#include "hostlink/HostEnvironment.h"

#include "base/Utf16.h"

namespace {

// What the profile answers for a parameter it lacks, and what a user may store to name no folder.
constexpr char kNoFolder[] = "404";

}  // namespace

HostEnvironment::HostEnvironment(const HostLink& host, const Profile& profile) : host_(host), profile_(profile) {}

void HostEnvironment::AskLanguage() {
    language_ = kModuleLanguage;
    if (host_.Serves(HOST_CMD_GET_LANGUAGE))
        language_ = static_cast<uint16_t>(host_.Call(HOST_CMD_GET_LANGUAGE, 0, 0) & 0xFFFF);
}

void HostEnvironment::AskDatabaseLocation() {
    if (!host_.Serves(HOST_CMD_GET_CONNECTION_URI)) return;
    const auto* uri = reinterpret_cast<const char16_t*>(host_.Call(HOST_CMD_GET_CONNECTION_URI, 0, 0));
    if (uri) databaseLocation_ = FromUtf16(uri);
}

std::optional<std::string> HostEnvironment::DocumentsFolder() const {
    const std::string folder = profile_.GetString("", "PublicDocuments_Quorvel", kNoFolder);
    if (folder == kNoFolder) return std::nullopt;
    return folder;
}
