#include "chart3d.h"

#include <algorithm>

#include "control_window.h"
#include "export.h"
#include "headless_host.h"
#include "page.h"
#include "font.h"
#include "window_events.h"

namespace tc3d {
namespace chart3d_rows {
#define TC3D_MEMBERS "chart3d_members.def"
#include "member_table.inc"
}  // namespace chart3d_rows

namespace {

// The property pages in the order they are offered, each with the chart
// editor element that must be visible for it.
struct PropertyPage {
  std::string_view name;
  std::int32_t element;
};
constexpr PropertyPage kPropertyPages[] = {
    {"Control", tc3dceeControl},        {"Axis", tc3dceeAxes},
    {"ChartGroup", tc3dceeChartGroup},  {"ContourStyle", tc3dceeStyles},
    {"Title", tc3dceeTitles},           {"Legend", tc3dceeLegend},
    {"ChartArea", tc3dceeChartArea},    {"PlotCube", tc3dceePlotCube},
    {"ChartLabel", tc3dceeChartLabels}, {"View3D", tc3dceeView3D},
    {"ContourLevels", tc3dceeLevels},   {"ChartStyle", tc3dceeChartStyles},
};

constexpr int kBitsPerWord = 16;

// What a method needs and this build does not have yet.
[[noreturn]] void not_available(const char *what) {
  raise(status::kNotImplemented, std::string(what) + " is not available in this build.");
}

}  // namespace

// ---- creation and destruction ------------------------------------------------

Chart3D::Chart3D(std::shared_ptr<Host> host, Extent proposed)
    : host_(host ? std::move(host) : std::make_shared<HeadlessHost>()),
      header_(std::make_shared<ITitle>()),
      footer_(std::make_shared<ITitle>()),
      legend_(std::make_shared<ILegend>()),
      border_(std::make_shared<IBorder>()),
      interior_(std::make_shared<IInterior>()),
      chart_area_(std::make_shared<IChartArea>()),
      chart_groups_(std::make_shared<IChartGroupCollection>()),
      chart_labels_(std::make_shared<IChartLabelCollection>()),
      action_maps_(std::make_shared<IActionMapCollection>()),
      stock_font_(std::make_shared<IFont>()) {
  editor_mask_.fill(0xFFFF);
  extent_ = Extent{std::max(proposed.width, kMinimumExtent), std::max(proposed.height, kMinimumExtent)};
  graph_ = Vex3dCreateGraph();
  if (!graph_) raise(status::kFail, "The chart could not be created.");
  // The engine paints only inside a paint cycle of the control's window.
  Vex3dSetDeferredPaint(graph_, 1);
  Vex3dSetValues(graph_, VEX3D_WIDTH, extent_.width, VEX3D_HEIGHT, extent_.height, 0);
  attach_tree();
}

std::shared_ptr<Chart3D> Chart3D::create(std::shared_ptr<Host> host, Extent proposed) {
  std::shared_ptr<Chart3D> chart(new Chart3D(std::move(host), proposed));
  chart->host_->attach(chart.get());
  return chart;
}

void Chart3D::attach_tree() {
  header_->attach(this, this, PartTag::kHeader);
  footer_->attach(this, this, PartTag::kFooter);
  legend_->attach(this, this, PartTag::kLegend);
  border_->attach(this, this, PartTag::kControl);
  interior_->attach(this, this, PartTag::kControl);
  chart_area_->attach(this, this, PartTag::kChartArea);
  chart_groups_->attach(this, this, PartTag::kChartGroup);
  chart_labels_->attach(this, this, PartTag::kChartLabel);
  action_maps_->attach(this, this, PartTag::kNone);
  stock_font_->attach(this, this, PartTag::kControl);
}

Chart3D::~Chart3D() {
  close_window();
  if (graph_) Vex3dDestroyGraph(graph_);
  graph_ = nullptr;
  // Objects a host still holds become disconnected, in reverse order.
  stock_font_->detach();
  action_maps_->detach();
  chart_labels_->detach();
  chart_groups_->detach();
  chart_area_->detach();
  interior_->detach();
  border_->detach();
  legend_->detach();
  footer_->detach();
  header_->detach();
  host_->attach(nullptr);
}

const ClassInfo &Chart3D::class_info() const {
  static constexpr ClassInfo kInfo{"Chart3D", "_DChart3D", "IChart3D_Dual", chart3d_rows::kMembers, "_DChart3DEvents"};
  static const ClassInfo kWithEvents = [] {
    ClassInfo info = kInfo;
    info.event_list = chart3d_events();
    return info;
  }();
  return kWithEvents;
}

// ---- events -----------------------------------------------------------------

void Chart3D::connect(std::shared_ptr<EventSink> sink) {
  if (sink) sinks_.push_back(std::move(sink));
}

void Chart3D::disconnect(const EventSink *sink) {
  std::erase_if(sinks_, [sink](const auto &s) { return s.get() == sink; });
}

void Chart3D::fire(DispatchId event, std::span<Variant> args) {
  const EventInfo *info = find_chart3d_event(event);
  if (!info) return;
  // A handler may connect or disconnect sinks: the firing goes to those
  // connected when it began.
  const auto sinks = sinks_;
  for (const auto &sink : sinks) sink->on_event(*info, args);
}

// ---- the window ---------------------------------------------------------------

void Chart3D::open_window() {
  if (window_) return;
  window_ = std::make_unique<ControlWindow>(*this);
  Vex3dAttachWindow(graph_, window_.get());
  Vex3dWindowResized(window_.get(), extent_.width, extent_.height);
}

void Chart3D::close_window() {
  if (!window_) return;
  Vex3dWindowDestroyed(window_.get());
  window_.reset();
}

void Chart3D::paint(const vex3d::WindowRect *update) {
  if (!window_) return;
  if (!web_page_) web_page_ = host_->in_web_page();
  // In a web page every paint covers the whole client area; elsewhere what
  // the paint itself asked for is dropped once it is done.
  Vex3dWindowPaint(window_.get(), *web_page_ ? nullptr : update);
  if (!*web_page_) host_->validate();
}

bool Chart3D::draw(Vex3dDrawContext *context, const vex3d::WindowRect &bounds) {
  if (!context || bounds.empty()) return false;
  open_window();
  return Vex3dDrawToDC(graph_, context, tc3dFormatEnhMetafile, tc3dScaleToMax, bounds.x, bounds.y, bounds.width,
                       bounds.height) != 0;
}

void Chart3D::set_stock_font(const Variant &font) { stock_font_->assign(font); }

std::vector<int> Chart3D::color_set() const {
  std::vector<int> colors(static_cast<std::size_t>(Vex3dGetPaletteEntries(graph_, nullptr, 0)));
  Vex3dGetPaletteEntries(graph_, colors.data(), static_cast<int>(colors.size()));
  return colors;
}

bool Chart3D::set_safety_options(std::uint32_t mask, std::uint32_t enabled) {
  if ((mask | enabled) & ~kSupportedSafety) return false;
  enabled_safety_ = (enabled_safety_ & ~mask) | (enabled & mask);
  return true;
}

std::int64_t Chart3D::window_handle() const {
  return static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(window_.get()));
}

