// Picture memory: zeroed and whole at every size, from the heap below a
// megabyte and from huge-page mappings above.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "picture_memory.h"
#include "raster_context.h"

namespace {

using namespace vex3d::platform;

TEST(PictureMemory, EverySizeIsZeroedWritableAndGivenBack) {
  constexpr std::size_t kMiB = std::size_t{1} << 20;
  for (const std::size_t bytes : {std::size_t{0}, std::size_t{1}, kMiB - 1, kMiB, 2 * kMiB, 3 * kMiB + 12345}) {
    auto *memory = static_cast<std::uint8_t *>(allocate_picture_memory(bytes));
    ASSERT_NE(memory, nullptr) << bytes;
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(memory) % alignof(std::max_align_t), 0u) << bytes;
    std::size_t nonzero = 0;
    for (std::size_t k = 0; k < bytes; k += 4093) nonzero += memory[k] != 0;
    if (bytes) nonzero += memory[bytes - 1] != 0;
    EXPECT_EQ(nonzero, 0u) << bytes;
    if (bytes) std::memset(memory, 0xAB, bytes);  // every byte is ours to write
    release_picture_memory(memory, bytes);
  }
  release_picture_memory(nullptr, 0);
}

TEST(PictureMemory, ALargeRasterStartsTransparentAndKeepsWhatIsDrawn) {
  RasterContext image(1000, 800);
  EXPECT_EQ(image.pixel(0, 0), 0u);
  EXPECT_EQ(image.pixel(999, 799), 0u) << "the last pixel lies past the first huge page";
  image.set_brush({0x336699, false});
  image.fill_rectangle({990, 790, 10, 10});
  EXPECT_EQ(image.pixel(999, 799), 0xFF996633u);  // the brush is 0xBBGGRR, the pixel ARGB
}

}  // namespace
