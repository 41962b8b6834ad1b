// What every collection of the object model shares (its members are
// declared once, in collection_members.def and removable_members.def):
//
// - Item and Remove take an index: a 16- or 32-bit integer (also by
//   reference) is a 1-based position, an object finds that very item, a
//   string the item of that name regardless of case where the items have
//   names. Any other kind of value raises tcErrorInvalidValue; an index that
//   finds nothing raises tcErrorNoSuchItem.
// - _NewEnum walks a snapshot of the items taken when it is called.
// - RemoveAll batches the control, removes every item as Remove does and
//   restores the batching, so an unbatched control redraws once.
//
// Items are attached under the collection with their 0-based position as
// index and renumbered when one comes or goes. A collection that views an
// engine list brings its items in step with the list's length before each
// use, so the same position keeps the same object. A removed item is
// detached and left to whoever still holds it.
#pragma once

#include <string>
#include <vector>

#include "enumerator.h"
#include "model_object.h"

namespace tc3d {

// The 0-based position an index selects among items with the given names
// (none: the items have no names).
int item_position(const Variant &index, std::span<const Object *const> items, std::span<const std::string> names);

template <class T>
class ItemCollection : public ModelObject {
 public:
  using ThisItem = T;

  std::int32_t count() {
    sync();
    return static_cast<std::int32_t>(items_.size());
  }
  std::shared_ptr<T> item(const Variant &index) {
    sync();
    return items_[position(index)];
  }
  ObjectRef new_enum() {
    sync();
    std::vector<Variant> snapshot;
    for (const auto &i : items_) snapshot.emplace_back(ObjectRef(i));
    return Enumerator::of(std::move(snapshot));
  }
  void remove(const Variant &index) {
    sync();
    remove_at(position(index));
  }
  void remove_all() {
    run_batched([this] {
      sync();
      while (!items_.empty()) remove_at(static_cast<int>(items_.size()) - 1);
    });
  }

 protected:
  // The length of the engine's list the items view; fixed collections keep
  // what they hold.
  virtual int engine_count() { return static_cast<int>(items_.size()); }
  // Takes the entry at a position out of the engine's list.
  virtual void erase_from_engine(int) {}
  // The names an index string is matched against; none by default.
  virtual std::vector<std::string> names() { return {}; }
  virtual void attach_item(T &item, int position) { item.attach(owner(), this, part_tag(), position); }

  int position(const Variant &index) {
    std::vector<const Object *> all;
    for (const auto &i : items_) all.push_back(i.get());
    return item_position(index, all, names());
  }
  // A new item at a position (its entry is already in the engine's list).
  std::shared_ptr<T> insert_at(int position) {
    auto made = std::make_shared<T>();
    items_.insert(items_.begin() + position, made);
    renumber();
    return made;
  }
  // Brings the items in step with the engine's list: by its length here; a
  // collection whose items have keys matches them by key.
  virtual void sync() {
    const int n = engine_count();
    while (static_cast<int>(items_.size()) > n) {
      items_.back()->detach();
      items_.pop_back();
    }
    while (static_cast<int>(items_.size()) < n) insert_at(static_cast<int>(items_.size()));
  }

  void attach_children() override { renumber(); }
  void detach_children() override {
    for (const auto &i : items_) i->detach();
  }

  void renumber() {
    if (!owner()) return;
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) attach_item(*items_[i], i);
  }

  std::vector<std::shared_ptr<T>> items_;

 private:
  // What Remove does, one item at a time in RemoveAll too.
  void remove_at(int position) {
    erase_from_engine(position);
    items_[position]->detach();
    items_.erase(items_.begin() + position);
    renumber();
    chart_changed();
  }
};

}  // namespace tc3d
