// The property every input must keep when given to the project reader: it is
// either refused with a reason or read into a scene that writes back to a file
// the reader accepts and that then comes back byte for byte; and the names file
// decoder's own property on any bytes. Used by the fuzz target and by the
// damaged-file tests.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <string_view>

#include "io/names_text.h"
#include "io/project_file.h"

namespace mb::fuzz {

inline void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "reader property broken: %s\n", what);
        std::abort();
    }
}

// Returns true when the project bytes were accepted.
inline bool CheckReaderOnInput(std::string_view project, const std::string* names) {
    const ReadResult first = ReadProjectBytes(project, names);
    if (!first.ok) {
        Require(!first.error.empty(), "a refusal carries its reason");
        Require(first.scene == nullptr, "a refused file yields no scene");
        return false;
    }
    Require(first.scene != nullptr, "an accepted file yields a scene");
    const Scene& s = *first.scene;
    Require(s.balls.count() <= kBallCapacity && s.remarkCount() <= kRemarkCapacity, "counts within capacity");
    for (int j = 0; j < s.balls.count(); ++j)
        Require(s.balls[j].pixelCount >= 0 && s.balls[j].pixelCount <= kPixelListCapacity, "pixel count in range");
    Require(s.SelectedBall >= -1 && s.SelectedBall < s.balls.count(), "selected ball names a ball or none");
    Require(s.view.MetresPerPixel > 0 && s.settings.StepTime > 0 && s.settings.StepsPerTick > 0, "usable settings");

    // Saved as the program saves an opened project: in the names file's own encoding.
    const EncodedProject once = EncodeProject(s, first.namesEncoding);
    const ReadResult second = ReadProjectBytes(once.project, &once.names);
    Require(second.ok, "what was written reads back");
    const EncodedProject twice = EncodeProject(*second.scene, second.namesEncoding);
    Require(twice.project == once.project, "project bytes are stable after one save");
    Require(twice.names == once.names, "names are stable after one save");
    return true;
}

// The property of the names file decoder on any bytes: every line it yields is
// UTF-8, and a file it takes as GB18030 that is in the writer's own form (CR LF
// after every line) comes back byte for byte from the lines it yielded.
inline void CheckNamesDecoder(std::string_view bytes) {
    const NamesFileText text = DecodeNamesFile(bytes);
    std::string joined;
    for (const std::string& line : text.lines) {
        Require(IsValidUtf8(line), "names come out as UTF-8");
        joined += line + "\r\n";
    }
    if (text.encoding != NamesEncoding::Gb18030) return;
    bool writersForm = bytes.size() >= 2 && bytes.substr(bytes.size() - 2) == "\r\n";
    for (std::size_t i = 0; writersForm && i < bytes.size(); ++i) {
        if (bytes[i] == '\r') writersForm = i + 1 < bytes.size() && bytes[i + 1] == '\n';
        if (bytes[i] == '\n') writersForm = i > 0 && bytes[i - 1] == '\r';
    }
    if (writersForm)
        Require(EncodeNamesFile(joined, NamesEncoding::Gb18030) == bytes, "a GB18030 names file writes back unchanged");
}

// A fuzz input is the project bytes, optionally followed by a names file after
// the first occurrence of the separator below. Without one, an accepted project
// is read again with the input itself as its names file, so that the names
// handling sees arbitrary bytes too.
inline constexpr std::string_view kNamesSeparator = "\n--names--\n";

inline void CheckFuzzInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = all.find(kNamesSeparator);
    CheckNamesDecoder(cut == std::string_view::npos ? all : all.substr(cut + kNamesSeparator.size()));
    if (cut == std::string_view::npos) {
        if (CheckReaderOnInput(all, nullptr)) {
            const std::string names(all);
            CheckReaderOnInput(all, &names);
        }
        return;
    }
    const std::string names(all.substr(cut + kNamesSeparator.size()));
    CheckReaderOnInput(all.substr(0, cut), &names);
}

}  // namespace mb::fuzz
