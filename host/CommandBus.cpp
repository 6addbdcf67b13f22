// The host's command bus: events, plug-in registrations and host-served commands.
#include "host/CommandBus.h"

#include <algorithm>
#include <exception>

void CommandBus::Serve(const std::string& name, ServedCommand command) {
    StopServing(name);
    served_.emplace_back(name, std::move(command));
}

void CommandBus::StopServing(const std::string& name) {
    std::erase_if(served_, [&](const auto& entry) { return entry.first == name; });
}

int32_t CommandBus::Subscribe(const char* eventName, HostHandler handler) {
    return Add(subscriptions_, eventName, handler);
}

void CommandBus::Unsubscribe(int32_t subscriptionId) {
    std::erase_if(subscriptions_, [&](const Entry& entry) { return entry.id == subscriptionId; });
}

int32_t CommandBus::RegisterCommand(const char* commandName, HostHandler handler) {
    // A plug-in must not take over a command the host answers itself.
    if (commandName != nullptr && FindServed(commandName) != nullptr) {
        Report(std::string("refused to register \"") + commandName + "\": the host serves it");
        return 0;
    }
    return Add(registrations_, commandName, handler);
}

void CommandBus::UnregisterCommand(int32_t registrationId) {
    std::erase_if(registrations_, [&](const Entry& entry) { return entry.id == registrationId; });
}

intptr_t CommandBus::Call(const char* commandName, intptr_t argument1, intptr_t argument2) {
    if (commandName == nullptr) return 0;
    const std::string name = commandName;
    // Copies, so that a command which unregisters itself or serves others keeps running safely.
    ServedCommand command;
    HostHandler handler = nullptr;
    if (const ServedCommand* found = FindServed(name))
        command = *found;
    else if (const Entry* entry = FindRegistered(name))
        handler = entry->handler;
    else
        return 0;
    try {
        return command ? command(argument1, argument2) : handler(argument1);
    } catch (const std::exception& e) {
        Report("command \"" + name + "\" failed: " + e.what());
    } catch (...) {
        Report("command \"" + name + "\" failed");
    }
    return 0;
}

intptr_t CommandBus::Exists(const char* commandName) const {
    if (commandName == nullptr) return 0;
    return FindServed(commandName) != nullptr || FindRegistered(commandName) != nullptr ? 1 : 0;
}

int CommandBus::Fire(const std::string& eventName, intptr_t argument) {
    std::vector<int32_t> ids;
    for (const Entry& entry : subscriptions_)
        if (entry.name == eventName) ids.push_back(entry.id);
    int called = 0;
    for (int32_t id : ids) {
        const auto it = std::find_if(subscriptions_.begin(), subscriptions_.end(),
                                     [&](const Entry& entry) { return entry.id == id; });
        if (it == subscriptions_.end()) continue;
        const HostHandler handler = it->handler;
        ++called;
        try {
            handler(argument);
        } catch (...) {
            Report("a handler of the event \"" + eventName + "\" failed");
        }
    }
    return called;
}

const CommandBus::ServedCommand* CommandBus::FindServed(const std::string& name) const {
    const auto it =
        std::find_if(served_.begin(), served_.end(), [&](const auto& entry) { return entry.first == name; });
    return it == served_.end() ? nullptr : &it->second;
}

const CommandBus::Entry* CommandBus::FindRegistered(const std::string& name) const {
    const auto it = std::find_if(registrations_.rbegin(), registrations_.rend(),
                                 [&](const Entry& entry) { return entry.name == name; });
    return it == registrations_.rend() ? nullptr : &*it;
}

int32_t CommandBus::Add(std::vector<Entry>& entries, const char* name, HostHandler handler) {
    if (name == nullptr || handler == nullptr) return 0;
    entries.push_back(Entry{++lastId_, name, handler});
    return lastId_;
}

void CommandBus::Report(const std::string& text) const {
    if (reportFault_) reportFault_(text);
}
