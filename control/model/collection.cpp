#include "collection.h"

#include <algorithm>
#include <cctype>

namespace tc3d {
namespace {

bool same_name(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

int item_position(const Variant &index, std::span<const Object *const> items, std::span<const std::string> names) {
  const int count = static_cast<int>(items.size());
  if (index.is_array()) raise(ErrorCode::tcErrorInvalidValue);
  switch (index.type()) {
    case VarType::Int16:
    case VarType::Int32: {
      const std::int32_t n = index.to_int32();
      if (n < 1 || n > count) raise(ErrorCode::tcErrorNoSuchItem);
      return n - 1;
    }
    case VarType::Object: {
      const ObjectRef o = index.to_object();
      const auto found = std::find(items.begin(), items.end(), o.get());
      if (!o || found == items.end()) raise(ErrorCode::tcErrorNoSuchItem);
      return static_cast<int>(found - items.begin());
    }
    case VarType::String: {
      const std::string name = index.to_string();
      for (int i = 0; i < static_cast<int>(names.size()) && i < count; ++i)
        if (same_name(names[i], name)) return i;
      raise(ErrorCode::tcErrorNoSuchItem);
    }
    default: raise(ErrorCode::tcErrorInvalidValue);
  }
}

}  // namespace tc3d
