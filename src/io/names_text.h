// Text handling for the names file: names are UTF-8 in memory and on disk, but
// files written by older copies of the program hold 8-bit code page text. A line
// that is not valid UTF-8 is taken byte by byte as Latin-1 instead of refused.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mb {

bool IsValidUtf8(std::string_view text);

// Each byte as the Unicode character of the same number, encoded as UTF-8.
std::string Latin1ToUtf8(std::string_view text);

// The lines of a names file. Lines end in CR LF (a bare LF is accepted too); a
// final line without a line end still counts. Each line comes back as UTF-8.
std::vector<std::string> SplitNameLines(std::string_view text);

// A name as one names-file line: line breaks become blanks so the file keeps
// one entry per line.
std::string NameLine(std::string_view name);

}  // namespace mb
