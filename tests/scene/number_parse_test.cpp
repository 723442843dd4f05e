#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <string>

#include "scene/number_parse.h"

namespace mb {
namespace {

// What a file of numbers holds: the fewest digits that read back to the very
// same double, whatever arithmetic made it.
TEST(ShortestText, WritesTheFewestDigitsThatReadBackExactly) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0.0098, "0.0098"},  {0.1 + 0.2, "0.30000000000000004"}, {0.1, "0.1"}, {-9.8, "-9.8"}, {0.0, "0"},
        {-0.0, "-0"},        {1e-5, "1e-05"},      {6.672e-11, "6.672e-11"},  {118.0, "118"},  {3e8, "3e+08"},
        {1.0 / 3.0, "0.3333333333333333"}, {std::numeric_limits<double>::infinity(), "inf"},
    };
    for (const Case& c : cases) EXPECT_EQ(ShortestText(c.value), c.text) << c.text;
    for (double v : {0.019, 1.0 / 7.0, -2.2250738585072014e-308, 1.7976931348623157e308, 5e-324}) {
        const std::string t = ShortestText(v);
        EXPECT_EQ(std::strtod(t.c_str(), nullptr), v) << t;
    }
}

}  // namespace
}  // namespace mb
