#include "svg_context.h"

#include <charconv>
#include <cmath>
#include <numbers>

#include "fonts.h"
#include "guard.h"
#include "png_file.h"
#include "pixel_rules.h"

namespace vex3d::platform {
namespace {

// Geometry this far from the page is cut to a guard band around it first,
// so that no renderer meets coordinates it cannot hold.
constexpr double kSafe = 1 << 21;
constexpr int kGuardBand = 4096;

void put_int(std::string &out, long long v) {
  char text[24];
  const auto end = std::to_chars(text, text + sizeof text, v).ptr;
  out.append(text, end);
}

// A coordinate with at most two decimals, trailing zeros dropped.
void put_number(std::string &out, double v) {
  const double rounded = std::round(v * 100) / 100;
  if (rounded == std::floor(rounded) && std::abs(rounded) < 1e15) return put_int(out, static_cast<long long>(rounded));
  char text[48];
  const auto end = std::to_chars(text, text + sizeof text, rounded, std::chars_format::fixed, 2).ptr;
  std::string_view s(text, static_cast<std::size_t>(end - text));
  while (s.back() == '0') s.remove_suffix(1);
  out.append(s);
}

// Numbers of a path separated by a space, or by the minus sign of a
// negative one.
void put_next(std::string &out, long long v) {
  if (v >= 0) out += ' ';
  put_int(out, v);
}

void put_move(std::string &out, double x, double y) {
  out += 'M';
  put_number(out, x);
  if (y >= 0) out += ' ';
  put_number(out, y);
}

// "l" and the relative steps along the points after the first.
void put_steps(std::string &out, std::span<const Point> points) {
  out += 'l';
  for (std::size_t i = 1; i < points.size(); ++i) {
    const long long dx = static_cast<long long>(points[i].x) - points[i - 1].x;
    const long long dy = static_cast<long long>(points[i].y) - points[i - 1].y;
    if (i == 1) put_int(out, dx); else put_next(out, dx);
    put_next(out, dy);
  }
}

void put_attribute(std::string &out, const char *name, std::string_view value) {
  out += ' ';
  out += name;
  out += "=\"";
  out += value;
  out += '"';
}

std::string color_text(Rgb c) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string s = "#";
  for (const int part : {red_of(c), green_of(c), blue_of(c)}) {
    s += kHex[part >> 4];
    s += kHex[part & 15];
  }
  return s;
}

// Text as XML character data: markup characters as references, and the
// control characters XML cannot hold left out.
void put_escaped(std::string &out, std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default:
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') out += c;
    }
  }
}

std::string base64(const std::vector<std::uint8_t> &bytes) {
  static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  std::size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    const std::uint32_t v = (bytes[i] << 16) | (bytes[i + 1] << 8) | bytes[i + 2];
    for (const int shift : {18, 12, 6, 0}) out += kDigits[(v >> shift) & 63];
  }
  if (const std::size_t left = bytes.size() - i) {
    const std::uint32_t v = (bytes[i] << 16) | (left > 1 ? bytes[i + 1] << 8 : 0);
    out += kDigits[(v >> 18) & 63];
    out += kDigits[(v >> 12) & 63];
    out += left > 1 ? kDigits[(v >> 6) & 63] : '=';
    out += '=';
  }
  return out;
}

bool box_is_safe(const Box &box) {
  return std::abs(static_cast<double>(box.x)) + box.width < kSafe &&
         std::abs(static_cast<double>(box.y)) + box.height < kSafe;
}

// A point of the ellipse of radii rx, ry about (cx, cy) at an angle
// counter-clockwise on the screen.
void put_arc_point(std::string &out, double cx, double cy, double rx, double ry, double angle) {
  put_number(out, cx + rx * std::cos(angle));
  out += ' ';
  put_number(out, cy - ry * std::sin(angle));
}

