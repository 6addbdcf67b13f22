// The outcome of an operation on outside data (a file, the database, the report): ok, or the message
// that says why it failed. The one error style where data comes in or goes out.
#pragma once

#include "base/Message.h"

#include <string>
#include <utility>

struct Status {
    bool ok = true;
    Message message;  // why it failed; meaningless while ok

    // A success.
    static Status Ok() { return {}; }
    // A failure saying message, with argument in its "%s".
    static Status Failed(MessageId id, std::string argument = {}) { return {false, {id, std::move(argument)}}; }

    explicit operator bool() const { return ok; }
    // The Russian description of a failure; "" while ok.
    std::string Description() const { return ok ? std::string() : MessageText(message); }
};
