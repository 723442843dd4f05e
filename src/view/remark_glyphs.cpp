#include "view/remark_glyphs.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "view/glyph_kit.h"
#include "view/table_walk.h"

namespace mb {

using namespace glyph_kit;

// The packed colour is red + 256 green + 65536 blue.
QColor RemarkColour(const Remark& r) {
    const auto v = static_cast<std::uint32_t>(r.fontColour);
    return QColor(static_cast<int>(v & 0xff), static_cast<int>((v >> 8) & 0xff), static_cast<int>((v >> 16) & 0xff));
}

QFont RemarkFont(const Remark& r) {
    QFont f(r.fontName.empty() ? QStringLiteral("Liberation Sans") : QString::fromStdString(r.fontName));
    // The size in points decides the height when it is given (96 pixels per inch);
    // otherwise the height in pixels does, as the classic font record has it.
    if (r.fontSize > 0 && r.fontSize < 1000)
        f.setPixelSize(std::max(1, (r.fontSize * 96 + 36) / 72));
    else if (r.fontHeight != 0 && std::abs(r.fontHeight) < 1000)
        f.setPixelSize(std::abs(r.fontHeight));
    else
        f.setPixelSize(13);
    f.setBold(r.style & kStyleBold);
    f.setItalic(r.style & kStyleItalic);
    f.setUnderline(r.style & kStyleUnderline);
    f.setStrikeOut(r.style & kStyleStrikeOut);
    if (r.pitch == 2) f.setFixedPitch(true);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

namespace {
QSize WriteRemark(QPainter& p, const Remark& r) {
    p.setBrush(Qt::NoBrush);
    const QFont font = RemarkFont(r);
    p.setFont(font);
    SetPen(p, RemarkColour(r));
    const QString text = QString::fromStdString(r.text);
    TextAt(p, r.x, r.y, text);
    const QFontMetrics fm(font);
    return QSize(fm.horizontalAdvance(text), fm.height());
}
}  // namespace

void DrawRemarks(QPainter& p, const Scene& scene) {
    ForEachInUse(scene.remarks, [&](const Remark& r, int) { WriteRemark(p, r); });
}

void DrawRemarksRecording(QPainter& p, Scene& scene) {
    ForEachInUse(scene.remarks, [&](Remark& r, int) {
        const QSize size = WriteRemark(p, r);
        r.width = size.width();
        r.height = size.height();
    });
}

}  // namespace mb
