// Memory of data sets. Data sets are C records whose arrays callers may
// also make and free themselves, so they live in malloc'd memory.
#pragma once

#include <cstddef>
#include <cstdlib>

namespace vex3d {

// A zero-filled array of count elements, at least one even when count is
// below 1; null when memory runs out or the size does not fit.
void *zero_array_bytes(long long count, std::size_t element_size);

template <class T>
T *zero_array(long long count) {
  return static_cast<T *>(zero_array_bytes(count, sizeof(T)));
}

// Whether `bytes` more could be held in memory now: no more than the memory
// the system reports available. Operations whose result size the caller
// chooses ask this first, so that a request for billions of values is
// refused instead of swapping the machine to a halt.
bool fits_in_memory(double bytes);

// For tests of the out-of-memory paths: the next `successes` allocations on
// this thread succeed and every one after them fails; a negative count
// (the default) never fails.
void fail_data_allocations_after(long successes);

}  // namespace vex3d
