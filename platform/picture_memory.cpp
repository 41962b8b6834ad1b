#include "picture_memory.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>

namespace vex3d::platform {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
// Below a huge page's worth the rounding would waste more than it saves.
constexpr std::size_t kSmallestMapped = kHugePage / 2;

std::size_t round_up(std::size_t bytes, std::size_t unit) { return (bytes + unit - 1) / unit * unit; }

bool mapped(std::size_t bytes) { return bytes >= kSmallestMapped; }

}  // namespace

void *allocate_picture_memory(std::size_t bytes) {
  if (!mapped(bytes)) return std::calloc(bytes ? bytes : 1, 1);
  if (bytes > SIZE_MAX - 2 * kHugePage) return nullptr;
  // A huge page needs an aligned 2 MiB range inside the mapping: map one
  // huge page more, then give back the unaligned head and the tail.
  const std::size_t size = round_up(bytes, kHugePage);
  const std::size_t span = size + kHugePage;
  void *raw = mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (raw == MAP_FAILED) return nullptr;
  const auto start = reinterpret_cast<std::uintptr_t>(raw);
  const std::uintptr_t aligned = round_up(start, kHugePage);
  if (aligned > start) munmap(raw, aligned - start);
  if (const std::size_t tail = start + span - (aligned + size)) munmap(reinterpret_cast<void *>(aligned + size), tail);
  void *memory = reinterpret_cast<void *>(aligned);
  // Only advice: where the kernel has no huge pages the memory is the same.
  madvise(memory, size, MADV_HUGEPAGE);
  return memory;
}

void release_picture_memory(void *memory, std::size_t bytes) {
  if (!memory) return;
  if (!mapped(bytes)) return std::free(memory);
  munmap(memory, round_up(bytes, kHugePage));
}

}  // namespace vex3d::platform
