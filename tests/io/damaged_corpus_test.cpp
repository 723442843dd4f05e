// Damaged variants of every example, crafted the way real damage happens: cut
// off anywhere, counts overwritten, names files cut short. Each must be refused
// with a reason or read into a scene that saves and reads back unchanged.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>

#include "io/names_text.h"
#include "chinese_names_fixture.h"
#include "io/project_file.h"
#include "io_test_scenes.h"
#include "reader_check.h"

namespace mb {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct CountField {
    std::size_t offset;
    int capacity;
};

// Where the counts of a well-formed file sit, and where each section ends,
// found by walking the layout independently of the reader.
struct Layout {
    std::vector<CountField> counts;
    std::vector<std::size_t> boundaries;
};

Layout Walk(const std::string& b) {
    static const int kFields[13] = {7, 3, 3, 6, 6, 6, 5, 11, 7, 6, 5, 6, 5};
    Layout l;
    std::size_t at = 38;
    l.boundaries.push_back(at);
    for (int k : kFields) {
        l.counts.push_back({at, 20});
        at += 4 + static_cast<std::size_t>(test::PeekI32(b, at)) * k * 8 + 4;
        l.boundaries.push_back(at);
    }
    l.counts.push_back({at, 30});
    at += 4 + static_cast<std::size_t>(test::PeekI32(b, at)) * 109 + 4;
    l.boundaries.push_back(at);
    at += 20;
    l.boundaries.push_back(at);
    at += 50;
    l.boundaries.push_back(at);
    l.counts.push_back({at, 100});
    at += 4 + static_cast<std::size_t>(test::PeekI32(b, at)) * 40;
    l.boundaries.push_back(at);
    return l;
}

std::vector<std::string> ExampleFiles() {
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(MB_EXAMPLES_DIR))
        if (entry.path().extension() == ".kmx") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

TEST(DamagedCorpus, ExamplesAreWellFormed) {
    const auto files = ExampleFiles();
    ASSERT_GE(files.size(), 10u);
    for (const std::string& f : files) {
        const std::string project = Slurp(f), names = Slurp(f + ".nam");
        const Layout l = Walk(project);
        EXPECT_EQ(l.boundaries.back(), project.size()) << f;
        const ReadResult r = ReadProjectBytes(project, &names);
        ASSERT_TRUE(r.ok) << f << ": " << r.error;
        EXPECT_TRUE(r.warnings.empty()) << f;
        EXPECT_EQ(EncodeProject(*r.scene).project, project) << f;
    }
}

TEST(DamagedCorpus, EveryTruncationIsRefused) {
    for (const std::string& f : ExampleFiles()) {
        const std::string project = Slurp(f), names = Slurp(f + ".nam");
        const Layout l = Walk(project);
        for (std::size_t cut = 0; cut < project.size(); ++cut) {
            const bool atBoundary = std::find(l.boundaries.begin(), l.boundaries.end(), cut) != l.boundaries.end();
            const ReadResult r = ReadProjectBytes(std::string_view(project).substr(0, cut), &names);
            ASSERT_FALSE(r.ok) << f << " cut at " << cut << (atBoundary ? " (section boundary)" : "");
            ASSERT_NE(r.error.find("ends inside"), std::string::npos) << r.error;
        }
    }
}

TEST(DamagedCorpus, OverwrittenCountsAreRefusedOrReadConsistently) {
    const std::int32_t values[] = {-1, 21, 31, 101, 1 << 20, std::numeric_limits<std::int32_t>::max(),
                                   std::numeric_limits<std::int32_t>::min(), 0, 1, 2};
    for (const std::string& f : ExampleFiles()) {
        const std::string project = Slurp(f), names = Slurp(f + ".nam");
        for (const CountField& c : Walk(project).counts) {
            for (std::int32_t v : values) {
                std::string bytes = project;
                test::PokeI32(bytes, c.offset, v);
                const bool accepted = fuzz::CheckReaderOnInput(bytes, &names);
                if (v < 0 || v > c.capacity) {
                    EXPECT_FALSE(accepted) << f << " count at " << c.offset << " = " << v;
                }
                if (v == test::PeekI32(project, c.offset)) {
                    EXPECT_TRUE(accepted);
                }
            }
        }
    }
}

TEST(DamagedCorpus, ShortNamesFilesOpenWithAWarning) {
    for (const std::string& f : ExampleFiles()) {
        const std::string project = Slurp(f), names = Slurp(f + ".nam");
        const std::vector<std::string> lines = SplitNameLines(names);
        for (std::size_t keep = 0; keep <= lines.size(); ++keep) {
            std::string part;
            for (std::size_t i = 0; i < keep; ++i) part += lines[i] + "\r\n";
            const ReadResult r = ReadProjectBytes(project, &part);
            ASSERT_TRUE(r.ok) << f << " with " << keep << " name lines: " << r.error;
            EXPECT_EQ(r.warnings.empty(), keep == lines.size()) << f << " " << keep;
            EXPECT_TRUE(fuzz::CheckReaderOnInput(project, &part));
        }
    }
}

// Bytes flipped one at a time across a whole example: nothing may crash, and
// whatever is accepted must save and read back unchanged.
TEST(DamagedCorpus, SingleByteDamageKeepsTheReaderSound) {
    const auto files = ExampleFiles();
    const std::string project = Slurp(files.front()), names = Slurp(files.front() + ".nam");
    int accepted = 0;
    for (std::size_t i = 0; i < project.size(); ++i)
        for (unsigned char v : {0x00, 0xFF}) {
            std::string bytes = project;
            bytes[i] = static_cast<char>(v);
            accepted += fuzz::CheckReaderOnInput(bytes, &names);
        }
    EXPECT_GT(accepted, 0);
}

// Chinese names files cut off anywhere or with a byte overwritten: each is read
// in one encoding or another, never refused, and saves back stably; the ones
// that stay GB18030 write back unchanged.
TEST(DamagedCorpus, DamagedChineseNamesFilesStillOpenAndSaveStably) {
    const std::string project = EncodeProject(*test::TwoBallsAndARemark()).project;
    int stillGb18030 = 0;
    for (const test::ChineseNamesFile& f : test::ChineseNamesFiles()) {
        std::vector<std::string> damaged;
        for (std::size_t i = 0; i < f.bytes.size(); ++i) {
            damaged.push_back(f.bytes.substr(0, i));
            for (unsigned char v : {0x00, 0x0A, 0x30, 0x80, 0xFF}) {
                damaged.push_back(f.bytes);
                damaged.back()[i] = static_cast<char>(v);
            }
        }
        for (const std::string& names : damaged) {
            EXPECT_TRUE(fuzz::CheckReaderOnInput(project, &names)) << f.label;
            fuzz::CheckNamesDecoder(names);
            stillGb18030 += DecodeNamesFile(names).encoding == NamesEncoding::Gb18030;
        }
    }
    EXPECT_GT(stillGb18030, 0);
}

}  // namespace
}  // namespace mb
