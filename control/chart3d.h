// The control object Chart3D: one engine graph for its whole life, the top
// of the automation tree, batching and the chart-changed protocol, the
// engine's window notifications turned into events.
//
// A host creates it (Chart3D::create, or the class factory by programmatic
// identifier "TorvaneChart3D.Control.1"), gives it a Host (the headless one
// by default), opens its window when it has one to show, and calls the
// members by name, by identifier, through the typed accessors generated from
// chart3d_members.def or through the dual twin IChart3D_Dual.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dual.h"
#include "enumerations.h"
#include "events.h"
#include "graph_object.h"
#include "host.h"
#include "member_rows.h"
#include "parts.h"
#include "resource_binding.h"
#include "url_download.h"
#include "window.h"

namespace tc3d {

class ControlWindow;

// A control's size in pixels.
struct ControlExtent {
  int width = 0, height = 0;
};

class Chart3D : public GraphObject {
 public:
  static constexpr std::string_view kClassName = "Chart3D";
  static constexpr std::string_view kProgId = "TorvaneChart3D.Control.1";
  static constexpr std::string_view kUserTypeName = "3D Chart Control";
  static constexpr std::string_view kWindowClassName = "TorvaneChart3D";
  static constexpr int kMinimumExtent = 200;
  // The chart editor element mask: 28 words of 16 bits.
  static constexpr int kEditorMaskWords = 28;

  using Extent = ControlExtent;

  // A control with every default and the host's proposed extent raised to at
  // least 200 x 200; no host means the headless one. Raises the platform's
  // general failure when the engine gives no graph.
  static std::shared_ptr<Chart3D> create(std::shared_ptr<Host> host = nullptr, Extent proposed = {});
  ~Chart3D() override;

  const ClassInfo &class_info() const override;
  Vex3dGraph *graph() const override { return graph_; }
  Host &host() { return *host_; }

#define TC3D_MEMBERS "chart3d_members.def"
#include "typed_accessors.inc"

  // ---- events
  void connect(std::shared_ptr<EventSink> sink);
  void disconnect(const EventSink *sink);
  // Fires an event to every connected sink; by-reference arguments come back
  // changed by the handlers.
  void fire(DispatchId event, std::span<Variant> args);

  // ---- the window (the host's side)
  void open_window();
  void close_window();
  bool has_window() const { return window_ != nullptr; }
  // The window's paint cycle: the engine draws the part given (null: all).
  void paint(const vex3d::WindowRect *update);
  // The host's drawing request: the whole chart into a context of its own,
  // the window's client area mapped onto the bounds, as the page's own
  // primitives (a metafile or vector context keeps them as such). Opens the
  // window first when there is none. False when the engine could not draw.
  bool draw(Vex3dDrawContext *context, const vex3d::WindowRect &bounds);
  // The host sets a new extent (with a window it is resized, without one the
  // size goes to the engine's WIDTH and HEIGHT).
  void set_extent(int width, int height);
  Extent extent() const { return extent_; }
  // A window message from the engine (user + 4000 ...), with its record.
  void on_notification(int message, const void *data);

  // ---- batching, flush, suspension, loads
  void flush();
  void suspend();
  void resume();
  bool suspended() const { return suspended_; }
  // Runs a load with the control batched; afterwards unbatched if it was not
  // batched before, else refreshed.
  bool run_load(const std::function<bool()> &load);
  bool changed_while_batched() const { return changed_while_batched_; }
  bool modified() const { return modified_; }
  void clear_modified() { modified_ = false; }

  // ---- saved charts and URLs
  // What reads a saved chart file into this control (persistence installs
  // it); Load and LoadURL go through it, batched. Without one, Load raises
  // the not-implemented status and LoadURL returns FALSE.
  using SavedChartLoader = std::function<bool(Chart3D &, const std::string &file)>;
  void set_saved_chart_loader(SavedChartLoader loader) { loader_ = std::move(loader); }
  // The timeouts and the size limit of LoadURL and DataPath (10 s without
  // progress, 60 s in all, 256 MiB by default).
  void set_download_limits(const DownloadLimits &limits) { download_limits_ = limits; }
  const DownloadLimits &download_limits() const { return download_limits_; }

  // ---- the host's questions
  // The control's colour set: the engine palette's entries (0xBBGGRR), none
  // while the engine has no palette.
  std::vector<int> color_set() const;
  // Object safety: the control is safe for untrusted callers and for
  // untrusted data; the host says which of the two it relies on, and the
  // control records it. Options outside the supported ones are refused.
  enum SafetyOption : std::uint32_t { kSafeForUntrustedCaller = 1, kSafeForUntrustedData = 2 };
  static constexpr std::uint32_t kSupportedSafety = kSafeForUntrustedCaller | kSafeForUntrustedData;
  bool set_safety_options(std::uint32_t mask, std::uint32_t enabled);
  std::uint32_t enabled_safety() const { return enabled_safety_; }

