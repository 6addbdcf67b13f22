// Profile parameters read and written through the host's "Profile/..." commands.
#include "hostlink/Profile.h"

#include "base/Utf16.h"

Profile::Profile(const HostLink& host, const std::string& basePath) : host_(host) { SetBasePath(basePath); }

void Profile::SetBasePath(const std::string& basePath) {
    basePath_ = basePath;
    hostPrefix_ = basePath.empty() ? std::u16string() : ToUtf16(basePath + "\\");
}

// Converted piece by piece: the ASCII separators end any malformed sequence, so the pieces give the
// units the whole name would. One allocation per name, where a store of the assay set makes a hundred.
std::u16string Profile::HostName(const std::string& section, const std::string& key) const {
    std::u16string name;
    name.reserve(hostPrefix_.size() + section.size() + 1 + key.size());
    name = hostPrefix_;
    AppendUtf16(name, section);
    name += u'/';
    AppendUtf16(name, key);
    return name;
}

template <typename T>
bool Profile::CallWithName(const char* command, const std::string& section, const std::string& key, T* value) const {
    if (!host_.Serves(command)) return false;
    const std::u16string name = HostName(section, key);
    return host_.Call(command, reinterpret_cast<intptr_t>(name.c_str()), reinterpret_cast<intptr_t>(value)) != 0;
}

template <typename T>
T Profile::GetValue(const char* command, const std::string& section, const std::string& key, T defaultValue) const {
    T value{};
    return CallWithName(command, section, key, &value) ? value : defaultValue;
}

std::string Profile::ParameterName(const std::string& section, const std::string& key) const {
    if (basePath_.empty()) return section + "/" + key;
    return basePath_ + "\\" + section + "/" + key;
}

int32_t Profile::GetInt(const std::string& section, const std::string& key, int32_t defaultValue) const {
    return GetValue(HOST_CMD_PROFILE_GET_INT, section, key, defaultValue);
}

double Profile::GetDouble(const std::string& section, const std::string& key, double defaultValue) const {
    return GetValue(HOST_CMD_PROFILE_GET_DOUBLE, section, key, defaultValue);
}

std::string Profile::GetString(const std::string& section, const std::string& key,
                               const std::string& defaultValue) const {
    // One unit more than the capacity told to the host, zeroed before and after the call, so a
    // host that fills the whole buffer still leaves a terminated text of at most 127 characters.
    char16_t text[PROFILE_STRING_CAPACITY + 1] = {};
    ProfileStringBuffer buffer{text, PROFILE_STRING_CAPACITY};
    text[PROFILE_STRING_CAPACITY] = 0;
    const bool found = CallWithName(HOST_CMD_PROFILE_GET_STRING, section, key, &buffer);
    text[PROFILE_STRING_CAPACITY - 1] = 0;
    return found ? FromUtf16(text) : defaultValue;
}

bool Profile::SetInt(const std::string& section, const std::string& key, int32_t value) const {
    return CallWithName(HOST_CMD_PROFILE_SET_INT, section, key, &value);
}

bool Profile::SetDouble(const std::string& section, const std::string& key, double value) const {
    return CallWithName(HOST_CMD_PROFILE_SET_DOUBLE, section, key, &value);
}

void Profile::SetString(const std::string& section, const std::string& key, const std::string& text) const {
    const std::u16string value = ToUtf16(text);
    CallWithName(HOST_CMD_PROFILE_SET_STRING, section, key, value.c_str());
}

void Profile::DeleteParameter(const std::string& section, const std::string& key) const {
    CallWithName(HOST_CMD_PROFILE_DEL_PARAM, section, key, static_cast<const char16_t*>(nullptr));
}
