// Owned copies of the pointer-valued resources.
//
// The graph copies every list, text and table it is given; a getter hands out
// the graph's own copy in the C form callers know (null-terminated arrays of
// record pointers, NUL-terminated texts). Each holder keeps that C view in
// step with its storage.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "types.h"

namespace vex3d {

// Base for state that a later layer keeps in a graph, text or font record.
struct LayerState {
  virtual ~LayerState() = default;
};

// A text, or none.
using OwnedText = std::optional<std::string>;

inline const char *c_text(const OwnedText &t) { return t ? t->c_str() : nullptr; }

// A list of records handed out as a null-terminated array of pointers.
// A record type with embedded texts (value labels) copies them through
// RecordTraits.
template <class T>
struct RecordTraits {
  static T copy(const T &v, std::vector<std::unique_ptr<char[]>> &) { return v; }
};

std::unique_ptr<char[]> copy_c_text(const char *text);

template <>
struct RecordTraits<Vex3dValueLabel> {
  static Vex3dValueLabel copy(const Vex3dValueLabel &v, std::vector<std::unique_ptr<char[]>> &texts) {
    texts.push_back(copy_c_text(v.text ? v.text : ""));
    return Vex3dValueLabel{v.value, texts.back().get()};
  }
};

template <class T>
class RecordList {
 public:
  // Copies a null-terminated array; a null array makes the list absent.
  void assign(const T *const *list) {
    RecordList copy;
    if (list) {
      copy.present_ = true;
      for (const T *const *p = list; *p; ++p) copy.items_.push_back(RecordTraits<T>::copy(**p, copy.texts_));
    }
    *this = std::move(copy);
    commit();
  }
  void assign(std::vector<T> items) {
    RecordList copy;
    copy.present_ = true;
    for (const T &item : items) copy.items_.push_back(RecordTraits<T>::copy(item, copy.texts_));
    *this = std::move(copy);
    commit();
  }
  void clear() {
    *this = RecordList();
  }
  bool present() const { return present_; }
  int count() const { return static_cast<int>(items_.size()); }
  // The C view: null-terminated array of record pointers, or null when absent.
  T **data() { return present_ ? ptrs_.data() : nullptr; }
  std::vector<T> &items() { return items_; }
  const std::vector<T> &items() const { return items_; }
  // Call after editing items() in place.
  void commit() {
    present_ = present_ || !items_.empty();
    ptrs_.clear();
    for (T &item : items_) ptrs_.push_back(&item);
    ptrs_.push_back(nullptr);
  }

 private:
  std::vector<T> items_;
  std::vector<T *> ptrs_{nullptr};
  std::vector<std::unique_ptr<char[]>> texts_;
  bool present_ = false;
};

// A list of texts handed out as a null-terminated array of char pointers.
class StringList {
 public:
  void assign(const char *const *list);
  void assign(std::vector<std::string> items);
  bool present() const { return present_; }
  int count() const { return static_cast<int>(items_.size()); }
  char **data() { return present_ ? ptrs_.data() : nullptr; }
  const std::vector<std::string> &items() const { return items_; }

 private:
  void commit();
  std::vector<std::string> items_;
  std::vector<char *> ptrs_{nullptr};
  bool present_ = false;
};

// The most levels a user's table may hold. Drawing works per level and per
// cell (each level is traced through the cells it crosses, each zone filled,
// styled and listed in the legend), so a table of a million levels made a
// 20 x 20 chart take hundreds of megabytes and seconds. Ten thousand is a
// hundred times the most levels the graph computes itself (NUM_DISTN_LEVELS)
// and keeps the work of any table small; the contour tracer's own limit on
// crossings bounds what the levels cost on a large grid. Larger tables are
// refused where they come in: the DISTN_TABLE set and the levels file reader.
constexpr int kMaxTableLevels = 10000;

// The user's contour levels: sorted, free of duplicates, never an empty array.
class DistnTableCopy {
 public:
  void assign(const Vex3dDistnTable *table);
  bool present() const { return present_; }
  Vex3dDistnTable *data() { return present_ ? &view_ : nullptr; }
  const std::vector<double> &levels() const { return levels_; }

 private:
  std::vector<double> levels_;
  std::vector<double> storage_{0.0};
  Vex3dDistnTable view_{0, nullptr};
  bool present_ = false;
};

}  // namespace vex3d
