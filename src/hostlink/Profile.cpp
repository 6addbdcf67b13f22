#include "hostlink/Profile.h"

#include "hostlink/HostLink.h"
#include "base/Utf16.h"

namespace {

std::string basePathText;

// Asks the command with the parameter name and the address of out; true when served and found.
template <typename T>
bool CallWithName(const char* command, const std::string& section, const std::string& key, T* value) {
    if (!HostLink::Serves(command)) return false;
    const std::u16string name = ToUtf16(ProfileParameterName(section, key));
    return HostLink::Call(command, reinterpret_cast<intptr_t>(name.c_str()),
                          reinterpret_cast<intptr_t>(value)) != 0;
}

template <typename T>
T GetValue(const char* command, const std::string& section, const std::string& key, T defaultValue) {
    T value{};
    return CallWithName(command, section, key, &value) ? value : defaultValue;
}

}  // namespace

void SetProfileBasePath(const std::string& basePath) { basePathText = basePath; }

const std::string& ProfileBasePath() { return basePathText; }

std::string ProfileParameterName(const std::string& section, const std::string& key) {
    if (basePathText.empty()) return section + "/" + key;
    return basePathText + "\\" + section + "/" + key;
}

int32_t ProfileGetInt(const std::string& section, const std::string& key, int32_t defaultValue) {
    return GetValue(HOST_CMD_PROFILE_GET_INT, section, key, defaultValue);
}

double ProfileGetDouble(const std::string& section, const std::string& key, double defaultValue) {
    return GetValue(HOST_CMD_PROFILE_GET_DOUBLE, section, key, defaultValue);
}

std::string ProfileGetString(const std::string& section, const std::string& key,
                             const std::string& defaultValue) {
    // One unit more than the capacity told to the host, zeroed before and after the call, so a
    // host that fills the whole buffer still leaves a terminated text of at most 127 characters.
    char16_t text[PROFILE_STRING_CAPACITY + 1] = {};
    ProfileStringBuffer buffer{text, PROFILE_STRING_CAPACITY};
    text[PROFILE_STRING_CAPACITY] = 0;
    const bool found = CallWithName(HOST_CMD_PROFILE_GET_STRING, section, key, &buffer);
    text[PROFILE_STRING_CAPACITY - 1] = 0;
    return found ? FromUtf16(text) : defaultValue;
}

bool ProfileSetInt(const std::string& section, const std::string& key, int32_t value) {
    return CallWithName(HOST_CMD_PROFILE_SET_INT, section, key, &value);
}

bool ProfileSetDouble(const std::string& section, const std::string& key, double value) {
    return CallWithName(HOST_CMD_PROFILE_SET_DOUBLE, section, key, &value);
}

void ProfileSetString(const std::string& section, const std::string& key, const std::string& text) {
    const std::u16string value = ToUtf16(text);
    CallWithName(HOST_CMD_PROFILE_SET_STRING, section, key, value.c_str());
}

void ProfileDeleteParameter(const std::string& section, const std::string& key) {
    CallWithName(HOST_CMD_PROFILE_DEL_PARAM, section, key, static_cast<const char16_t*>(nullptr));
}
