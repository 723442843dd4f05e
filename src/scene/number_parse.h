// The strict decimal reading of numbers typed by a user: blanks around it, an
// optional sign, digits with an optional point, an optional exponent. Empty text,
// nan, inf, hex, a decimal comma or trailing junk are not numbers, the result is
// always finite, and the locale plays no part. The edits of every dialog and the
// headless runner's options share it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mb {

std::optional<double> ParseStrictReal(std::string_view text);
std::optional<int> ParseStrictInteger(std::string_view text);

// The shortest text that reads back to exactly the same double (0.0098, not
// 0.0097999999999999997): what every file of numbers the program writes holds,
// so a spreadsheet shows what was meant and nothing is lost. Not-finite values
// come out as inf, -inf or nan.
std::string ShortestText(double value);

}  // namespace mb