// The path of an arc (or of a pie, joined to the centre) of the ellipse.
std::string ellipse_data(const ArcSpec &arc, double rx, double ry, bool pie) {
  const double cx = arc.box.x + arc.box.width / 2.0, cy = arc.box.y + arc.box.height / 2.0;
  rx = std::max(rx, 0.25);
  ry = std::max(ry, 0.25);
  std::string radii;
  put_number(radii, rx);
  radii += ' ';
  put_number(radii, ry);
  std::string d;
  if (arc.whole()) {
    // Two halves: one arc command cannot end where it starts.
    put_move(d, cx + rx, cy);
    for (const double to : {std::numbers::pi, 0.0}) {
      d += 'A' + radii + " 0 0 0 ";
      put_arc_point(d, cx, cy, rx, ry, to);
    }
    return d + 'z';
  }
  const double from = arc.start, to = arc.start + arc.sweep;
  if (pie) {
    put_move(d, cx, cy);
    d += 'L';
  } else {
    d += 'M';
  }
  put_arc_point(d, cx, cy, rx, ry, from);
  // Counter-clockwise on the screen runs against SVG's positive sweep.
  const bool large = std::abs(arc.sweep) > std::numbers::pi;
  d += 'A' + radii + (large ? " 0 1 " : " 0 0 ") + (arc.sweep > 0 ? "0 " : "1 ");
  put_arc_point(d, cx, cy, rx, ry, to);
  if (pie) d += 'z';
  return d;
}

}  // namespace

SvgContext::SvgContext(int width, int height) : bounds_{0, 0, width, height} {
  if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) {
    fail();
    return;
  }
  std::string &out_ = head_;
  out_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
         "xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.1\"";
  std::string size;
  put_number(size, width * 0.75);
  put_attribute(out_, "width", size + "pt");
  size.clear();
  put_number(size, height * 0.75);
  put_attribute(out_, "height", size + "pt");
  std::string view = "0 0 ";
  put_int(view, width);
  view += ' ';
  put_int(view, height);
  put_attribute(out_, "viewBox", view);
  out_ += " fill-rule=\"evenodd\">\n";
  // A chart's document runs to a megabyte or more: grown in few steps.
  this->out_.reserve(std::size_t{1} << 20);
}

Box SvgContext::guard() const {
  return Box{-kGuardBand, -kGuardBand, bounds_.width + 2 * kGuardBand, bounds_.height + 2 * kGuardBand};
}

// ---- groups and clipping

void SvgContext::end_strokes() {
  if (strokes_.empty()) return;
  out_ += "<path class=\"" + paint_class_ + "\" d=\"" + strokes_ + "\"/>\n";
  strokes_.clear();
}

void SvgContext::apply_clip() {
  if (applied_clip_ == state().clip) return;
  end_strokes();
  if (clip_open_) out_ += "</g>\n";
  clip_open_ = false;
  applied_clip_ = state().clip;
  if (!applied_clip_) return;
  const Box box = intersect(*applied_clip_, guard());
  const std::string id = "c" + std::to_string(next_id_++);
  out_ += "<clipPath id=\"" + id + "\"><rect x=\"";
  put_int(out_, box.x);
  out_ += "\" y=\"";
  put_int(out_, box.y);
  out_ += "\" width=\"";
  put_int(out_, std::max(box.width, 0));
  out_ += "\" height=\"";
  put_int(out_, std::max(box.height, 0));
  out_ += "\"/></clipPath>\n<g clip-path=\"url(#" + id + ")\">\n";
  clip_open_ = true;
}

void SvgContext::paint_with(Paint paint, const std::string &style) {
  apply_clip();
  if (paint == paint_ && style == paint_style_) return;
  end_strokes();
  auto found = classes_.find(style);
  if (found == classes_.end()) {
    // Class names are short: they are written on every element.
    std::string name;
    for (int n = static_cast<int>(classes_.size());; n = n / 26 - 1) {
      name.insert(name.begin(), static_cast<char>('a' + n % 26));
      if (n < 26) break;
    }
    styles_ += "." + name + "{" + style + "}\n";
    found = classes_.emplace(style, name).first;
  }
  paint_ = paint;
  paint_style_ = style;
  paint_class_ = found->second;
}

