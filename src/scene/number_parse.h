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

}  // namespace mb
