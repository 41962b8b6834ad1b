#include "allocation.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>

namespace vex3d {
namespace {

thread_local long t_allowed_allocations = -1;

// Below this a request is not worth reading the system's figures for.
constexpr double kSmallRequest = 64.0 * 1024 * 1024;

// MemAvailable of /proc/meminfo (memory that can be had without swapping),
// or the free pages when that is not known.
double available_bytes() {
  if (std::FILE *f = std::fopen("/proc/meminfo", "r")) {
    char line[256];
    double kib = -1;
    while (std::fgets(line, sizeof line, f))
      if (std::sscanf(line, "MemAvailable: %lf kB", &kib) == 1) break;
    std::fclose(f);
    if (kib >= 0) return kib * 1024;
  }
  const long pages = sysconf(_SC_AVPHYS_PAGES), page = sysconf(_SC_PAGESIZE);
  return pages > 0 && page > 0 ? double(pages) * double(page) : 0;
}

}  // namespace

void *zero_array_bytes(long long count, std::size_t element_size) {
  const auto n = static_cast<std::size_t>(count < 1 ? 1 : count);
  if (element_size != 0 && n > SIZE_MAX / 2 / element_size) return nullptr;
  if (t_allowed_allocations == 0) return nullptr;
  if (t_allowed_allocations > 0) --t_allowed_allocations;
  return std::calloc(n, element_size);
}

bool fits_in_memory(double bytes) {
  if (!(bytes >= 0)) return false;
  return bytes <= kSmallRequest || bytes <= available_bytes();
}

void fail_data_allocations_after(long successes) { t_allowed_allocations = successes; }

}  // namespace vex3d
