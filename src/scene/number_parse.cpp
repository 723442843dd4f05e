#include "scene/number_parse.h"

#include <charconv>
#include <cmath>

namespace mb {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// Accepts [sign] digits [. digits] [e [sign] digits] with at least one digit in
// the mantissa; `allowFraction` false admits integers only.
bool IsStrictNumber(std::string_view s, bool allowFraction) {
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

// Walks the same grammar as IsStrictNumber and answers whether the text stops
// somewhere inside it rather than stepping outside it.
bool IsStrictNumberPrefix(std::string_view s) {
    std::size_t i = 0;
    const std::size_t n = s.size();
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < n && IsDigit(s[i])) ++i, ++digits;
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && IsDigit(s[i])) ++i, ++digits;
    }
    if (i == n) return true;
    if (digits == 0 || (s[i] != 'e' && s[i] != 'E')) return false;
    ++i;
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    while (i < n && IsDigit(s[i])) ++i;
    return i == n;
}

// from_chars ignores the process locale, which QApplication takes from the
// environment; it refuses a leading '+', so that is skipped here.
template <class T>
std::optional<T> Convert(std::string_view s) {
    const char* first = s.data() + (s[0] == '+' ? 1 : 0);
    const char* last = s.data() + s.size();
    T v{};
    const auto [ptr, ec] = std::from_chars(first, last, v);
    if (ec != std::errc() || ptr != last) return std::nullopt;
    return v;
}

}  // namespace

std::optional<double> ParseStrictReal(std::string_view text) {
    const std::string_view s = Trimmed(text);
    if (!IsStrictNumber(s, true)) return std::nullopt;
    const auto v = Convert<double>(s);
    if (!v || !std::isfinite(*v)) return std::nullopt;
    return v;
}

bool IsRealBeingTyped(std::string_view text) {
    // A complete number, even one too large to hold, is not being typed any more.
    if (IsStrictNumber(Trimmed(text), true)) return false;
    // Blanks before the number are allowed; after it, nothing more can be typed.
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return IsStrictNumberPrefix(text);
}

std::string ShortestText(double value) {
    char buf[32];  // the longest shortest form, -2.2250738585072014e-308, needs 24
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, r.ptr);
}

std::optional<int> ParseStrictInteger(std::string_view text) {
    const std::string_view s = Trimmed(text);
    if (!IsStrictNumber(s, false)) return std::nullopt;
    return Convert<int>(s);
}

}  // namespace mb
