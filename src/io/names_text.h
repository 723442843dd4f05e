// Text handling for the names file. Names are UTF-8 in memory. On disk a names
// file is either UTF-8 (what a new project writes) or the code page of the
// desktop that wrote it, which for the files in circulation is a Chinese one:
// GBK or GB2312, both contained in GB18030. A file is kept in the encoding it was
// read in, so saving it again leaves it readable where it came from.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mb {

enum class NamesEncoding { Utf8, Gb18030 };

// "UTF-8" or "GB18030".
const char* NamesEncodingName(NamesEncoding encoding);

bool IsValidUtf8(std::string_view text);

// Each byte as the Unicode character of the same number, encoded as UTF-8.
std::string Latin1ToUtf8(std::string_view text);

// GB18030 text as UTF-8 and back, through the C library's converter. False when
// any of the text is not valid in the encoding it is taken from, or when the
// converter is not installed.
bool Gb18030ToUtf8(std::string_view gb, std::string& utf8);
bool Utf8ToGb18030(std::string_view utf8, std::string& gb);

// The lines of a names file. Lines end in CR LF (a bare LF is accepted too); a
// final line without a line end still counts. Each line comes back as UTF-8: as
// it is when it is valid UTF-8, else byte by byte as Latin-1.
std::vector<std::string> SplitNameLines(std::string_view text);

struct NamesFileText {
    std::vector<std::string> lines;  // UTF-8
    NamesEncoding encoding = NamesEncoding::Utf8;
};

// A names file's lines and the encoding to write it back in. A file that is
// valid UTF-8 is UTF-8. Otherwise it is GB18030 when all of it is, and converts
// back to the very same bytes, so that a save of the unchanged project writes
// the unchanged file. Bytes valid in neither are split by SplitNameLines and the
// file is written back as UTF-8.
NamesFileText DecodeNamesFile(std::string_view bytes);

// The bytes of a names file whose text is `utf8`, in `encoding`. Text GB18030
// cannot hold (it holds all of Unicode, so only bytes that are not UTF-8 at all)
// is written as UTF-8, which reads back as it was.
std::string EncodeNamesFile(std::string utf8, NamesEncoding encoding);

// A name as one names-file line: line breaks become blanks so the file keeps
// one entry per line.
std::string NameLine(std::string_view name);

}  // namespace mb
