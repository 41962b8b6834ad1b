// Vector contexts write SVG, PDF and PostScript to files and streams.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "vector_context.h"

namespace {

using namespace vex3d::platform;

void draw_something(DrawContext &c) {
  c.set_brush({0x3366CC, false});
  c.fill_rectangle({10, 10, 50, 30});
  c.set_pen(Pen{.color = 0, .thin = false, .width = 2, .dashes = {}});
  c.draw_line({0, 0}, {100, 80});
  c.set_font(resolve_font({"Arial", -14}));
  c.draw_text({10, 70}, "Vector");
}

TEST(VectorContexts, EachFormatWritesItsKindOfDocument) {
  struct Case {
    VectorFormat format;
    const char *starts_with;
  };
  const Case cases[] = {{VectorFormat::kSvg, "<?xml"}, {VectorFormat::kPdf, "%PDF"}, {VectorFormat::kPostScript, "%!PS"}};
  for (const Case &c : cases) {
    std::string out;
    auto ctx = VectorContext::to_stream(
        c.format, [&](const unsigned char *data, std::size_t n) { return out.append(reinterpret_cast<const char *>(data), n), true; },
        120, 90);
    ASSERT_TRUE(ctx->ok());
    EXPECT_EQ(ctx->resolution(), 96);
    draw_something(*ctx);
    EXPECT_TRUE(ctx->finish());
    EXPECT_EQ(out.rfind(c.starts_with, 0), 0u) << out.substr(0, 20);
  }
}

TEST(VectorContexts, SvgKeepsThePageSizeInPoints) {
  std::string out;
  auto ctx = VectorContext::to_stream(
      VectorFormat::kSvg, [&](const unsigned char *d, std::size_t n) { return out.append(reinterpret_cast<const char *>(d), n), true; },
      400, 200);
  draw_something(*ctx);
  ctx->finish();
  EXPECT_NE(out.find("width=\"300pt\""), std::string::npos) << "400 pixels at 96 per inch are 300 points";
}

TEST(VectorContexts, APictureIsWrittenAsItWasWhenDrawn) {
  // A document is completed only at finish(); the pixels handed to
  // draw_image belong to the caller and may be gone by then.
  const auto svg_of_picture = [](bool overwrite_after_drawing) {
    std::vector<std::uint32_t> pixels(6 * 4, 0xFFCC2200u);
    std::string out;
    auto ctx = VectorContext::to_stream(
        VectorFormat::kSvg,
        [&](const unsigned char *d, std::size_t n) { return out.append(reinterpret_cast<const char *>(d), n), true; },
        60, 40);
    ctx->draw_image(ImageView{pixels.data(), 6, 4, 6}, Box{5, 5, 30, 20});
    if (overwrite_after_drawing) std::fill(pixels.begin(), pixels.end(), 0xFF00FF00u);
    ctx->finish();
    // The picture's data; the document's element names differ from one
    // document to the next.
    const std::string data = "data:image/png;base64,";
    const auto from = out.find(data);
    return from == std::string::npos ? std::string() : out.substr(from, out.find('"', from) - from);
  };
  const std::string kept = svg_of_picture(false), overwritten = svg_of_picture(true);
  EXPECT_GT(kept.size(), 30u);
  EXPECT_EQ(overwritten, kept);
}

TEST(VectorContexts, WriteFailuresAreReported) {
  auto refused = VectorContext::to_stream(VectorFormat::kPdf, [](const unsigned char *, std::size_t) { return false; }, 50, 50);
  draw_something(*refused);
  EXPECT_FALSE(refused->finish());
  auto nowhere = VectorContext::to_file(VectorFormat::kSvg, "/nonexistent-dir/x.svg", 50, 50);
  draw_something(*nowhere);
  EXPECT_FALSE(nowhere->finish());
}

TEST(VectorContexts, FormatFromTheFileName) {
  EXPECT_EQ(vector_format_of("a.SVG"), VectorFormat::kSvg);
  EXPECT_EQ(vector_format_of("dir.x/a.pdf"), VectorFormat::kPdf);
  EXPECT_EQ(vector_format_of("a.eps"), VectorFormat::kPostScript);
  EXPECT_FALSE(vector_format_of("a.png"));
  EXPECT_FALSE(vector_format_of("noextension"));
}

}  // namespace
