#include "huge_page_heap.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

namespace torvane3d_cli {
namespace {

constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
// How far the heap grows at a time: room for a large chart's working data
// before the heap must grow again (its growth has no huge pages).
constexpr std::size_t kHeapStep = std::size_t{64} << 20;
// Blocks up to the allocator's largest setting come from the heap too, not
// from mappings of their own.
constexpr int kLargestHeapBlock = 32 << 20;

std::uintptr_t round_up(std::uintptr_t address) { return (address + kHugePage - 1) & ~(kHugePage - 1); }

}  // namespace

void put_the_heap_in_huge_pages() {
  if (!mallopt(M_TOP_PAD, static_cast<int>(kHeapStep)) || !mallopt(M_TRIM_THRESHOLD, 2 * static_cast<int>(kHeapStep)) ||
      !mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock))
    return;
  // One block makes the heap grow by the step; untouched, the new part
  // costs nothing yet. (volatile: a block freed unused may be left out.)
  const auto before = reinterpret_cast<std::uintptr_t>(sbrk(0));
  void *volatile grow = std::malloc(kHugePage);
  const auto first = reinterpret_cast<std::uintptr_t>(grow);
  std::free(grow);
  const auto after = reinterpret_cast<std::uintptr_t>(sbrk(0));
  const std::uintptr_t start = round_up(first), end = after & ~(kHugePage - 1);
  if (!first || after <= before || end <= start) return;
  madvise(reinterpret_cast<void *>(start), end - start, MADV_HUGEPAGE);
  // The allocator wrote the block's end mark before the advice, so the
  // 2 MiB around it is in small pages for good: a block that stays unused
  // takes the heap up to there (it lands where the first block was), and
  // what the command allocates comes after it.
  static void *const small_pages = std::malloc(round_up(first + kHugePage + 1) - first);
  (void)small_pages;
}

}  // namespace torvane3d_cli
