#include "allocation.h"

#include <cstdint>

namespace vex3d {
namespace {

thread_local long t_allowed_allocations = -1;

}  // namespace

void *zero_array_bytes(long long count, std::size_t element_size) {
  const auto n = static_cast<std::size_t>(count < 1 ? 1 : count);
  if (element_size != 0 && n > SIZE_MAX / 2 / element_size) return nullptr;
  if (t_allowed_allocations == 0) return nullptr;
  if (t_allowed_allocations > 0) --t_allowed_allocations;
  return std::calloc(n, element_size);
}

void fail_data_allocations_after(long successes) { t_allowed_allocations = successes; }

}  // namespace vex3d
