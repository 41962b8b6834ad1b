#include "adler32.h"

#include <emmintrin.h>

namespace vex3d::platform {
namespace {

constexpr std::uint32_t kBase = 65521;
// The most bytes whose sums cannot overflow 32 bits before the modulo,
// rounded down to whole 16-byte blocks.
constexpr std::size_t kRun = 5552 / 16 * 16;

std::uint32_t horizontal_sum(__m128i v) {
  v = _mm_add_epi32(v, _mm_shuffle_epi32(v, _MM_SHUFFLE(1, 0, 3, 2)));
  v = _mm_add_epi32(v, _mm_shuffle_epi32(v, _MM_SHUFFLE(2, 3, 0, 1)));
  return static_cast<std::uint32_t>(_mm_cvtsi128_si32(v));
}

}  // namespace

std::uint32_t adler32_update(std::uint32_t adler, const std::uint8_t *data, std::size_t size) {
  std::uint32_t a = adler & 0xFFFF, b = adler >> 16;
  const __m128i zero = _mm_setzero_si128();
  // Each byte's weight within a block of 16: it is counted into b once for
  // every byte from it to the block's end.
  const __m128i weights_high = _mm_setr_epi16(16, 15, 14, 13, 12, 11, 10, 9);
  const __m128i weights_low = _mm_setr_epi16(8, 7, 6, 5, 4, 3, 2, 1);
  while (size >= 16) {
    const std::size_t run = size < kRun ? size / 16 * 16 : kRun;
    size -= run;
    __m128i sum_a = zero, sum_b = zero, a_before = zero;
    for (std::size_t k = 0; k < run; k += 16, data += 16) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data));
      a_before = _mm_add_epi32(a_before, sum_a);  // every earlier block's bytes count 16 times more
      sum_a = _mm_add_epi32(sum_a, _mm_sad_epu8(bytes, zero));
      const __m128i first = _mm_unpacklo_epi8(bytes, zero), second = _mm_unpackhi_epi8(bytes, zero);
      sum_b = _mm_add_epi32(sum_b, _mm_madd_epi16(first, weights_high));
      sum_b = _mm_add_epi32(sum_b, _mm_madd_epi16(second, weights_low));
    }
    const std::uint32_t blocks = static_cast<std::uint32_t>(run / 16);
    // b gains a once for every byte of the run, the 16-fold sums of the
    // earlier blocks, and each byte by its weight.
    b += a * 16 * blocks + 16 * horizontal_sum(a_before) + horizontal_sum(sum_b);
    a += horizontal_sum(sum_a);
    a %= kBase;
    b %= kBase;
  }
  for (; size > 0; --size) {
    a += *data++;
    b += a;
  }
  return (b % kBase) << 16 | (a % kBase);
}

}  // namespace vex3d::platform