void Chart3D::set_extent(int width, int height) {
  extent_ = Extent{std::max(width, 0), std::max(height, 0)};
  if (window_)
    Vex3dWindowResized(window_.get(), extent_.width, extent_.height);
  else
    Vex3dSetValues(graph_, VEX3D_WIDTH, extent_.width, VEX3D_HEIGHT, extent_.height, 0);
}

void Chart3D::on_notification(int message, const void *data) {
  switch (message) {
    case vex3d::kMessageResized: {
      const auto *size = static_cast<const vex3d::WindowSize *>(data);
      Variant args[] = {Variant(size ? size->width : 0), Variant(size ? size->height : 0)};
      fire(kEventResize, args);
      break;
    }
    case vex3d::kMessageDrawn: {
      const vex3d::WindowRect r = data ? *static_cast<const vex3d::WindowRect *>(data) : vex3d::WindowRect{};
      // A batch that a flush ended resumes once the flushed drawing is shown.
      if (batch_ended_by_flush_) {
        batch_ended_by_flush_ = false;
        if (pages_open_) {
          set_repaint(false);
          host_->bound_properties_changed();
        }
      }
      Variant args[] = {Variant(0), Variant(r.x), Variant(r.y), Variant(r.width), Variant(r.height)};
      fire(kEventRepaint, args);
      break;
    }
    case vex3d::kMessageModifyStart: {
      int *record = static_cast<int *>(const_cast<void *>(data));
      bool ok = record ? *record != 0 : true;
      Variant args[] = {Variant::ref(&ok)};
      fire(kEventModifyStart, args);
      if (record) *record = ok ? 1 : 0;
      break;
    }
    case vex3d::kMessageModifyEnd: fire(kEventModifyEnd, {}); break;
    case vex3d::kMessageViewRotated:
    case vex3d::kMessageViewportChanged: {
      auto *record = static_cast<vex3d::ViewChange *>(const_cast<void *>(data));
      if (!record) break;
      bool ok = record->ok != 0;
      Variant args[] = {Variant::ref(&record->first), Variant::ref(&record->second), Variant::ref(&record->third),
                        Variant::ref(&ok)};
      fire(message == vex3d::kMessageViewRotated ? kEventView3DModify : kEventViewportModify, args);
      record->ok = ok ? 1 : 0;
      break;
    }
    case vex3d::kMessagePropertyPages: open_property_pages(); break;
    default: break;  // answered with nothing
  }
}

