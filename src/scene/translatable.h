// Marks a text the user reads, in layers that have no Qt: the text stays the
// program's own words here, and lupdate collects it under `context` (the form
// that shows it) so that the windows can show it in the teacher's language.
#pragma once

#define MB_TRANSLATE_NOOP(context, text) text
