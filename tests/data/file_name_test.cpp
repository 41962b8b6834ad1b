// File-name expansion shared by every engine text file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "file_name.h"

namespace {

struct ExpansionCase {
  const char *name;
  const char *expanded;
};

class FileNameExpansion : public ::testing::TestWithParam<ExpansionCase> {
 protected:
  static void SetUpTestSuite() {
    setenv("TV3D_DIR", "/data/charts", 1);
    setenv("TV3D_SLASHED", "/data/", 1);
    setenv("TV3D_EMPTY", "", 1);
    unsetenv("TV3D_UNSET");
  }
};

TEST_P(FileNameExpansion, Expands) {
  EXPECT_EQ(vex3d::expand_file_name(GetParam().name), GetParam().expanded) << "name: " << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, FileNameExpansion,
    ::testing::Values(ExpansionCase{"", ""}, ExpansionCase{"///", "/"}, ExpansionCase{"a.dat", "a.dat"},
                      ExpansionCase{"/x//y/", "/x/y"}, ExpansionCase{"$TV3D_DIR/a.dat", "/data/charts/a.dat"},
                      ExpansionCase{"rel/$TV3D_DIR/a", "rel//data/charts/a"},
                      ExpansionCase{"$TV3D_SLASHED/a.dat", "/data/a.dat"},
                      ExpansionCase{"$TV3D_UNSET/a.dat", "$TV3D_UNSET/a.dat"},
                      ExpansionCase{"$TV3D_EMPTY/a.dat", "/a.dat"}, ExpansionCase{"a$TV3D_DIR", "a$TV3D_DIR"},
                      ExpansionCase{"$/b", "$/b"}, ExpansionCase{"c:\\dir\\f.dat", "c:\\dir\\f.dat"}));

TEST(FileNameExpansionLimit, ResultIsCutAt1024Characters) {
  const std::string long_name = "/" + std::string(3000, 'n');
  const std::string expanded = vex3d::expand_file_name(long_name);
  EXPECT_EQ(expanded.size(), vex3d::kMaxFileName);
  EXPECT_EQ(expanded, long_name.substr(0, vex3d::kMaxFileName));
}

}  // namespace
