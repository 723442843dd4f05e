#include "ui/number_text.h"

#include <cstdio>
#include <string>

#include "scene/number_parse.h"

namespace mb {

std::optional<double> ParseReal(const QString& text) { return ParseStrictReal(text.toStdString()); }

std::optional<int> ParseInteger(const QString& text) { return ParseStrictInteger(text.toStdString()); }

bool IsRealBeingTyped(const QString& text) { 
    const std::string s = text.toStdString();
    return IsRealBeingTyped(std::string_view(s));
}

namespace {
QString Formatted(const char* format, double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, value);
    return QString::fromLatin1(buf);
}
}  // namespace

QString FormatReal(double value) { return Formatted("%.15g", value); }
QString FormatData(double value) { return Formatted("%.5g", value); }

}  // namespace mb
