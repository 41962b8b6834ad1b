#include "label.h"

#include <vector>

#include "value_labels.h"

namespace tc3d {
namespace label_rows {
#define TC3D_MEMBERS "label_members.def"
#include "member_table.inc"
}  // namespace label_rows

TC3D_MODEL_CLASS_INFO(ILabel, label_rows)

namespace {

// A label's own text has no index; items of a list have their position.
constexpr int kOwnText = -1;

constexpr SelectorRow kLabelSelector[] = {
    row(kSelectLines, SelectorEntry{PartTag::kHeader, kOwnText, VEX3D_HEADER_STRINGS},
        SelectorEntry{PartTag::kFooter, kOwnText, VEX3D_FOOTER_STRINGS}),
    row(kSelectLabelText, SelectorEntry{PartTag::kLegend, kOwnText, VEX3D_LEGEND_TITLE},
        SelectorEntry{PartTag::kXAxis, kOwnText, VEX3D_XAXIS_TITLE},
        SelectorEntry{PartTag::kYAxis, kOwnText, VEX3D_YAXIS_TITLE},
        SelectorEntry{PartTag::kZAxis, kOwnText, VEX3D_ZAXIS_TITLE}),
    row(kSelectListItem, SelectorEntry{PartTag::kLegend, kAnyIndex, VEX3D_LEGEND_STRINGS}),
    per_axis(kSelectValueLabels, VEX3D_XVALUE_LABELS, VEX3D_YVALUE_LABELS, VEX3D_ZVALUE_LABELS),
};

// The value label at a label's position; tcErrorNoSuchItem when the list is
// shorter.
ValueLabelEntry &entry_at(std::vector<ValueLabelEntry> &labels, int position) {
  if (position < 0 || position >= static_cast<int>(labels.size())) raise(ErrorCode::tcErrorNoSuchItem);
  return labels[position];
}

// Lines end at "\r\n", "\n" or "\r".
std::vector<std::string> split_lines(const std::string &text) {
  std::vector<std::string> lines;
  if (text.empty()) return lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  lines.push_back(line);
  return lines;
}

std::string join_lines(const std::vector<std::string> &lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "\n" : "") + lines[i];
  return text;
}

}  // namespace

std::vector<std::string> string_list(Vex3dGraph *graph, int id) {
  char **list = nullptr;
  Vex3dGetValues(graph, id, &list, 0);
  std::vector<std::string> items;
  for (char **p = list; p && *p; ++p) items.emplace_back(*p);
  return items;
}

void set_string_list(Vex3dGraph *graph, int id, const std::vector<std::string> &texts) {
  std::vector<const char *> pointers;
  for (const std::string &s : texts) pointers.push_back(s.c_str());
  pointers.push_back(nullptr);
  Vex3dSetValues(graph, id, texts.empty() ? nullptr : pointers.data(), 0);
}

std::span<const SelectorRow> label_selector() { return kLabelSelector; }
std::span<const SelectorRow> ILabel::selector() const { return kLabelSelector; }

std::string ILabel::engine_text() {
  Vex3dGraph *g = connected_graph();
  if (const int id = resource_for(kSelectLines)) return join_lines(string_list(g, id));
  if (const int id = resource_for(kSelectLabelText)) {
    const char *text = nullptr;
    Vex3dGetValues(g, id, &text, 0);
    return text ? text : "";
  }
  if (const int id = resource_for(kSelectListItem)) {
    const std::vector<std::string> items = string_list(g, id);
    if (index() < 0 || index() >= static_cast<int>(items.size())) raise(ErrorCode::tcErrorNoSuchItem);
    return items[index()];
  }
  if (const int id = resource_for(kSelectValueLabels)) {
    std::vector<ValueLabelEntry> labels = value_labels_of(g, id);
    return entry_at(labels, index()).text;
  }
  raise(ErrorCode::tcErrorNoSuchProperty);
}

void ILabel::send(const std::string &text) {
  Vex3dGraph *g = connected_graph();
  if (const int id = resource_for(kSelectLines)) return set_string_list(g, id, split_lines(text));
  if (const int id = resource_for(kSelectLabelText)) return Vex3dSetValues(g, id, text.c_str(), 0);
  if (const int id = resource_for(kSelectListItem)) {
    std::vector<std::string> items = string_list(g, id);
    if (index() < 0 || index() >= static_cast<int>(items.size())) raise(ErrorCode::tcErrorNoSuchItem);
    items[index()] = text;
    return set_string_list(g, id, items);
  }
  if (const int id = resource_for(kSelectValueLabels)) {
    std::vector<ValueLabelEntry> labels = value_labels_of(g, id);
    entry_at(labels, index()).text = text;
    return set_value_labels(g, id, labels);
  }
  raise(ErrorCode::tcErrorNoSuchProperty);
}

std::string ILabel::text() { return showing_ ? engine_text() : hidden_text_; }

void ILabel::set_text(const std::string &text) {
  if (!showing_) {
    connected_graph();
    hidden_text_ = text;
    return;
  }
  send(text);
}

void ILabel::set_is_showing(bool show) {
  if (show == showing_) return;
  if (show) {
    showing_ = true;
    send(hidden_text_);
    hidden_text_.clear();
  } else {
    hidden_text_ = engine_text();
    send("");
    showing_ = false;
  }
}

}  // namespace tc3d
