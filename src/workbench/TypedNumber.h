// How far a number typed into an edit one key at a time has come: still being typed, a number to use,
// or text that is no number at all.
#pragma once

#include <string_view>

enum class TypedNumberKind {
    StillTyping,  // empty, or a start that the next keys may still turn into another number
    Number,  // a number to compute with
    NotANumber,  // does not begin with a number
};

struct TypedNumber {
    TypedNumberKind kind = TypedNumberKind::StillTyping;
    double value = 0.0;  // the leading number; 0 when there is none
};

// Reads text as the user has typed it so far. Still typing: a beginning of a number that is no number
// yet or ends in ".", "e", "E", "+" or "-" ("", "-", ".", "1.", "1e-"), and any text whose leading number
// is 0 ("0", ".0", "0.000"), since the next digit may make it 0.0001 and computing with 0 on the way
// would spoil the entry. The leading number counts, the rest is ignored ("2x" is 2); one that is not
// finite ("1e999", "inf", "nan") is no number. At most the first 400 characters are read.
TypedNumber ReadTypedNumber(std::string_view text);
