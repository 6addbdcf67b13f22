// The profile commands of the host interface, answered from a ProfileStore.
#include "host/ProfileCommands.h"

#include "host/HostText.h"
#include "hostlink/HostApi.h"

#include <optional>

namespace {

std::optional<std::string> NameOf(intptr_t argument) {
    return ReadHostText(reinterpret_cast<const char16_t*>(argument));
}

// Writes a found value through the out pointer; 1 when written.
template <typename T>
intptr_t Answer(const std::optional<T>& value, intptr_t out) {
    if (!value || out == 0) return 0;
    *reinterpret_cast<T*>(out) = *value;
    return 1;
}

}  // namespace

void ServeProfileCommands(CommandBus& bus, ProfileStore& store, std::function<void()> onChange) {
    auto changed = [onChange = std::move(onChange)] {
        if (onChange) onChange();
    };
    bus.Serve(HOST_CMD_PROFILE_GET_INT, [&store](intptr_t name, intptr_t out) -> intptr_t {
        const auto key = NameOf(name);
        return key ? Answer(store.GetInt(*key), out) : 0;
    });
    bus.Serve(HOST_CMD_PROFILE_GET_DOUBLE, [&store](intptr_t name, intptr_t out) -> intptr_t {
        const auto key = NameOf(name);
        return key ? Answer(store.GetDouble(*key), out) : 0;
    });
    bus.Serve(HOST_CMD_PROFILE_GET_STRING, [&store](intptr_t name, intptr_t out) -> intptr_t {
        const auto key = NameOf(name);
        const auto value = key ? store.Get(*key) : std::nullopt;
        auto* buffer = reinterpret_cast<ProfileStringBuffer*>(out);
        if (!value || buffer == nullptr) return 0;
        return CopyHostText(ToHostText(*value), buffer->text, buffer->capacity) ? 1 : 0;
    });
    // A changing command: apply returns false when the value cannot be taken.
    using Apply = std::function<bool(const std::string& key, intptr_t value)>;
    auto changing = [changed](Apply apply) {
        return [changed, apply](intptr_t name, intptr_t value) -> intptr_t {
            const auto key = NameOf(name);
            if (!key || !apply(*key, value)) return 0;
            changed();
            return 1;
        };
    };
    bus.Serve(HOST_CMD_PROFILE_SET_INT, changing([&store](const std::string& key, intptr_t value) {
                  if (value == 0) return false;
                  store.SetInt(key, *reinterpret_cast<const int32_t*>(value));
                  return true;
              }));
    bus.Serve(HOST_CMD_PROFILE_SET_DOUBLE, changing([&store](const std::string& key, intptr_t value) {
                  if (value == 0) return false;
                  store.SetDouble(key, *reinterpret_cast<const double*>(value));
                  return true;
              }));
    bus.Serve(HOST_CMD_PROFILE_SET_STRING, changing([&store](const std::string& key, intptr_t value) {
                  const auto text = ReadHostText(reinterpret_cast<const char16_t*>(value));
                  if (text) store.Set(key, *text);
                  return text.has_value();
              }));
    bus.Serve(HOST_CMD_PROFILE_DEL_PARAM,
              changing([&store](const std::string& key, intptr_t) { return store.Remove(key); }));
}
