// Header and footer blocks: measured line by line in their fonts, drawn
// inside their borders.
#include <algorithm>

#include "border.h"
#include "hdft.h"
#include "rect_ops.h"
#include "w_render.h"

namespace vex3d {
namespace {

// The lines' room inside the border on each side.
int text_inset(const TitleBlock &title) { return title_border_allowance(title.border, title.border_width) / 2; }

}  // namespace

BackgroundColor &region_background(Vex3dGraph *graph, BackgroundColor &own) {
  return own.color != COLOR_UNSET ? own : graph->background;
}

int region_foreground(const Vex3dGraph *graph, int own) { return own != COLOR_UNSET ? own : graph->foreground; }

Size title_size(Vex3dGraph *graph, TitleBlock &title) {
  const std::vector<std::string> &lines = title.strings.items();
  graph->draw_ops->setfont(graph, &title.font);
  long long width = 0;
  for (const std::string &line : lines)
    width = std::max<long long>(width, graph->draw_ops->textwidth(graph, line.c_str()));
  long long height = 1LL * static_cast<long long>(lines.size()) * title.font.height;
  if (width < 1 || height < 1) {
    title.shown = 0;
    return Size{};
  }
  title.shown = 1;
  // The picture sets a minimum size only while the block has text to show.
  if (title.image_minimum_size && title.image.file) {
    const PixelSize picture = picture_pixel_size(graph, title.image);
    width = std::max<long long>(width, picture.width);
    height = std::max<long long>(height, picture.height);
  }
  const long long room = title_border_allowance(title.border, title.border_width);
  constexpr long long kCap = 1 << 20;  // beyond any page; the layout drops sizes above 32767
  return Size{static_cast<int>(std::min(width + room, kCap)), static_cast<int>(std::min(height + room, kCap))};
}

void draw_title(Vex3dGraph *graph, TitleBlock &title) {
  const Rect &r = title.rect;
  if (!title.shown || empty_rect(r)) return;
  Vex3dSetDrawingMode(graph, VEX3D_MODE_NEUTRAL, 0);
  if (title.background.color != COLOR_UNSET) {
    graph->draw_ops->setsolidfill(graph, title.background.color);
    graph->draw_ops->primitives[0].fillrectangle(graph, r.x, r.y, r.width, r.height);
  }
  if (title.image.file)
    graph->draw_ops->drawimage(graph, &title.image, r.x, r.y, r.width, r.height, r.x, r.y, r.width, r.height);
  const int foreground = region_foreground(graph, title.foreground);
  Vex3dDrawBorder(graph, r.x, r.y, r.width, r.height, title.border, title.border_width,
                  &region_background(graph, title.background), foreground, 0);

  graph->draw_ops->setfont(graph, &title.font);
  graph->draw_ops->setforeground(graph, foreground);
  const int inset = text_inset(title);
  int x = r.x + r.width / 2, alignment = VEX3D_ALIGN_CENTER;
  if (title.adjust == Vex3dAdjustLeft) x = r.x + inset, alignment = VEX3D_ALIGN_LEFT;
  if (title.adjust == Vex3dAdjustRight) x = r.x + r.width - inset, alignment = VEX3D_ALIGN_RIGHT;
  long long baseline = 1LL * r.y + inset + title.font.ascent;
  for (const std::string &line : title.strings.items()) {
    if (baseline - title.font.ascent > 1LL * r.y + r.height) break;  // the rest lies below the block
    graph->draw_ops->drawstring_aligned(graph, x, static_cast<int>(baseline), line.c_str(), alignment);
    baseline += title.font.height;
  }
}

}  // namespace vex3d