// ---- batching and the chart-changed protocol -------------------------------------

bool Chart3D::is_batched() {
  int repaint = 1;
  Vex3dGetValues(graph_, VEX3D_REPAINT, &repaint, 0);
  return repaint == 0;
}

void Chart3D::set_repaint(bool on) { Vex3dSetValues(graph_, VEX3D_REPAINT, on ? 1 : 0, 0); }

void Chart3D::set_is_batched(bool batched) {
  set_repaint(!batched);
  if (!batched) refresh();
  if (!is_batched()) update_damage();
}

bool Chart3D::is_double_buffered() {
  int on = 0;
  Vex3dGetValues(graph_, VEX3D_DOUBLE_BUFFER, &on, 0);
  return on != 0;
}

void Chart3D::set_is_double_buffered(bool on) {
  Vex3dSetValues(graph_, VEX3D_DOUBLE_BUFFER, on ? 1 : 0, 0);
  if (is_batched()) changed_while_batched_ = true;
}

void Chart3D::set_modified() {
  modified_ = true;
  host_->set_modified();
}

// Step 3 of the protocol: what waits to be drawn is drawn now.
void Chart3D::update_damage() {
  if (!window_) return;
  const vex3d::WindowRect rect = Vex3dPendingRectangle(graph_);
  if (rect.empty()) return;
  host_->invalidate(&rect);
  host_->update_now();
}

void Chart3D::run_chart_changed() {
  const bool batched = is_batched();
  if (batched && !suspended_ && exchange_depth_ == 0) changed_while_batched_ = true;
  set_modified();
  if (!batched) update_damage();
}

void Chart3D::run_modified_update() {
  set_modified();
  if (!is_batched()) update_damage();
}

void Chart3D::refresh() {
  Vex3dRepaint(graph_, VEX3D_CHANGE_ALL);
  if (!window_) return;
  host_->invalidate(nullptr);
  host_->update_now();
}

void Chart3D::flush() {
  if (changed_while_batched_ && is_batched()) {
    set_is_batched(false);
    batch_ended_by_flush_ = true;
    changed_while_batched_ = false;
    // The repaint of the whole control ends the flush (see on_notification).
    if (window_) {
      host_->invalidate(nullptr);
      host_->update_now();
    }
    return;
  }
  changed_while_batched_ = false;
}

void Chart3D::suspend() {
  suspended_ = true;
  set_repaint(false);
}

void Chart3D::resume() {
  suspended_ = false;
  set_repaint(true);
  refresh();
}

bool Chart3D::run_load(const std::function<bool()> &load) {
  const bool was_batched = is_batched();
  set_repaint(false);
  ++exchange_depth_;
  bool ok = false;
  try {
    ok = load();
  } catch (...) {
    --exchange_depth_;
    if (!was_batched) set_is_batched(false);
    throw;
  }
  --exchange_depth_;
  if (!was_batched)
    set_is_batched(false);
  else
    refresh();
  return ok;
}

// ---- simple properties ------------------------------------------------------------

void Chart3D::set_error_offset(std::int32_t offset) {
  // An offset that would turn a refusal's status into a success is refused.
  if (!error_offset_allowed(offset)) raise(ErrorCode::tcErrorOutOfRange);
  error_offset_ = offset;
  tc3d::set_error_offset(offset);
}

void Chart3D::set_data_path(const std::string &url) {
  if (load_url(url)) data_path_ = url;
}

