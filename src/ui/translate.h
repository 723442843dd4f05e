// The program's words in the language chosen for it: looked up under the form
// that shows them, then among the words several forms share. Without a
// translation, the program's own words.
#pragma once

#include <QString>

#include "scene/translatable.h"

namespace mb {

// The context of words that several forms share ("&Ok", "m", "name:").
inline constexpr const char* kSharedContext = "Forms";

QString Tr(const char* context, const char* text);

}  // namespace mb
