// Memory for whole pictures: the pixels of a raster image, from the kernel
// in huge pages where it offers them. On a virtual machine each first touch
// of a fresh 4 KiB page can cost several microseconds, which for a
// 1000 x 800 picture (800 pages) is more than drawing it; one 2 MiB page
// takes one fault for 512 of them.
#pragma once

#include <cstddef>

namespace vex3d::platform {

// Zeroed memory of at least `bytes` bytes, aligned for any pixel type;
// nullptr when there is none. Small sizes come from the heap.
void *allocate_picture_memory(std::size_t bytes);
// Gives back what allocate_picture_memory(bytes) returned (nullptr is fine).
void release_picture_memory(void *memory, std::size_t bytes);

}  // namespace vex3d::platform
