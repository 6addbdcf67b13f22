// The host's command bus: named events with their subscribers, commands registered by plug-ins and
// commands served by the host itself. Every entry runs on the user-interface thread.
#pragma once

#include "hostlink/HostApi.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CommandBus {
public:
    // A command served by the host: two pointer-sized arguments in, the command's result out.
    using ServedCommand = std::function<intptr_t(intptr_t argument1, intptr_t argument2)>;
    // Receives a text (UTF-8) describing a fault caught inside the bus.
    using FaultReporter = std::function<void(const std::string& text)>;

    // Serves name from the host; a later Serve of the same name replaces the earlier one.
    void Serve(const std::string& name, ServedCommand command);
    // Stops serving name; nothing happens when it is not served.
    void StopServing(const std::string& name);

    // Adds handler to the subscribers of the event; returns an id above 0, or 0 for a null name or
    // handler.
    int32_t Subscribe(const char* eventName, HostHandler handler);
    // Drops the subscription; an unknown id is ignored.
    void Unsubscribe(int32_t subscriptionId);
    // Registers handler under the name; returns an id above 0, or 0 for a null name or handler or a
    // name the host serves itself. The latest registration of a name answers its calls.
    int32_t RegisterCommand(const char* commandName, HostHandler handler);
    // Drops the registration; an unknown id is ignored.
    void UnregisterCommand(int32_t registrationId);
    // Runs the served or registered command (a registered handler gets argument1); returns 0 for an
    // unknown or null name and when the command throws.
    intptr_t Call(const char* commandName, intptr_t argument1, intptr_t argument2);
    // 1 when the name is served or registered, else 0.
    intptr_t Exists(const char* commandName) const;
    // Calls every subscriber of the event in subscription order; returns how many were called.
    // Subscribers added while firing wait for the next firing; one dropped while firing is skipped.
    int Fire(const std::string& eventName, intptr_t argument);

    // Where faults caught inside the bus go; by default they are dropped.
    void SetFaultReporter(FaultReporter reporter) { reportFault_ = std::move(reporter); }

private:
    struct Entry {
        int32_t id;
        std::string name;
        HostHandler handler;
    };

    const ServedCommand* FindServed(const std::string& name) const;
    const Entry* FindRegistered(const std::string& name) const;
    int32_t Add(std::vector<Entry>& entries, const char* name, HostHandler handler);
    void Report(const std::string& text) const;

    std::vector<std::pair<std::string, ServedCommand>> served_;
    std::vector<Entry> subscriptions_;
    std::vector<Entry> registrations_;
    int32_t lastId_ = 0;
    FaultReporter reportFault_;
};
