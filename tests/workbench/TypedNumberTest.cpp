// Numbers typed one key at a time: which texts wait for more keys, which are used, which are refused.
#include "workbench/TypedNumber.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TypedCase {
    const char* text;
    TypedNumberKind kind;
    double value;
};

TEST(TypedNumber, TextsAsTheyAreTyped) {
    using K = TypedNumberKind;
    const TypedCase cases[] = {
        {"", K::StillTyping, 0.0},      {"-", K::StillTyping, 0.0},      {".", K::StillTyping, 0.0},
        {"0", K::StillTyping, 0.0},     {"0.", K::StillTyping, 0.0},     {".0", K::StillTyping, 0.0},
        {"0.000", K::StillTyping, 0.0}, {"0.0001", K::Number, 1e-4},     {"0.000141", K::Number, 0.000141},
        {"1e", K::StillTyping, 1.0},    {"1e-", K::StillTyping, 1.0},    {"9.44e-5", K::Number, 9.44e-5},
        {"9.", K::StillTyping, 9.0},    {"0.7", K::Number, 0.7},         {"140", K::Number, 140.0},
        {" 2", K::Number, 2.0},         {"2x", K::Number, 2.0},          {"abc", K::NotANumber, 0.0},
        {"x.", K::NotANumber, 0.0},     {"--1", K::NotANumber, 0.0},     {"-0.5", K::Number, -0.5},
        {"1e999", K::NotANumber, 0.0},  {"-1e999", K::NotANumber, 0.0},  {"inf", K::NotANumber, 0.0},
        {"nan", K::NotANumber, 0.0},    {"1e-999", K::StillTyping, 0.0}, {"0x10", K::StillTyping, 0.0},
    };
    for (const TypedCase& c : cases) {
        const TypedNumber typed = ReadTypedNumber(c.text);
        EXPECT_EQ(typed.kind, c.kind) << '"' << c.text << '"';
        EXPECT_EQ(typed.value, c.value) << '"' << c.text << '"';
    }
}

TEST(TypedNumber, OnlyTheFirst400CharactersAreRead) {
    const std::string zeros = "0." + std::string(398, '0');
    EXPECT_EQ(ReadTypedNumber(zeros + "5").kind, TypedNumberKind::StillTyping);
    EXPECT_EQ(ReadTypedNumber("7." + std::string(100000, '7')).kind, TypedNumberKind::Number);
}

}  // namespace
