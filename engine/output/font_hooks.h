// Fonts of the engine on the platform: realising descriptions, the font
// handles' platform fonts, and the metrics of font records.
#pragma once

#include "fonts.h"
#include "graph.h"

namespace vex3d {

// The platform's request for a font description.
platform::FontRequest font_request(const Vex3dFontDesc &desc);

// The platform font of a font handle, resolved on first use and kept in the
// handle; null when no font can be found.
platform::FontRef platform_font(Vex3dFont *font);

// The default font a prepared context starts with.
platform::FontRef default_font();

// Frame hooks.
void realize_font(Vex3dFontDesc *desc, bool size_given);
void fill_font_metrics(Vex3dGraph *graph, FontRecord *record);
int screen_dpi_hook();
int screen_color_depth_hook();

}  // namespace vex3d
