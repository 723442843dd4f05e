// Numbers typed into edits and shown in them. A real is a strict decimal: blanks
// around it, an optional sign, digits with an optional point, an optional
// exponent. Empty text, nan, inf, hex, a decimal comma or trailing junk are not
// numbers, and the locale plays no part.
#pragma once

#include <QString>
#include <optional>

namespace mb {

std::optional<double> ParseReal(const QString& text);
std::optional<int> ParseInteger(const QString& text);

// Shortest general form up to 15 significant digits, as the edits show reals.
QString FormatReal(double value);

}  // namespace mb
