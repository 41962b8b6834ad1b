// Files written whole through the C calls (out_file.h) and the writers that
// take an open output: nothing reaches the target before the commit, and a
// failed writer or open leaves it as it was with the cause named.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "data_fixture.h"
#include "out_file.h"
#include "page.h"

namespace {

TEST(OutFile, TheTargetChangesOnlyAtTheCommit) {
  const ScratchFolder dir;
  const std::string target = dir.write("grid.dat", "old");
  char error[VEX3D_ERROR_SIZE] = "";
  vex3d::OutputFilePtr out(Vex3dOpenOutputFile(target.c_str(), nullptr, error));
  ASSERT_NE(out, nullptr) << error;
  const vex3d::DataPtr grid(Vex3dDataCreateGrid(3, 2, -1, 1, 1, 0, 0, 1));
  EXPECT_TRUE(Vex3dDataWriteTo(grid.get(), out.get()));
  EXPECT_EQ(read_whole(target), "old");
  ASSERT_TRUE(Vex3dCommitOutputFile(out.get(), error)) << error;
  const vex3d::DataPtr back(Vex3dDataRead(target.c_str(), error));
  ASSERT_NE(back, nullptr) << error;
  EXPECT_EQ(back->grid.numx, 3);

  const vex3d::DrawContextPtr raster(Vex3dCreateRasterContext(4, 3));
  out.reset(Vex3dOpenOutputFile(dir.file("picture.png").c_str(), nullptr, error));
  ASSERT_TRUE(Vex3dWriteRasterPngTo(raster.get(), out.get()));
  out.reset();  // closed without a commit
  EXPECT_FALSE(std::filesystem::exists(dir.file("picture.png")));
}

TEST(OutFile, AFailedWriterLeavesTheTargetAndSaysWhy) {
  const ScratchFolder dir;
  const std::string target = dir.write("kept", "old");
  struct Case {
    const char *what;
    int (*writer)(Vex3dOutputFile *out);
    const char *cause;
  };
  const Case cases[] = {
      {"no data set", [](Vex3dOutputFile *out) { return Vex3dDataWriteTo(nullptr, out); }, "No data set to write"},
      {"not a raster context", [](Vex3dOutputFile *out) { return Vex3dWriteRasterPngTo(nullptr, out); },
       "not a raster picture"},
      {"the writer's own reason",
       [](Vex3dOutputFile *out) {
         Vex3dFailOutputFile(out, "given up");
         return 0;
       },
       "given up"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    char error[VEX3D_ERROR_SIZE] = "";
    const vex3d::OutputFilePtr out(Vex3dOpenOutputFile(target.c_str(), nullptr, error));
    ASSERT_NE(out, nullptr) << error;
    EXPECT_FALSE(c.writer(out.get()));
    EXPECT_FALSE(Vex3dCommitOutputFile(out.get(), error));
    EXPECT_STREQ(error, c.cause);
    EXPECT_EQ(read_whole(target), "old");
  }
}

TEST(OutFile, ATargetThatCannotBeWrittenIsRefusedAtTheOpen) {
  const ScratchFolder dir;
  const std::string input = dir.write("input.dat", "data");
  const char *const inputs[] = {input.c_str(), nullptr};
  struct Case {
    std::string path;
    const char *cause;
  };
  const Case cases[] = {
      {input, "is also an input"},
      {dir.path(), "is a directory"},
      {"", "no file name"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.path);
    char error[VEX3D_ERROR_SIZE] = "";
    EXPECT_EQ(Vex3dOpenOutputFile(c.path.c_str(), inputs, error), nullptr);
    EXPECT_STREQ(error, c.cause);
  }
  EXPECT_EQ(read_whole(input), "data");
}

}  // namespace
