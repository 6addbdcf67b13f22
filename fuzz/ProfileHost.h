// A host for the fuzz targets that serves the profile commands from memory and nothing else. The
// tests' FakeHost records every call as a text; a restore and a store make over a hundred profile calls,
// and that record would cost the targets more than the module's code they are run for.
#pragma once

#include "hostlink/HostApi.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

class ProfileHost {
public:
    // One instance at a time: the host table has no user-data pointer.
    ProfileHost();
    ~ProfileHost();
    ProfileHost(const ProfileHost&) = delete;
    ProfileHost& operator=(const ProfileHost&) = delete;

    const HostApi* Api() const { return &api_; }

    // Stored values keyed by the full parameter name, UTF-16 as the host interface passes them.
    std::map<std::u16string, std::u16string, std::less<>> strings;
    std::map<std::u16string, int32_t, std::less<>> ints;
    std::map<std::u16string, double, std::less<>> doubles;

private:
    static ProfileHost* current_;
    HostApi api_{};

    static intptr_t Call(const char* name, intptr_t argument1, intptr_t argument2);
    static intptr_t Exists(const char* name);
    enum class Command { GetInt, GetDouble, GetString, SetInt, SetDouble, SetString, DelParam };

    // The command a name asks for; none for the commands this host does not serve.
    static std::optional<Command> Served(const char* name);
    intptr_t Serve(Command command, std::u16string_view parameter, intptr_t value);
};
