#include "app/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace mb {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Accepts [sign] digits [. digits] [e [sign] digits] with at least one digit in
// the mantissa; `allowFraction` false admits integers only.
bool IsStrictNumber(const std::string& s, bool allowFraction) {
    std::size_t i = 0;
    const std::size_t n = s.size();
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < n && IsDigit(s[i])) ++i, ++digits;
    if (allowFraction && i < n && s[i] == '.') {
        ++i;
        while (i < n && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (allowFraction && i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < n && IsDigit(s[i])) ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    return i == n;
}

std::string Trimmed(const QString& text) { return text.trimmed().toStdString(); }

}  // namespace

std::optional<double> ParseReal(const QString& text) {
    const std::string s = Trimmed(text);
    if (!IsStrictNumber(s, true)) return std::nullopt;
    // from_chars ignores the process locale, which QApplication takes from the
    // environment; from_chars also refuses a leading '+', so skip it here.
    const char* first = s.data() + (s[0] == '+' ? 1 : 0);
    double v = 0.0;
    const auto [ptr, ec] = std::from_chars(first, s.data() + s.size(), v);
    if (ec != std::errc() || ptr != s.data() + s.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<int> ParseInteger(const QString& text) {
    const std::string s = Trimmed(text);
    if (!IsStrictNumber(s, false)) return std::nullopt;
    const char* first = s.data() + (s[0] == '+' ? 1 : 0);
    int v = 0;
    const auto [ptr, ec] = std::from_chars(first, s.data() + s.size(), v);
    if (ec != std::errc() || ptr != s.data() + s.size()) return std::nullopt;
    return v;
}

QString FormatReal(double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    return QString::fromLatin1(buf);
}

}  // namespace mb
