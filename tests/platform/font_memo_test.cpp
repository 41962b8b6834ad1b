// The memo of fontconfig's choices: faces made from it draw as fontconfig's
// own, and a memo that does not fit this machine is never trusted.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "fonts.h"
#include "raster_context.h"

namespace {

using namespace vex3d::platform;
namespace fs = std::filesystem;

class FontMemoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/font_memo_XXXXXX";
    ASSERT_TRUE(mkdtemp(name));
    dir_ = name;
    path_ = (dir_ / "sub" / "font-choices").string();
  }
  void TearDown() override { fs::remove_all(dir_); }
  void write(const std::string &text) {
    fs::create_directories(fs::path(path_).parent_path());
    std::ofstream(path_, std::ios::binary) << text;
  }
  static FontChoice sans() {
    const std::optional<FontChoice> c = fontconfig_choice({"Arial", -16});
    return c.value_or(FontChoice{});
  }
  fs::path dir_;
  std::string path_;
};

TEST_F(FontMemoTest, AChoiceComesBackUnderTheSameFingerprintOnly) {
  const FontChoice choice = sans();
  ASSERT_FALSE(choice.file.empty());
  FontChoice slanted = choice;
  slanted.fc_slant = 100, slanted.has_matrix = true, slanted.matrix[1] = 0.2, slanted.embolden = true;
  {
    FontMemo memo(path_, "one");
    EXPECT_FALSE(memo.find("400 0 Arial"));
    ASSERT_TRUE(memo.add("400 0 Arial", choice)) << "the folders are made";
    ASSERT_TRUE(memo.add("700 1 Arial", slanted));
  }
  EXPECT_EQ(FontMemo(path_, "one").find("400 0 Arial"), choice);
  EXPECT_EQ(FontMemo(path_, "one").find("700 1 Arial"), slanted) << "every field survives the file";
  EXPECT_FALSE(FontMemo(path_, "two").find("400 0 Arial")) << "another configuration asks fontconfig again";

  FontMemo other(path_, "two");
  ASSERT_TRUE(other.add("400 0 Courier", choice));
  EXPECT_FALSE(FontMemo(path_, "two").find("400 0 Arial")) << "the old configuration's choices are gone";
  EXPECT_TRUE(FontMemo(path_, "two").find("400 0 Courier"));
}

TEST_F(FontMemoTest, DamagedOrForeignMemosAreIgnored) {
  const FontChoice c = sans();
  const std::string head = "torvane3d font choices 1\nfingerprint fp\n";
  const std::string good = "400 0 Arial\t" + c.file + "\t0\tX\t80\t0\t0\t0\t1\t0\t0\t1\n";
  const std::string cases[] = {
      "",
      "garbage\n" + good,
      "torvane3d font choices 2\nfingerprint fp\n" + good,
      head + "400 0 Arial\t" + c.file + "\tzero\tX\t80\t0\t0\t0\t1\t0\t0\t1\n",
      head + "400 0 Arial\t" + c.file + "\t0\tX\t80\t0\t2\t0\t1\t0\t0\t1\n",
      head + "400 0 Arial\trelative.ttf\t0\tX\t80\t0\t0\t0\t1\t0\t0\t1\n",
      head + "400 0 Arial\t" + c.file + "\t0\tX\t80\t0\t0\t0\t1\t0\t0\n",
      head + "400 0 Arial\t" + c.file + "\t0\tX\t80\t0\t0\t0\t1\t0\t0\t1\textra\n",
      head + "400 0 Arial\t/no/such/font.ttf\t0\tX\t80\t0\t0\t0\t1\t0\t0\t1\n",
      head + good + std::string(70000, 'x'),
  };
  for (const std::string &text : cases) {
    write(text);
    EXPECT_FALSE(FontMemo(path_, "fp").find("400 0 Arial")) << text.substr(0, 120);
  }
  write(head + good);
  EXPECT_TRUE(FontMemo(path_, "fp").find("400 0 Arial")) << "the well-formed line of the cases";

  // A link in the memo's place is neither read nor replaced.
  const std::string target = (dir_ / "elsewhere").string();
  std::ofstream(target) << head + good;
  fs::remove(path_);
  fs::create_symlink(target, path_);
  FontMemo linked(path_, "fp");
  EXPECT_FALSE(linked.find("400 0 Arial"));
  EXPECT_FALSE(linked.add("400 0 Courier", c));
  EXPECT_TRUE(fs::is_symlink(path_));
  EXPECT_EQ(fs::file_size(target), (head + good).size());
  EXPECT_FALSE(FontMemo(path_, "fp").add("a\tb", c)) << "a request that would break the format is not kept";
}

