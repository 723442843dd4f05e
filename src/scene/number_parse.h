// The strict decimal reading of numbers typed by a user: blanks around it, an
// optional sign, digits with an optional point, an optional exponent. Empty text,
// nan, inf, hex, a decimal comma or trailing junk are not numbers, the result is
// always finite, and the locale plays no part. The edits of every dialog and the
// headless runner's options share it.
#pragma once

#include <optional>
#include <string_view>

namespace mb {

std::optional<double> ParseStrictReal(std::string_view text);
std::optional<int> ParseStrictInteger(std::string_view text);

// True when the text is not a number yet but typing more at its end can make it
// one: empty, a sign, a point, a mantissa waiting for its exponent ("1e", "2.5e+").
// Edits checked at each keystroke stay quiet about such a text; their Ok still
// refuses it. "1x" or "--" can never become a number and are not being typed.
bool IsRealBeingTyped(std::string_view text);

}  // namespace mb
