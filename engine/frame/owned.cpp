#include "owned.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vex3d {

std::unique_ptr<char[]> copy_c_text(const char *text) {
  const std::size_t n = std::strlen(text);
  auto copy = std::make_unique<char[]>(n + 1);
  std::memcpy(copy.get(), text, n + 1);
  return copy;
}

void StringList::assign(const char *const *list) {
  std::vector<std::string> items;
  if (list)
    for (const char *const *p = list; *p; ++p) items.emplace_back(*p);
  const bool present = list != nullptr;
  items_ = std::move(items);
  present_ = present;
  commit();
}

void StringList::assign(std::vector<std::string> items) {
  items_ = std::move(items);
  present_ = true;
  commit();
}

void StringList::commit() {
  ptrs_.clear();
  for (std::string &s : items_) ptrs_.push_back(s.data());
  ptrs_.push_back(nullptr);
}

void DistnTableCopy::assign(const Vex3dDistnTable *table) {
  present_ = table != nullptr;
  levels_.clear();
  if (table && table->levels && table->nlevels > 0)
    levels_.assign(table->levels, table->levels + table->nlevels);
  // A NaN level has no place in an ordering; it is dropped rather than sorted.
  levels_.erase(std::remove_if(levels_.begin(), levels_.end(), [](double v) { return std::isnan(v); }),
                levels_.end());
  std::sort(levels_.begin(), levels_.end());
  levels_.erase(std::unique(levels_.begin(), levels_.end()), levels_.end());
  // The array handed out always has room for one level.
  storage_ = levels_.empty() ? std::vector<double>{0.0} : levels_;
  view_.nlevels = static_cast<int>(levels_.size());
  view_.levels = storage_.data();
}

}  // namespace vex3d
