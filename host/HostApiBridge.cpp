// The C table of host entry points, forwarding to the bound command bus.
#include "host/HostApiBridge.h"

namespace {

CommandBus* boundBus = nullptr;

int32_t Subscribe(const char* eventName, HostHandler handler) {
    return boundBus ? boundBus->Subscribe(eventName, handler) : 0;
}

void Unsubscribe(int32_t subscriptionId) {
    if (boundBus) boundBus->Unsubscribe(subscriptionId);
}

int32_t RegisterCommand(const char* commandName, HostHandler handler) {
    return boundBus ? boundBus->RegisterCommand(commandName, handler) : 0;
}

void UnregisterCommand(int32_t registrationId) {
    if (boundBus) boundBus->UnregisterCommand(registrationId);
}

intptr_t Call(const char* commandName, intptr_t argument1, intptr_t argument2) {
    return boundBus ? boundBus->Call(commandName, argument1, argument2) : 0;
}

intptr_t Exists(const char* commandName) { return boundBus ? boundBus->Exists(commandName) : 0; }

const HostApi table = {nullptr,         nullptr,           nullptr, Subscribe, Unsubscribe,
                       RegisterCommand, UnregisterCommand, Call,    Exists};

}  // namespace

const HostApi* BindHostApi(CommandBus& bus) {
    boundBus = &bus;
    return &table;
}

void UnbindHostApi() { boundBus = nullptr; }