// ---- the chart editor element mask and the property pages ----------------------------

bool Chart3D::show_chart_editor_element(std::int16_t element, bool show) {
  if (element < 0 || element / kBitsPerWord >= kEditorMaskWords) return false;
  std::uint16_t &word = editor_mask_[element / kBitsPerWord];
  const std::uint16_t bit = static_cast<std::uint16_t>(1u << (element % kBitsPerWord));
  const bool was = (word & bit) != 0;
  if (show)
    word |= bit;
  else
    word &= static_cast<std::uint16_t>(~bit);
  return was;
}

bool Chart3D::is_chart_editor_element_visible(std::int16_t element) const {
  if (element < 0 || element / kBitsPerWord >= kEditorMaskWords) return false;
  return (editor_mask_[element / kBitsPerWord] >> (element % kBitsPerWord)) & 1u;
}

std::vector<std::string_view> Chart3D::offered_pages() const {
  std::vector<std::string_view> pages;
  for (const PropertyPage &p : kPropertyPages)
    if (is_chart_editor_element_visible(static_cast<std::int16_t>(p.element))) pages.push_back(p.name);
  return pages;
}

void Chart3D::open_property_pages() {
  if (!allow_user_changes_) return;
  const std::vector<std::string_view> pages = offered_pages();
  pages_open_ = true;
  host_->open_property_frame(kUserTypeName, pages);
  pages_open_ = false;
}

// ---- methods ----------------------------------------------------------------------

bool Chart3D::load(const std::string &file) {
  if (!loader_) not_available("Loading a saved chart");
  return run_load([&] { return loader_(*this, file); });
}
bool Chart3D::save(const std::string &) { not_available("Saving a chart"); }
bool Chart3D::call_action(std::int32_t, std::int32_t, std::int32_t) { not_available("User actions"); }
bool Chart3D::draw_to_dc(std::int64_t hdc, std::int32_t format, std::int32_t scale, std::int32_t left, std::int32_t top,
                         std::int32_t width, std::int32_t height) {
  Vex3dDrawContext *context = host_->device_context(hdc);
  return context && Vex3dDrawToDC(graph_, context, format, scale, left, top, width, height);
}
bool Chart3D::print_chart(std::int32_t format, std::int32_t scale, std::int32_t left, std::int32_t top,
                          std::int32_t width, std::int32_t height) {
  return Vex3dPrint(graph_, format, scale, left, top, width, height) != 0;
}
bool Chart3D::copy_to_clipboard(std::int32_t format) { return Vex3dCopyToClipboard(graph_, format) != 0; }
bool Chart3D::draw_to_file(const std::string &file, std::int32_t format) {
  return Vex3dDrawToFile(graph_, file.c_str(), format) != 0;
}
bool Chart3D::save_image_as_jpeg(const std::string &file, std::int32_t quality, bool grayscale, bool optimize,
                                 bool progressive) {
  return Vex3dSaveJpeg(graph_, file.c_str(), quality, grayscale, optimize, progressive) != 0;
}
bool Chart3D::save_image_as_png(const std::string &file, bool interlace) {
  return Vex3dSavePng(graph_, file.c_str(), interlace) != 0;
}
bool Chart3D::save_image_as_svg(const std::string &file) { return Vex3dSaveSvg(graph_, file.c_str()) != 0; }
bool Chart3D::save_image_as_pdf(const std::string &file) { return Vex3dSavePdf(graph_, file.c_str()) != 0; }

bool Chart3D::load_url(const std::string &url) {
  if (url.empty() || url_load_in_progress_ || !loader_) return false;
  url_load_in_progress_ = true;
  host_->set_wait_cursor(true);
  bool ok = false;
  try {
    // The temporary file is removed when `file` goes, loaded or not.
    if (const std::optional<TemporaryFile> file = download(url, download_limits_, nullptr))
      ok = run_load([&] { return loader_(*this, file->path().string()); });
  } catch (...) {
    host_->set_wait_cursor(false);
    url_load_in_progress_ = false;
    throw;
  }
  host_->set_wait_cursor(false);
  url_load_in_progress_ = false;
  return ok;
}

void Chart3D::about_box() {
  host_->about_box("Torvane Chart 3D 6.0.1: three-dimensional charts of z = f(x, y). MIT licence.");
}

}  // namespace tc3d
