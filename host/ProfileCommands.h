// Serves the seven profile commands of the host interface from a profile store. The parameter name
// is the first argument (zero-terminated UTF-16); the value travels through the second.
#pragma once

#include "host/CommandBus.h"
#include "host/ProfileStore.h"

#include <functional>

// Serves "Profile/GetInt", "Profile/GetDouble", "Profile/GetString", "Profile/SetInt",
// "Profile/SetDouble", "Profile/SetString" and "Profile/DelParam" on bus; each answers 0 for a null
// name or value pointer. onChange runs after every change of the store (may be empty). store must
// outlive the bus's use of these commands.
void ServeProfileCommands(CommandBus& bus, ProfileStore& store, std::function<void()> onChange);
