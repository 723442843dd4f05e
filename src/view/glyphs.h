// The look of every element kind, for the passes and the editor: the raster
// primitives and each family of glyphs, one room each. Each routine draws every
// in-use record of one table with an open painter on the surface; the passes call
// them in their fixed order.
#pragma once

#include "view/connector_glyphs.h"
#include "view/field_glyphs.h"
#include "view/field_hatch.h"
#include "view/highlights.h"
#include "view/raster.h"
#include "view/remark_glyphs.h"
#include "view/track_glyphs.h"
