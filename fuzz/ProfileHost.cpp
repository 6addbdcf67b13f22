#include "ProfileHost.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_map>

namespace {

// Copies the stored value out when there is one; 0 (not found) otherwise.
template <typename Map>
intptr_t Find(const Map& map, std::u16string_view parameter, typename Map::mapped_type* value) {
    const auto found = map.find(parameter);
    if (found == map.end()) return 0;
    *value = found->second;
    return 1;
}

template <typename Map>
void Erase(Map& map, std::u16string_view parameter) {
    const auto found = map.find(parameter);
    if (found != map.end()) map.erase(found);
}

// At most capacity - 1 characters and a zero, as the host interface promises.
intptr_t CopyOut(const std::u16string& text, ProfileStringBuffer* buffer) {
    const size_t count = std::min(text.size(), static_cast<size_t>(std::max(buffer->capacity, 1) - 1));
    std::copy_n(text.begin(), count, buffer->text);
    buffer->text[count] = 0;
    return 1;
}

}  // namespace

ProfileHost* ProfileHost::current_ = nullptr;

ProfileHost::ProfileHost() {
    if (current_) throw std::logic_error("only one ProfileHost at a time");
    current_ = this;
    api_.Call = &ProfileHost::Call;
    api_.Exists = &ProfileHost::Exists;
}

ProfileHost::~ProfileHost() { current_ = nullptr; }

// Found by hash rather than by comparing the name with each command's: the fuzzer's comparison hooks
// would record every such comparison, at every call.
std::optional<ProfileHost::Command> ProfileHost::Served(const char* name) {
    static const std::unordered_map<std::string_view, Command> commands = {
        {HOST_CMD_PROFILE_GET_INT, Command::GetInt},       {HOST_CMD_PROFILE_GET_DOUBLE, Command::GetDouble},
        {HOST_CMD_PROFILE_GET_STRING, Command::GetString}, {HOST_CMD_PROFILE_SET_INT, Command::SetInt},
        {HOST_CMD_PROFILE_SET_DOUBLE, Command::SetDouble}, {HOST_CMD_PROFILE_SET_STRING, Command::SetString},
        {HOST_CMD_PROFILE_DEL_PARAM, Command::DelParam}};
    const auto found = commands.find(name);
    if (found == commands.end()) return std::nullopt;
    return found->second;
}

intptr_t ProfileHost::Exists(const char* name) { return Served(name).has_value(); }

intptr_t ProfileHost::Call(const char* name, intptr_t argument1, intptr_t argument2) {
    const std::optional<Command> command = Served(name);
    if (!command) return 0;
    return current_->Serve(*command, reinterpret_cast<const char16_t*>(argument1), argument2);
}

intptr_t ProfileHost::Serve(Command command, std::u16string_view parameter, intptr_t value) {
    switch (command) {
    case Command::GetInt: return Find(ints, parameter, reinterpret_cast<int32_t*>(value));
    case Command::GetDouble: return Find(doubles, parameter, reinterpret_cast<double*>(value));
    case Command::GetString: {
        const auto found = strings.find(parameter);
        return found == strings.end() ? 0 : CopyOut(found->second, reinterpret_cast<ProfileStringBuffer*>(value));
    }
    case Command::SetInt:
        ints.insert_or_assign(std::u16string(parameter), *reinterpret_cast<const int32_t*>(value));
        return 1;
    case Command::SetDouble:
        doubles.insert_or_assign(std::u16string(parameter), *reinterpret_cast<const double*>(value));
        return 1;
    case Command::SetString:
        strings.insert_or_assign(std::u16string(parameter), std::u16string(reinterpret_cast<const char16_t*>(value)));
        return 1;
    case Command::DelParam:
        Erase(ints, parameter);
        Erase(doubles, parameter);
        Erase(strings, parameter);
        return 1;
    }
    return 0;
}
