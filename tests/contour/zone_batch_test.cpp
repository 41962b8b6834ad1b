// Batched zone output: full batches go out at once, the rest in zone order at the end.
#include <gtest/gtest.h>

#include <vector>

#include "zone_batch.h"

namespace {

using vex3d::ScreenPiece;
using vex3d::ScreenPoint;
using vex3d::ZoneBatch;

struct Drawn {
  int zone;
  std::size_t pieces;
  int first_x;  // x of the first vertex of the batch's first piece
};

TEST(ZoneBatch, DrawsFullBatchesAtOnceAndTheRestInZoneOrder) {
  ZoneBatch batch(3);
  std::vector<Drawn> drawn;
  auto draw = [&](int zone, std::span<const ScreenPiece> pieces) {
    drawn.push_back({zone, pieces.size(), pieces[0].v[0].x});
  };
  const ScreenPoint triangle[3] = {{0, 0}, {4, 0}, {0, 4}};
  for (int k = 0; k < 150; ++k) {
    ScreenPoint p[3] = {{k, 0}, {4, 0}, {0, 4}};
    batch.add(2, p, draw);
  }
  batch.add(0, triangle, draw);
  ASSERT_EQ(drawn.size(), 1u);  // zone 2's first hundred
  EXPECT_EQ(drawn[0].zone, 2);
  EXPECT_EQ(drawn[0].pieces, 100u);
  EXPECT_EQ(drawn[0].first_x, 0);

  batch.finish(draw);
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ(drawn[1].zone, 0);
  EXPECT_EQ(drawn[1].pieces, 1u);
  EXPECT_EQ(drawn[2].zone, 2);
  EXPECT_EQ(drawn[2].pieces, 50u);
  EXPECT_EQ(drawn[2].first_x, 100);

  batch.finish(draw);  // every buffer was emptied
  EXPECT_EQ(drawn.size(), 3u);
}

TEST(ZoneBatch, RefusesPiecesItCannotHold) {
  ZoneBatch batch(2);
  int draws = 0;
  auto draw = [&](int, std::span<const ScreenPiece>) { ++draws; };
  const ScreenPoint nine[9] = {};
  const ScreenPoint two[2] = {};
  const ScreenPoint three[3] = {};
  batch.add(0, nine, draw);
  batch.add(0, two, draw);
  batch.add(-1, three, draw);
  batch.add(2, three, draw);
  batch.finish(draw);
  EXPECT_EQ(draws, 0);
}

}  // namespace
