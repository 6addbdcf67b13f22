#include "FakeHost.h"

#include "base/Utf16.h"

#include <algorithm>
#include <stdexcept>

FakeHost* FakeHost::current_ = nullptr;

FakeHost::FakeHost() {
    if (current_) throw std::logic_error("only one FakeHost at a time");
    current_ = this;
    api_.Subscribe = &FakeHost::Subscribe;
    api_.Unsubscribe = &FakeHost::Unsubscribe;
    api_.RegisterCommand = &FakeHost::RegisterCommand;
    api_.UnregisterCommand = &FakeHost::UnregisterCommand;
    api_.Call = &FakeHost::Call;
    api_.Exists = &FakeHost::Exists;
    served = {HOST_CMD_GET_LANGUAGE,       HOST_CMD_CREATE_NEW_MENU,    HOST_CMD_GET_CONNECTION_URI,
              HOST_CMD_OPEN_ASSAY_ID_DLG,  HOST_CMD_OPEN_ASSAY_FILE,    HOST_CMD_PROFILE_GET_INT,
              HOST_CMD_PROFILE_GET_DOUBLE, HOST_CMD_PROFILE_GET_STRING, HOST_CMD_PROFILE_SET_INT,
              HOST_CMD_PROFILE_SET_DOUBLE, HOST_CMD_PROFILE_SET_STRING, HOST_CMD_PROFILE_DEL_PARAM};
}

FakeHost::~FakeHost() { current_ = nullptr; }

int FakeHost::Fire(const std::string& event, intptr_t argument) {
    int ran = 0;
    // Copy first: a handler may subscribe or unsubscribe while the event runs.
    const std::vector<Registration> live = subscriptions;
    for (const Registration& s : live) {
        if (s.live && s.name == event) {
            s.handler(argument);
            ++ran;
        }
    }
    return ran;
}

bool FakeHost::RunCommand(const std::string& command, intptr_t argument) {
    for (auto it = commands.rbegin(); it != commands.rend(); ++it) {
        if (it->live && it->name == command) {
            it->handler(argument);
            return true;
        }
    }
    return false;
}

int32_t FakeHost::Subscribe(const char* name, HostHandler handler) {
    const auto id = static_cast<int32_t>(current_->subscriptions.size() + 1);
    current_->subscriptions.push_back({name, handler, id, true});
    return id;
}

void FakeHost::Unsubscribe(int32_t id) {
    for (Registration& s : current_->subscriptions)
        if (s.id == id) s.live = false;
}

int32_t FakeHost::RegisterCommand(const char* name, HostHandler handler) {
    const auto id = static_cast<int32_t>(100 + current_->commands.size());
    current_->commands.push_back({name, handler, id, true});
    return id;
}

void FakeHost::UnregisterCommand(int32_t id) {
    for (Registration& c : current_->commands)
        if (c.id == id) c.live = false;
}

intptr_t FakeHost::Exists(const char* name) {
    current_->calls.push_back(std::string("Exists ") + name);
    return current_->served.count(name) ? 1 : 0;
}

intptr_t FakeHost::Call(const char* name, intptr_t argument1, intptr_t argument2) {
    current_->calls.push_back(std::string("Call ") + name);
    return current_->Serve(name, argument1, argument2);
}

intptr_t FakeHost::Serve(const std::string& name, intptr_t argument1, intptr_t argument2) {
    if (!served.count(name)) return 0;
    if (name == HOST_CMD_GET_LANGUAGE) return language;
    if (name == HOST_CMD_GET_CONNECTION_URI) {
        uriText_ = ToUtf16(connectionUri);
        return reinterpret_cast<intptr_t>(uriText_.c_str());
    }
    if (name == HOST_CMD_CREATE_NEW_MENU) {
        const auto* record = reinterpret_cast<const CreateNewMenuRecord*>(argument2);
        menus.push_back({record->size, FromUtf16(record->menuPath), record->reserved, record->commandName});
        return 1;
    }
    if (name == HOST_CMD_OPEN_ASSAY_ID_DLG) return ServeChooser(reinterpret_cast<AssayIdList*>(argument1));
    if (name == HOST_CMD_OPEN_ASSAY_FILE) {
        openedFiles.push_back(FromUtf16(reinterpret_cast<const char16_t*>(argument2)));
        return 1;
    }
    if (name.rfind("Profile/", 0) == 0)
        return ServeProfile(name, FromUtf16(reinterpret_cast<const char16_t*>(argument1)), argument2);
    return 0;
}

intptr_t FakeHost::ServeProfile(const std::string& name, const std::string& parameter, intptr_t value) {
    if (name == HOST_CMD_PROFILE_GET_INT) {
        const auto found = ints.find(parameter);
        if (found == ints.end()) return 0;
        *reinterpret_cast<int32_t*>(value) = found->second;
        return 1;
    }
    if (name == HOST_CMD_PROFILE_GET_DOUBLE) {
        const auto found = doubles.find(parameter);
        if (found == doubles.end()) return 0;
        *reinterpret_cast<double*>(value) = found->second;
        return 1;
    }
    if (name == HOST_CMD_PROFILE_GET_STRING) {
        const auto found = strings.find(parameter);
        if (found == strings.end()) return 0;
        auto* buffer = reinterpret_cast<ProfileStringBuffer*>(value);
        const std::u16string text = ToUtf16(found->second);
        const size_t room = static_cast<size_t>(buffer->capacity) - (fillWholeStringBuffer ? 0 : 1);
        const size_t count = fillWholeStringBuffer ? room : std::min(text.size(), room);
        for (size_t i = 0; i < count; ++i) buffer->text[i] = i < text.size() ? text[i] : u'x';
        if (!fillWholeStringBuffer) buffer->text[count] = 0;
        return 1;
    }
    if (name == HOST_CMD_PROFILE_SET_INT)
        ints[parameter] = *reinterpret_cast<const int32_t*>(value);
    else if (name == HOST_CMD_PROFILE_SET_DOUBLE)
        doubles[parameter] = *reinterpret_cast<const double*>(value);
    else if (name == HOST_CMD_PROFILE_SET_STRING)
        strings[parameter] = FromUtf16(reinterpret_cast<const char16_t*>(value));
    else if (name == HOST_CMD_PROFILE_DEL_PARAM) {
        ints.erase(parameter);
        doubles.erase(parameter);
        strings.erase(parameter);
    }
    return 1;
}

intptr_t FakeHost::ServeChooser(AssayIdList* list) {
    const size_t count = std::min(chosenAssays.size(), static_cast<size_t>(std::max(list->capacity, 0)));
    std::copy_n(chosenAssays.begin(), count, list->ids);
    return chooserResult >= 0 ? chooserResult : static_cast<intptr_t>(count);
}