std::string SvgContext::fill_style() {
  const Brush &brush = state().brush;
  std::string style = "fill:";
  if (brush.stippled) {
    auto found = stipples_.find(brush.color);
    if (found == stipples_.end()) {
      // The pixels whose x and y differ in parity, tile by tile.
      const std::string id = "s" + std::to_string(next_id_++), color = color_text(brush.color);
      defs_ += "<pattern id=\"" + id + "\" width=\"2\" height=\"2\" patternUnits=\"userSpaceOnUse\">"
               "<rect x=\"1\" width=\"1\" height=\"1\" fill=\"" + color + "\"/>"
               "<rect y=\"1\" width=\"1\" height=\"1\" fill=\"" + color + "\"/></pattern>\n";
      found = stipples_.emplace(brush.color, id).first;
    }
    style += "url(#" + found->second + ")";
  } else {
    style += color_text(brush.color);
  }
  return style + ";shape-rendering:crispEdges";
}

std::string SvgContext::stroke_style(bool thin) {
  const Pen &pen = state().pen;
  std::string style = "fill:none;stroke:" + color_text(pen.color);
  if (!thin && pen.width != 1) {
    style += ";stroke-width:";
    put_int(style, pen.width);
  }
  if (!thin && pen.cap != Cap::kFlat) style += pen.cap == Cap::kRound ? ";stroke-linecap:round" : ";stroke-linecap:square";
  switch (pen.join) {
    case Join::kMiter: style += ";stroke-miterlimit:10"; break;
    case Join::kRound: style += ";stroke-linejoin:round"; break;
    case Join::kBevel: style += ";stroke-linejoin:bevel"; break;
  }
  if (!pen.solid()) {
    style += ";stroke-dasharray:";
    for (std::size_t i = 0; i < pen.dashes.size(); ++i) {
      if (i) style += ',';
      put_number(style, pen.dashes[i]);
    }
    if (pen.dash_offset != 0) {
      style += ";stroke-dashoffset:";
      put_number(style, pen.dash_offset);
    }
  }
  return style;
}

std::string &SvgContext::begin_fill() {
  // The style is made again only when the brush changed.
  if (paint_ != Paint::kFill || !(state().brush == painted_brush_) || applied_clip_ != state().clip) {
    paint_with(Paint::kFill, fill_style());
    painted_brush_ = state().brush;
  }
  out_ += "<path class=\"";
  out_ += paint_class_;
  out_ += "\" d=\"";
  return out_;
}

void SvgContext::end_fill() { out_ += "z\"/>\n"; }

std::string &SvgContext::begin_stroke(bool thin) {
  if (paint_ != Paint::kStroke || !(state().pen == painted_pen_) || thin != painted_thin_ ||
      applied_clip_ != state().clip) {
    paint_with(Paint::kStroke, stroke_style(thin));
    painted_pen_ = state().pen;
    painted_thin_ = thin;
  }
  return strokes_;
}

// ---- primitives

void SvgContext::do_polyline(std::span<const Point> points) {
  const Pen &pen = state().pen;
  const bool safe = within(points, kSafe);
  const Box g = guard();
  std::string &d = begin_stroke(pen.thin);
  if (pen.thin) {
    // Each segment on its own, from its first pixel up to its last, which
    // is left out: a polyline draws every joint once.
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
      Point a = points[i], b = points[i + 1];
      if (!safe && !clip_segment(g, a, b)) continue;
      Segment s;
      if (!thin_segment(a, b, s)) continue;
      put_move(d, s.x0, s.y0);
      const Point step[2] = {a, b};
      put_steps(d, step);
    }
  } else if (safe) {
    const double offset = stroke_offset(pen.width);
    put_move(d, points[0].x + offset, points[0].y + offset);
    put_steps(d, points);
  } else {
    const double offset = stroke_offset(pen.width);
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
      Point a = points[i], b = points[i + 1];
      if (!clip_segment(g, a, b)) continue;
      put_move(d, a.x + offset, a.y + offset);
      const Point step[2] = {a, b};
      put_steps(d, step);
    }
  }
}

