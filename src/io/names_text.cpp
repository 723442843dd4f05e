#include "io/names_text.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>

namespace mb {

const char* NamesEncodingName(NamesEncoding encoding) {
    return encoding == NamesEncoding::Gb18030 ? "GB18030" : "UTF-8";
}

bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        const auto c = static_cast<std::uint8_t>(text[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        int extra;
        std::uint32_t cp;
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            cp = c & 0x1Fu;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            cp = c & 0x0Fu;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            cp = c & 0x07u;
        } else {
            return false;  // stray continuation byte, overlong lead, or beyond U+10FFFF
        }
        if (i + static_cast<std::size_t>(extra) >= n) return false;  // cut off at the end
        for (int k = 1; k <= extra; ++k) {
            const auto cc = static_cast<std::uint8_t>(text[i + static_cast<std::size_t>(k)]);
            if ((cc & 0xC0u) != 0x80u) return false;
            cp = (cp << 6) | (cc & 0x3Fu);
        }
        // Overlong forms, surrogates and code points past the Unicode range.
        if ((extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000) || (cp >= 0xD800 && cp <= 0xDFFF) ||
            cp > 0x10FFFF)
            return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

std::string Latin1ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char ch : text) {
        const auto c = static_cast<std::uint8_t>(ch);
        if (c < 0x80) {
            out.push_back(ch);
        } else {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

namespace {

// Converts the whole of `in` with the C library's converter; false when any of
// it is not valid in `from` (or cannot be said in `to`), or when the converter
// for the pair is not installed.
bool Convert(const char* to, const char* from, std::string_view in, std::string& out) {
    const iconv_t cd = ::iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    // No character grows by more than twice either way (the worst is two UTF-8
    // bytes becoming four GB18030 bytes), so this is room enough; the loop still
    // grows it should a converter ever want more.
    out.assign(in.size() * 2 + 16, '\0');
    char* src = const_cast<char*>(in.data());  // iconv does not write through it
    std::size_t srcLeft = in.size();
    std::size_t done = 0;
    bool ok = true;
    while (srcLeft > 0) {
        char* dst = out.data() + done;
        std::size_t dstLeft = out.size() - done;
        const std::size_t r = ::iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        done = out.size() - dstLeft;
        if (r != static_cast<std::size_t>(-1)) break;
        if (errno != E2BIG) {  // EILSEQ: not valid; EINVAL: cut off at the end
            ok = false;
            break;
        }
        out.resize(out.size() * 2);
    }
    ::iconv_close(cd);
    out.resize(ok ? done : 0);
    return ok;
}

}  // namespace

bool Gb18030ToUtf8(std::string_view gb, std::string& utf8) { return Convert("UTF-8", "GB18030", gb, utf8); }

bool Utf8ToGb18030(std::string_view utf8, std::string& gb) {
    return IsValidUtf8(utf8) && Convert("GB18030", "UTF-8", utf8, gb);
}

std::vector<std::string> SplitNameLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(IsValidUtf8(line) ? std::string(line) : Latin1ToUtf8(line));
        if (last) break;
        start = end + 1;
    }
    return lines;
}

NamesFileText DecodeNamesFile(std::string_view bytes) {
    NamesFileText out;
    std::string utf8, back;
    if (!IsValidUtf8(bytes) && Gb18030ToUtf8(bytes, utf8) && Utf8ToGb18030(utf8, back) && back == bytes) {
        out.lines = SplitNameLines(utf8);
        out.encoding = NamesEncoding::Gb18030;
    } else {
        out.lines = SplitNameLines(bytes);
    }
    return out;
}

std::string EncodeNamesFile(std::string utf8, NamesEncoding encoding) {
    std::string gb;
    if (encoding == NamesEncoding::Gb18030 && Utf8ToGb18030(utf8, gb)) return gb;
    return utf8;
}

std::string NameLine(std::string_view name) {
    std::string out(name);
    for (char& c : out)
        if (c == '\r' || c == '\n') c = ' ';
    return out;
}

}  // namespace mb
