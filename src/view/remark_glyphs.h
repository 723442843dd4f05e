// The remarks: each text written in its own font with its top-left corner at the
// remark's place.
#pragma once

#include <QColor>
#include <QFont>

#include "scene/scene.h"

class QPainter;

namespace mb {

// A remark's font from its record fields.
QFont RemarkFont(const Remark& remark);
// The colour its text is written in.
QColor RemarkColour(const Remark& remark);

// Writes every remark; the recording form also stores each text's width and height.
void DrawRemarks(QPainter& p, const Scene& scene);
void DrawRemarksRecording(QPainter& p, Scene& scene);

}  // namespace mb