void SvgContext::do_fill_polygon(std::span<const Point> points) {
  std::vector<Point> cut;
  if (!within(points, kSafe)) {
    cut = clip_polygon(guard(), points);
    if (cut.size() < 3) return;
    points = cut;
  }
  std::string &d = begin_fill();
  put_move(d, points[0].x, points[0].y);
  put_steps(d, points);
  end_fill();
}

void SvgContext::do_fill_rectangle(const Box &box) {
  const Box b = intersect(box, guard());
  if (b.empty()) return;
  std::string &d = begin_fill();
  put_move(d, b.x, b.y);
  d += 'h';
  put_int(d, b.width);
  d += 'v';
  put_int(d, b.height);
  d += 'h';
  put_int(d, -b.width);
  end_fill();
}

void SvgContext::do_stroke_arc(const ArcSpec &arc) {
  if (!box_is_safe(arc.box)) return;
  // The stroke runs through the centres of the box's edge pixels.
  begin_stroke(false) += ellipse_data(arc, (arc.box.width - 1) / 2.0, (arc.box.height - 1) / 2.0, false);
}

void SvgContext::do_fill_pie(const ArcSpec &arc) {
  if (!box_is_safe(arc.box)) return;
  std::string data = ellipse_data(arc, arc.box.width / 2.0, arc.box.height / 2.0, true);
  data.pop_back();  // end_fill closes the path
  begin_fill() += data;
  end_fill();
}

void SvgContext::do_text(Point origin, std::string_view utf8) {
  if (std::abs(static_cast<double>(origin.x)) > kSafe || std::abs(static_cast<double>(origin.y)) > kSafe) return;
  const Font &font = *state().font;
  std::string family;
  put_escaped(family, font.family());
  std::string style = "font-family:'" + family + "';font-size:";
  put_number(style, font.em_pixels_at(resolution()));
  style += "px";
  if (font.weight() != 400) style += ";font-weight:" + std::to_string(font.weight());
  if (font.italic()) style += ";font-style:italic";
  if (font.underline() || font.strikeout())
    style += font.underline() && font.strikeout() ? ";text-decoration:underline line-through"
             : font.underline()                   ? ";text-decoration:underline"
                                                  : ";text-decoration:line-through";
  style += ";white-space:pre;fill:" + color_text(state().text_color);
  paint_with(Paint::kText, style);
  out_ += "<text class=\"" + paint_class_ + "\" x=\"";
  put_int(out_, origin.x);
  out_ += "\" y=\"";
  put_int(out_, origin.y);
  out_ += "\">";
  put_escaped(out_, utf8);
  out_ += "</text>\n";
}

void SvgContext::do_image(const ImageView &image, const Box &dest) {
  if (!box_is_safe(dest)) return;
  std::vector<std::uint8_t> png;
  if (!encode_png(image, png)) return;
  apply_clip();
  end_strokes();
  paint_ = Paint::kImage;
  out_ += "<image x=\"";
  put_int(out_, dest.x);
  out_ += "\" y=\"";
  put_int(out_, dest.y);
  out_ += "\" width=\"";
  put_int(out_, dest.width);
  out_ += "\" height=\"";
  put_int(out_, dest.height);
  out_ += "\" preserveAspectRatio=\"none\" xlink:href=\"data:image/png;base64," + base64(png) + "\"/>\n";
}

bool SvgContext::do_finish() {
  end_strokes();
  if (clip_open_) out_ += "</g>\n";
  clip_open_ = false;
  out_ += "</svg>\n";
  done_.reserve(head_.size() + styles_.size() + defs_.size() + out_.size() + 40);
  done_ = head_;
  if (!styles_.empty()) done_ += "<style type=\"text/css\"><![CDATA[\n" + styles_ + "]]></style>\n";
  if (!defs_.empty()) done_ += "<defs>\n" + defs_ + "</defs>\n";
  done_ += out_;
  out_.clear();
  return true;
}

}  // namespace vex3d::platform
