#include <gtest/gtest.h>

#include <cmath>

#include "ui/number_text.h"

namespace mb {
namespace {

TEST(NumberText, RealsAreStrictDecimals) {
    struct Case {
        const char* text;
        bool ok;
        double value;
    };
    const Case cases[] = {
        {"10", true, 10.0},       {"  0.0005 ", true, 0.0005}, {"-3.5", true, -3.5}, {"+2", true, 2.0},
        {"1e3", true, 1000.0},    {"2.5E-2", true, 0.025},     {".5", true, 0.5},    {"5.", true, 5.0},
        {"", false, 0},           {"   ", false, 0},           {"abc", false, 0},    {"nan", false, 0},
        {"inf", false, 0},        {"-Infinity", false, 0},     {"0x10", false, 0},   {"1,5", false, 0},
        {"12abc", false, 0},      {"1e", false, 0},            {"e5", false, 0},     {".", false, 0},
        {"1e999", false, 0},      {"--1", false, 0},           {"1 2", false, 0},    {"+-1", false, 0},
    };
    for (const Case& c : cases) {
        const auto v = ParseReal(QString::fromUtf8(c.text));
        EXPECT_EQ(v.has_value(), c.ok) << '"' << c.text << '"';
        if (v && c.ok) {
            EXPECT_EQ(*v, c.value) << c.text;
        }
    }
}

TEST(NumberText, IntegersRefuseFractionsAndOverflow) {
    struct Case {
        const char* text;
        bool ok;
        int value;
    };
    const Case cases[] = {{"100", true, 100},     {" 1 ", true, 1},      {"-4", true, -4},  {"+7", true, 7},
                          {"0", true, 0},         {"1.0", false, 0},     {"1e2", false, 0}, {"", false, 0},
                          {"x", false, 0},        {"99999999999", false, 0}, {"2147483647", true, 2147483647}};
    for (const Case& c : cases) {
        const auto v = ParseInteger(QString::fromUtf8(c.text));
        EXPECT_EQ(v.has_value(), c.ok) << '"' << c.text << '"';
        if (v && c.ok) {
            EXPECT_EQ(*v, c.value) << c.text;
        }
    }
}

TEST(NumberText, RealsShowInShortestFormUpToFifteenDigits) {
    EXPECT_EQ(FormatReal(0.001), "0.001");
    EXPECT_EQ(FormatReal(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatReal(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(FormatReal(-50.0), "-50");
    EXPECT_EQ(FormatReal(1e-7), "1e-07");
    // What is shown reads back as the same number where 15 digits suffice.
    for (double v : {0.0005, 123.456, -9.8, 6.672e-11}) EXPECT_EQ(*ParseReal(FormatReal(v)), v);
}

}  // namespace
}  // namespace mb
