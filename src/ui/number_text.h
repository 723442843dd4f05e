// Numbers typed into edits and shown in them. Reading is the strict decimal
// reading of scene/number_parse.h.
#pragma once

#include <QString>
#include <optional>

namespace mb {

std::optional<double> ParseReal(const QString& text);
std::optional<int> ParseInteger(const QString& text);
// See IsRealBeingTyped in scene/number_parse.h.
bool IsRealBeingTyped(const QString& text);

// Shortest general form up to 15 significant digits, as the edits show reals.
QString FormatReal(double value);
// Five significant digits, as the data window shows its values.
QString FormatData(double value);

}  // namespace mb