  // ---- property pages: the pages offered now (by the editor element mask)
  std::vector<std::string_view> offered_pages() const;
  void open_property_pages();

  // ---- what the member rows bind to
  bool is_batched();
  void set_is_batched(bool batched);
  bool is_double_buffered();
  void set_is_double_buffered(bool on);
  std::shared_ptr<ITitle> header() { return header_; }
  std::shared_ptr<ITitle> footer() { return footer_; }
  std::shared_ptr<ILegend> legend() { return legend_; }
  std::shared_ptr<IBorder> border() { return border_; }
  std::shared_ptr<IInterior> interior() { return interior_; }
  std::shared_ptr<IChartArea> chart_area() { return chart_area_; }
  std::shared_ptr<IChartGroupCollection> chart_groups() { return chart_groups_; }
  std::shared_ptr<IChartLabelCollection> chart_labels() { return chart_labels_; }
  std::shared_ptr<IActionMapCollection> action_maps() { return action_maps_; }
  // The stock font: the host's, kept for it; the chart's own texts have fonts of their own.
  std::shared_ptr<IFont> stock_font() { return stock_font_; }
  void set_stock_font(const Variant &font);
  std::int32_t error_offset() const { return error_offset_; }
  void set_error_offset(std::int32_t offset);
  bool allow_user_changes() const { return allow_user_changes_; }
  void set_allow_user_changes(bool allow) { allow_user_changes_ = allow; }
  ObjectRef chart_dispatch() { return shared_from_this(); }
  std::string data_path() const { return data_path_; }
  void set_data_path(const std::string &url);
  std::int64_t window_handle() const;
  void refresh();
  bool load(const std::string &file);
  bool save(const std::string &file);
  bool call_action(std::int32_t action, std::int32_t x, std::int32_t y);
  bool draw_to_dc(std::int64_t hdc, std::int32_t format, std::int32_t scale, std::int32_t left, std::int32_t top,
                  std::int32_t width, std::int32_t height);
  bool print_chart(std::int32_t format, std::int32_t scale, std::int32_t left, std::int32_t top, std::int32_t width,
                   std::int32_t height);
  bool copy_to_clipboard(std::int32_t format);
  bool draw_to_file(const std::string &file, std::int32_t format);
  bool save_image_as_jpeg(const std::string &file, std::int32_t quality, bool grayscale, bool optimize,
                          bool progressive);
  bool save_image_as_png(const std::string &file, bool interlace);
  bool save_image_as_svg(const std::string &file);
  bool save_image_as_pdf(const std::string &file);
  bool show_chart_editor_element(std::int16_t element, bool show);
  bool is_chart_editor_element_visible(std::int16_t element) const;
  bool load_url(const std::string &url);
  void about_box();

  // ---- the protocols the objects of the tree run after a write
  void run_chart_changed();
  void run_modified_update();

 protected:
  void chart_changed() override { run_chart_changed(); }
  void modified_update() override { run_modified_update(); }

 private:
  Chart3D(std::shared_ptr<Host> host, Extent proposed);
  void attach_tree();
  void set_modified();
  void update_damage();
  void set_repaint(bool on);

  std::shared_ptr<Host> host_;
  // In the order of construction; destroyed in reverse.
  Vex3dGraph *graph_ = nullptr;
  std::shared_ptr<ITitle> header_, footer_;
  std::shared_ptr<ILegend> legend_;
  std::shared_ptr<IBorder> border_;
  std::shared_ptr<IInterior> interior_;
  std::shared_ptr<IChartArea> chart_area_;
  std::shared_ptr<IChartGroupCollection> chart_groups_;
  std::shared_ptr<IChartLabelCollection> chart_labels_;
  std::shared_ptr<IActionMapCollection> action_maps_;
  std::shared_ptr<IFont> stock_font_;
  std::string data_path_;
  std::int32_t error_offset_ = kDefaultErrorOffset;
  bool allow_user_changes_ = true;
  std::array<std::uint16_t, 3> loaded_revision_{6, 0, 1};
  std::array<std::uint16_t, kEditorMaskWords> editor_mask_{};
  int exchange_depth_ = 0;
  bool changed_while_batched_ = false;
  bool batch_ended_by_flush_ = false;
  bool suspended_ = false;
  bool url_load_in_progress_ = false;
  // The property frame is showing this control (it is modal: one at a time).
  bool pages_open_ = false;
  bool modified_ = false;
  std::uint32_t enabled_safety_ = 0;
  std::optional<bool> web_page_;  // the host's answer, asked at the first paint
  Extent extent_;

  SavedChartLoader loader_;
  DownloadLimits download_limits_;
  std::unique_ptr<ControlWindow> window_;
  std::vector<std::shared_ptr<EventSink>> sinks_;
};

// The dual twin: the same members, returning statuses.
class IChart3D_Dual : public DualOf<Chart3D> {
 public:
  using DualOf::DualOf;
#define TC3D_MEMBERS "chart3d_members.def"
#include "dual_interface.inc"
};

}  // namespace tc3d
