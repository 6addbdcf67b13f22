// The texts of the module's message boxes, each a format whose "%s" (at most one) stands for a
// part filled in when shown: a file path, an error text, a component name. Translations are looked
// up under the context kMessageContext with the Russian format as the source.
#pragma once

#include <optional>
#include <string>

inline constexpr const char* kMessageContext = "Messages";

struct MessageMatch {
    const char* format;  // the Russian format the text was made from
    std::string argument;  // what stands in its "%s"; "" for a format without one
};

// The format a shown text was made from; nothing for a text of no message of the module.
std::optional<MessageMatch> MatchMessage(const std::string& text);
