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

// True when the text is not a number yet but typing more at its end can make it
// one: empty, a sign, a point, a mantissa waiting for its exponent ("1e", "2.5e+").
// Edits checked at each keystroke stay quiet about such a text; their Ok still
// refuses it. "1x" or "--" can never become a number and are not being typed.
bool IsRealBeingTyped(std::string_view text);

// The shortest text that reads back to exactly the same double (0.0098, not
// 0.0097999999999999997): what every file of numbers the program writes holds,
// so a spreadsheet shows what was meant and nothing is lost. Not-finite values
// come out as inf, -inf or nan.
std::string ShortestText(double value);

}  // namespace mb
