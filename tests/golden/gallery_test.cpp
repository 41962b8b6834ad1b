// The gallery: every picture in the tables of tests/golden/README.md is drawn
// again by the torvane3d command beside it and compared with the reviewed
// picture through the shared golden support (its tolerance, failure pictures
// and blessing). The README is the list: a row added there is a test here.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "golden.h"
#include "scratch_dir.h"

namespace {

struct Picture {
  std::string name;               // the file in the first column, e.g. "shaded.png"
  std::vector<std::string> args;  // the command's arguments after "torvane3d"
};

// Splits a command line at blanks; double quotes keep blanks inside one
// argument, as a shell would.
std::vector<std::string> split_command(const std::string &text) {
  std::vector<std::string> args;
  std::string arg;
  bool quoted = false, any = false;
  for (char c : text) {
    if (c == '"') {
      quoted = !quoted;
      any = true;
    } else if (c == ' ' && !quoted) {
      if (any) args.push_back(arg);
      arg.clear();
      any = false;
    } else {
      arg += c;
      any = true;
    }
  }
  if (any) args.push_back(arg);
  return args;
}

// The rows of the form | `NAME.png` | `torvane3d ARGS` | ... |
std::vector<Picture> gallery() {
  std::vector<Picture> pictures;
  std::ifstream readme(TORVANE3D_GALLERY_README);
  const std::string name_start = "| `", command_start = "` | `torvane3d ";
  for (std::string line; std::getline(readme, line);) {
    if (line.rfind(name_start, 0) != 0) continue;
    const std::size_t name_end = line.find(command_start);
    if (name_end == std::string::npos) continue;
    const std::size_t args_start = name_end + command_start.size();
    const std::size_t args_end = line.find('`', args_start);
    if (args_end == std::string::npos) continue;
    pictures.push_back({line.substr(name_start.size(), name_end - name_start.size()),
                        split_command(line.substr(args_start, args_end - args_start))});
  }
  return pictures;
}

// Runs torvane3d with the arguments in the gallery's folder (its data files
// are named relative to it); the exit status, or -1 when it did not exit.
int run_torvane3d(const std::vector<std::string> &args) {
  std::vector<char *> argv{const_cast<char *>(TORVANE3D_PROGRAM)};
  for (const std::string &a : args) argv.push_back(const_cast<char *>(a.c_str()));
  argv.push_back(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(TORVANE3D_GALLERY_DIR) == 0) execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

void PrintTo(const Picture &picture, std::ostream *out) { *out << picture.name; }

class GalleryPicture : public ScratchDir, public ::testing::WithParamInterface<Picture> {};

TEST(Gallery, ListsPicturesThatTheirCommandsWrite) {
  const std::vector<Picture> pictures = gallery();
  EXPECT_FALSE(pictures.empty()) << "no picture rows in " << TORVANE3D_GALLERY_README;
  std::set<std::string> names;
  for (const Picture &p : pictures) {
    EXPECT_TRUE(names.insert(p.name).second) << p.name << " is listed twice";
    std::string written;
    for (std::size_t k = 0; k + 1 < p.args.size(); ++k)
      if (p.args[k] == "-o") written = p.args[k + 1];
    EXPECT_EQ(written, p.name) << "the command of " << p.name << " writes another file";
  }
}

TEST_P(GalleryPicture, Golden) {
  const Picture &picture = GetParam();
  std::vector<std::string> args = picture.args;
  const std::string drawn = path(picture.name);
  for (std::size_t k = 0; k + 1 < args.size(); ++k)
    if (args[k] == "-o") args[k + 1] = drawn;
  ASSERT_EQ(run_torvane3d(args), 0) << "torvane3d failed to draw " << picture.name;
  const std::string stem = picture.name.substr(0, picture.name.rfind(".png"));
  EXPECT_TRUE(golden::png_matches(stem, drawn, golden::kAntialiased));
}

INSTANTIATE_TEST_SUITE_P(Gallery, GalleryPicture, ::testing::ValuesIn(gallery()),
                         [](const ::testing::TestParamInfo<Picture> &info) {
                           return info.param.name.substr(0, info.param.name.rfind(".png"));
                         });

}  // namespace
