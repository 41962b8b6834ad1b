// Plays a metafile picture through the graph's operation table, so that a
// picture drawn into any context (raster, vector, metafile, recording) is
// made of the same primitives as the rest of the chart.
#pragma once

#include <optional>

#include "graph.h"
#include "metafile_canvas.h"

namespace vex3d {

class OperationCanvas final : public MetafileCanvas {
 public:
  // `clip_box`: the drawing never leaves it (none on a metafile context).
  OperationCanvas(Vex3dGraph *graph, std::optional<MetaRect> clip_box);
  ~OperationCanvas() override;

  void set_pen(const MetaPen &pen) override { pen_ = pen; }
  void set_brush(const MetaBrush &brush) override { brush_ = brush; }
  void set_font(const MetaFont &font) override;
  void set_text_color(int color) override { text_color_ = color; }
  void set_clip(const MetaRect *clip) override;

  void polyline(std::span<const MetaPoint> points) override;
  void polygon(std::span<const MetaPoint> points) override;
  void rectangle(const MetaRect &box) override;
  void ellipse(const MetaRect &box) override;
  void arc(const MetaRect &box, double start, double sweep) override;
  void pie(const MetaRect &box, double start, double sweep) override;
  void image(const MetaRect &box, const Picture &bitmap) override;
  void text(int x, int y, std::string_view utf8, MetaTextAlign align, MetaTextBase base) override;

 private:
  bool use_pen();
  bool use_brush();

  Vex3dGraph *graph_;
  std::optional<MetaRect> clip_box_;
  MetaPen pen_;
  MetaBrush brush_;
  int text_color_ = 0;
  FontRecord font_;
  bool has_font_ = false;
};

}  // namespace vex3d
