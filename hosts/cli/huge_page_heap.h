// The command line's heap in huge pages.
#pragma once

namespace torvane3d_cli {

// Sets the heap up so that what a command allocates lands in 2 MiB pages
// where the kernel offers them on request. A chart's grids, projections
// and cell lists are fresh memory touched once: on a virtual machine each
// first touch of a 4 KiB page can cost several microseconds, a sixth to a
// quarter of drawing a 300 x 300 map. Call it first thing; harmless where
// the kernel or the allocator does not take the advice.
void put_the_heap_in_huge_pages();

}  // namespace torvane3d_cli
