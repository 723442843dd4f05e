// Names files as a Chinese desktop writes them, for a project of two balls and
// one remark. The bytes are spelt out here rather than made by the program's own
// converter, so a reader that decodes them wrongly cannot agree with itself.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "scene/scene.h"

namespace mb::test {

struct ChineseNamesFile {
    const char* label;
    std::string bytes;               // the names file as that desktop wrote it, CR LF line ends
    std::vector<std::string> lines;  // what its four lines say, in UTF-8
};

// GBK (every GBK file is GB18030 too) and GB18030 with characters GBK lacks:
// four-byte sequences (À, and 𠀀 beyond the Basic Multilingual Plane) and the
// euro sign in its GB18030 form.
inline std::vector<ChineseNamesFile> ChineseNamesFiles() {
    return {
        {"GBK",
         "\xD0\xA1\xC7\xF2\r\n"                  // 小球
         "Ball_2\r\n"                            //
         "\xB5\xA5\xB0\xDA\xB5\xC4\xD6\xDC\xC6\xDA\r\n"  // 单摆的周期
         "\xCB\xCE\xCC\xE5\r\n",                 // 宋体
         {"小球", "Ball_2", "单摆的周期", "宋体"}},
        {"GB18030",
         "\x81\x30\x86\x38\xD0\xA1\xC7\xF2\r\n"  // À小球
         "\xA2\xE3" "5\r\n"                      // €5
         "\x95\x32\x82\x36 \xD7\xA2\xCA\xCD\r\n"  // 𠀀 注释
         "\xCB\xCE\xCC\xE5\r\n",                 // 宋体
         {"À小球", "€5", "𠀀 注释", "宋体"}},
    };
}

// The project these names belong to: two balls and one remark.
inline std::unique_ptr<Scene> TwoBallsAndARemark() {
    auto s = std::make_unique<Scene>();
    AddBall(*s, {.x0 = 1, .y0 = 2, .M0 = 1, .R = 0.5}, "first");
    AddBall(*s, {.x0 = -1, .y0 = 0, .M0 = 2, .R = 0.5}, "second");
    s->remarks[0].x = 40;
    s->remarks[0].y = 50;
    s->remarks[0].text = "remark";
    s->remarks[0].fontName = "font";
    return s;
}

}  // namespace mb::test