TEST_F(FontMemoTest, TheFingerprintFollowsTheConfigurationFiles) {
  const std::string conf = (dir_ / "fonts.conf").string();
  std::ofstream(conf) << "<fontconfig/>";
  const char *before = std::getenv("FONTCONFIG_FILE");
  const std::string saved = before ? before : "";
  setenv("FONTCONFIG_FILE", conf.c_str(), 1);
  const std::string first = font_configuration_fingerprint();
  EXPECT_EQ(font_configuration_fingerprint(), first) << "nothing changed";
  std::ofstream(conf, std::ios::app) << "<!-- edited -->";
  const std::string edited = font_configuration_fingerprint();
  if (before)
    setenv("FONTCONFIG_FILE", saved.c_str(), 1);
  else
    unsetenv("FONTCONFIG_FILE");
  EXPECT_NE(edited, first);
  EXPECT_NE(font_configuration_fingerprint(), edited) << "the environment counts";
}

TEST_F(FontMemoTest, AFaceFromTheMemoDrawsAsFontconfigsOwn) {
  for (const FontRequest &request : {FontRequest{"Arial", -18}, FontRequest{"Times New Roman", -18, 700, true}}) {
    const std::optional<FontChoice> asked = fontconfig_choice(request);
    ASSERT_TRUE(asked);
    FontMemo(path_, "fp").add("key", *asked);
    const std::optional<FontChoice> remembered = FontMemo(path_, "fp").find("key");
    ASSERT_TRUE(remembered);
    const FontRef a = font_from_choice(*asked, request), b = font_from_choice(*remembered, request);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->family(), b->family());
    EXPECT_EQ(a->weight(), b->weight());
    EXPECT_EQ(a->italic(), b->italic());
    RasterContext ca(120, 30), cb(120, 30);
    ca.set_font(a), cb.set_font(b);
    ca.draw_text({2, 22}, "Peaks 6.9"), cb.draw_text({2, 22}, "Peaks 6.9");
    const ImageView pa = ca.pixels(), pb = cb.pixels();
    int inked = 0, differing = 0;
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 120; ++x) {
        inked += pa.pixels[y * pa.stride + x] != 0;
        differing += pa.pixels[y * pa.stride + x] != pb.pixels[y * pb.stride + x];
      }
    EXPECT_GT(inked, 50) << request.family;
    EXPECT_EQ(differing, 0) << request.family;
  }
}

}  // namespace

namespace {

// A process asking for font after font (a fuzzer's) neither fills the memo
// with unprintable names nor rewrites it without end.
TEST_F(FontMemoTest, AProcessOfManyRequestsWritesTheMemoAFewTimesOnly) {
  const FontChoice c = sans();
  FontMemo memo(path_, "fp");
  EXPECT_FALSE(memo.add("400 0 Bad\x01Name", c));
  EXPECT_FALSE(memo.add("400 0 " + std::string(300, 'x'), c));
  EXPECT_FALSE(memo.find("400 0 Bad\x01Name"));
  int written = 0;
  for (int k = 0; k < 30; ++k) written += memo.add("400 0 Face " + std::to_string(k), c);
  EXPECT_GT(written, 0);
  EXPECT_LT(written, 30);
  EXPECT_TRUE(memo.find("400 0 Face 29")) << "still remembered in the process";
  const FontMemo next(path_, "fp");
  EXPECT_TRUE(next.find("400 0 Face 0"));
  EXPECT_FALSE(next.find("400 0 Face 29")) << "not written once the writes were spent";
}

}  // namespace
