// Export: the bitmap at every depth, the bitmap, metafile, PNG, JPEG, SVG
// and PDF files read back by independent readers and compared with the
// raster page, drawing into a caller's context under each scale, and the
// failures that leave nothing behind.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "dib.h"
#include "export_fixture.h"
#include "metafile_canvas.h"
#include "picture.h"
#include "png_file.h"
#include "w_render.h"

namespace {

using vex3d::platform::Bitmap;
using vex3d::platform::Box;
using vex3d::platform::RasterContext;

// Antialiased edges, JPEG's blocks and another renderer's rounding move a
// few pixels a little; a wrong, missing or shifted chart moves most of them.
constexpr int kThreshold = 48;
// Vector renderers antialias the edges of the surface's cells, so the mesh
// lines that the next cell's aliased fill covers in the raster page show
// through by half: about one pixel in twelve of this chart.
constexpr double kVectorShare = 0.10;

struct ExtentCase {
  int scale, width, height, box_width, box_height, want_width, want_height;
};
const ExtentCase kExtents[] = {
    {VEX3D_SCALE_TO_WIDTH, 400, 200, 300, 0, 300, 150},  {VEX3D_SCALE_TO_FIT, 200, 400, 300, 300, 150, 300},
    {VEX3D_SCALE_TO_FIT, 400, 200, 300, 300, 300, 150},  {VEX3D_SCALE_TO_FIT, 400, 200, 1000, 300, 600, 300},
    {VEX3D_SCALE_TO_HEIGHT, 400, 200, 0, 100, 200, 100}, {VEX3D_SCALE_TO_MAXIMUM, 400, 200, 123, 45, 123, 45},
    {VEX3D_SCALE_NONE, 400, 200, 1000, 1000, 400, 200},
};

TEST(ScaledExtent, EachScaleCode) {
  for (const ExtentCase &c : kExtents) {
    int w = -1, h = -1;
    Vex3dScaledExtent(c.scale, c.width, c.height, c.box_width, c.box_height, &w, &h);
    EXPECT_EQ(w, c.want_width) << "scale " << c.scale << " of " << c.width << "x" << c.height;
    EXPECT_EQ(h, c.want_height) << "scale " << c.scale << " of " << c.width << "x" << c.height;
  }
}

std::uint32_t u32(const std::uint8_t *p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t{p[3]} << 24); }

TEST_F(ExportTest, BitmapsOfEveryDepthHaveTheirHeaderTableAndRows) {
  for (const int bits : {1, 4, 8, 16, 24, 32}) {
    std::uint8_t *dib = Vex3dMakeDIB(graph.get(), 0, bits);
    ASSERT_NE(dib, nullptr) << bits;
    const std::size_t stride = (std::size_t{kWidth} * bits + 31) / 32 * 4;
    const std::size_t colors = bits <= 8 ? std::size_t{1} << bits : 0;
    EXPECT_EQ(u32(dib), 40u);
    EXPECT_EQ(u32(dib + 4), std::uint32_t{kWidth});
    EXPECT_EQ(u32(dib + 8), std::uint32_t{kHeight}) << "positive: rows bottom-up";
    EXPECT_EQ(dib[12] | (dib[13] << 8), 1);
    EXPECT_EQ(dib[14] | (dib[15] << 8), bits);
    EXPECT_EQ(u32(dib + 16), 0u);
    EXPECT_EQ(u32(dib + 20), stride * kHeight);
    EXPECT_EQ(Vex3dDIBSize(dib), 40 + 4 * colors + stride * kHeight) << bits;
    // The picture's top-left pixel is the last row's first; a true-colour
    // bitmap holds it as drawn.
    const vex3d::DibLayout layout = vex3d::dib_layout({dib, Vex3dDIBSize(dib)});
    ASSERT_TRUE(layout.ok);
    if (bits >= 8) {
      std::vector<std::uint8_t> rgb(3 * kWidth);
      for (const int y : {0, kHeight / 2, kHeight - 1}) {
        ASSERT_TRUE(vex3d::dib_row_rgb(layout, y, rgb.data()));
        for (const int x : {0, kWidth / 2, kWidth - 1}) {
          const std::uint32_t p = reference->pixel(x, y);
          const int tolerance = bits == 16 ? 8 : bits == 8 ? 64 : 0;
          EXPECT_NEAR(rgb[3 * x], int((p >> 16) & 0xFF), tolerance) << bits << " bits at " << x << "," << y;
          EXPECT_NEAR(rgb[3 * x + 2], int(p & 0xFF), tolerance) << bits << " bits at " << x << "," << y;
        }
      }
    }
    Vex3dFreeDIB(dib);
  }
  EXPECT_EQ(Vex3dMakeDIB(graph.get(), 0, 5), nullptr);
  EXPECT_EQ(Vex3dMakeDIB(graph.get(), 1, 24), nullptr) << "compressed";
}

class ExportFiles : public ExportTest {
 protected:
  // The file, read by Pillow into a PNG, compared with the page.
  double pillow_share(const std::string &file, std::string &described) {
    described = pillow(file, path("read.png"));
    Bitmap read;
    if (described.empty() || !vex3d::platform::read_png(path("read.png"), read)) return 1.0;
    return external::differing_share(reference->pixels(), read.view(), kThreshold);
  }
};

TEST_F(ExportFiles, BitmapFilesOfEveryDepthReadBackAsThePage) {
  if (!have_pillow()) GTEST_SKIP() << "Pillow (python3-pil) is not installed";
  struct Case {
    int bits;
    const char *mode;
    double share;  // of pixels differing: few colours for 1 and 4 bits
  };
  for (const Case c : {Case{1, "1", 1.0}, Case{4, "P", 1.0}, Case{8, "P", 0.10}, Case{16, "RGB", 0.01},
                       Case{24, "RGB", 0.0}, Case{32, "RGB", 0.0}}) {
    const std::string file = path("chart" + std::to_string(c.bits) + ".bmp");
    ASSERT_TRUE(Vex3dDrawToFileBits(graph.get(), file.c_str(), VEX3D_FORMAT_BITMAP, c.bits)) << c.bits;
    std::string described;
    const double share = pillow_share(file, described);
    EXPECT_EQ(described.substr(0, described.find(' ')), c.mode) << c.bits << ": " << described;
    EXPECT_NE(described.find("400 300"), std::string::npos) << described;
    EXPECT_LE(share, c.share) << c.bits << " bits";
  }
}

TEST_F(ExportFiles, PngColourTypeFollowsTheDepth) {
  if (!have_pillow()) GTEST_SKIP() << "Pillow (python3-pil) is not installed";
  struct Case {
    int bits;
    const char *mode;
    double share;
  };
  for (const Case c : {Case{8, "P", 0.10}, Case{16, "RGB", 0.01}, Case{24, "RGB", 0.0}, Case{32, "RGB", 0.0}}) {
    const std::string file = path("chart" + std::to_string(c.bits) + ".png");
    ASSERT_TRUE(Vex3dSavePngBits(graph.get(), file.c_str(), 0, c.bits)) << c.bits;
    std::string described;
    EXPECT_LE(pillow_share(file, described), c.share) << c.bits;
    EXPECT_EQ(described.substr(0, described.find(' ')), c.mode) << c.bits << ": " << described;
  }
  // A 16-bit screen saves truecolour; a 4-bit one cannot save PNG at all.
  Vex3dSetExportDepth(graph.get(), 16);
  const std::string sixteen = path("screen16.png");
  ASSERT_TRUE(Vex3dSavePng(graph.get(), sixteen.c_str(), 0));
  EXPECT_EQ(pillow(sixteen, path("r.png")).substr(0, 3), "RGB");
  Vex3dSetExportDepth(graph.get(), 4);
  EXPECT_FALSE(Vex3dSavePng(graph.get(), path("screen4.png").c_str(), 0));
  EXPECT_FALSE(std::filesystem::exists(path("screen4.png")));
  Vex3dSetExportDepth(graph.get(), 32);
  const std::string interlaced = path("adam7.png");
  ASSERT_TRUE(Vex3dSavePng(graph.get(), interlaced.c_str(), 1));
  std::string described;
  EXPECT_EQ(pillow_share(interlaced, described), 0.0);
  EXPECT_NE(pillow(interlaced, path("r.png"), "interlace").find(" 1"), std::string::npos) << "Adam7";
}

TEST_F(ExportFiles, JpegQualityGrayscaleProgressiveAndDensity) {
  if (!have_pillow()) GTEST_SKIP() << "Pillow (python3-pil) is not installed";
  const std::string colour = path("chart.jpg");
  ASSERT_TRUE(Vex3dSaveJpeg(graph.get(), colour.c_str(), 90, 0, 1, 0));
  std::string described;
  EXPECT_LE(pillow_share(colour, described), 0.05) << "JPEG rings beside the black mesh lines";
  EXPECT_EQ(described.substr(0, 4), "RGB ");
  EXPECT_NE(pillow(colour, path("r.png"), "jfif_density").find("(37, 37)"), std::string::npos)
      << "96 dots per inch are 37 dots per centimetre";
  const std::string grey = path("grey.jpg");
  ASSERT_TRUE(Vex3dSaveJpeg(graph.get(), grey.c_str(), 75, 1, 0, 1));
  EXPECT_EQ(pillow(grey, path("r.png")).substr(0, 2), "L ") << "one component";
  EXPECT_NE(pillow(grey, path("r.png"), "progressive").find(" 1"), std::string::npos);
  if (external::have("djpeg")) {
    EXPECT_TRUE(external::run({"djpeg", "-outfile", path("grey.pgm"), grey}));
  }
  for (const int quality : {-5, 101, 500}) {
    const std::string bad = path("q" + std::to_string(quality) + ".jpg");
    EXPECT_FALSE(Vex3dSaveJpeg(graph.get(), bad.c_str(), quality, 0, 0, 0)) << quality;
    EXPECT_FALSE(std::filesystem::exists(bad));
  }
}

// Our own player draws a metafile file into a raster of the page's size.
double played_share(const std::string &file, const RasterContext &reference_raster) {
  auto pic = vex3d::load_picture_file(file.c_str());
  if (!pic) return 1.0;
  GraphPtr g = make_graph();
  RasterContext played(reference_raster.width(), reference_raster.height());
  {
    const vex3d::CurrentContextScope current(g.get(), &played);
    vex3d::ImageRecord image;
    image.file = file;
    image.layout = Vex3dImageLayoutStretched;
    vex3d_win_drawimage(g.get(), &image, 0, 0, played.width(), played.height(), 0, 0, played.width(), played.height());
  }
  return external::differing_share(const_cast<RasterContext &>(reference_raster).pixels(), played.pixels(), kThreshold);
}

TEST_F(ExportFiles, MetafilesPlayBackAsThePage) {
  struct Case {
    int format;
    const char *name;
    vex3d::PictureKind kind;
  };
  for (const Case c : {Case{VEX3D_FORMAT_METAFILE, "chart.wmf", vex3d::PictureKind::kPlaceableMetafile},
                       Case{VEX3D_FORMAT_ENHANCED_METAFILE, "chart.emf", vex3d::PictureKind::kEnhancedMetafile},
                       Case{VEX3D_FORMAT_STANDARD_METAFILE, "plain.wmf", vex3d::PictureKind::kPlainMetafile}}) {
    const std::string file = path(c.name);
    ASSERT_TRUE(Vex3dDrawToFile(graph.get(), file.c_str(), c.format)) << c.name;
    const auto pic = vex3d::load_picture_file(file.c_str());
    ASSERT_TRUE(pic) << c.name;
    EXPECT_EQ(pic->kind, c.kind) << c.name;
    EXPECT_NEAR(pic->pixel_width, kWidth, 1) << c.name;
    EXPECT_NEAR(pic->pixel_height, kHeight, 1) << c.name;
    EXPECT_LE(played_share(file, *reference), 0.03) << c.name;
  }
}

TEST_F(ExportFiles, IndependentReadersDrawTheMetafiles) {
  if (!external::have("rsvg-convert")) GTEST_SKIP() << "rsvg-convert is not installed";
  const std::string wmf = path("chart.wmf"), emf = path("chart.emf");
  ASSERT_TRUE(Vex3dDrawToFile(graph.get(), wmf.c_str(), VEX3D_FORMAT_METAFILE));
  ASSERT_TRUE(Vex3dDrawToFile(graph.get(), emf.c_str(), VEX3D_FORMAT_ENHANCED_METAFILE));
  Bitmap read;
  if (external::have("wmf2svg")) {
    ASSERT_TRUE(external::run({"wmf2svg", "--inline", "-o", path("wmf.svg"), wmf}));
    ASSERT_TRUE(external::repair_wmf2svg_output(path("wmf.svg")));
    ASSERT_TRUE(external::svg_pixels(path("wmf.svg"), path("wmf.png"), read, kWidth, kHeight));
    EXPECT_LE(external::differing_share(reference->pixels(), read.view(), kThreshold), kVectorShare) << "wmf2svg";
  }
  if (external::have("emf2svg-conv")) {
    ASSERT_TRUE(external::run({"emf2svg-conv", "-i", emf, "-o", path("emf.svg")}));
    ASSERT_TRUE(external::svg_pixels(path("emf.svg"), path("emf.png"), read, kWidth, kHeight));
    EXPECT_LE(external::differing_share(reference->pixels(), read.view(), kThreshold), kVectorShare) << "emf2svg-conv";
  }
}

TEST_F(ExportFiles, SvgAndPdfReadBackAsThePage) {
  const std::string svg = path("chart.svg"), pdf = path("chart.pdf");
  ASSERT_TRUE(Vex3dSaveSvg(graph.get(), svg.c_str()));
  ASSERT_TRUE(Vex3dSavePdf(graph.get(), pdf.c_str()));
  Bitmap read;
  if (external::have("rsvg-convert")) {
    ASSERT_TRUE(external::svg_pixels(svg, path("svg.png"), read, kWidth, kHeight));
    EXPECT_LE(external::differing_share(reference->pixels(), read.view(), kThreshold), kVectorShare) << "rsvg-convert";
  }
  if (external::have("pdftoppm")) {
    ASSERT_TRUE(external::run({"pdftoppm", "-png", "-r", "96", "-singlefile", pdf, path("pdf")}));
    ASSERT_TRUE(vex3d::platform::read_png(path("pdf.png"), read));
    EXPECT_LE(external::differing_share(reference->pixels(), read.view(), kThreshold), kVectorShare) << "pdftoppm";
  }
}

TEST_F(ExportFiles, BadTargetsFailAndLeaveNothingBehind) {
  const std::string missing = path("no/such/folder/chart.png");
  EXPECT_FALSE(Vex3dSavePng(graph.get(), missing.c_str(), 0));
  EXPECT_FALSE(Vex3dDrawToFile(graph.get(), path("no/chart.bmp").c_str(), VEX3D_FORMAT_BITMAP));
  EXPECT_FALSE(Vex3dSaveSvg(graph.get(), path("no/chart.svg").c_str()));
  for (const char *full : {"/dev/full"}) {
    EXPECT_FALSE(Vex3dSavePng(graph.get(), full, 0));
    EXPECT_FALSE(Vex3dDrawToFile(graph.get(), full, VEX3D_FORMAT_ENHANCED_METAFILE));
    EXPECT_FALSE(Vex3dSaveJpeg(graph.get(), full, 75, 0, 0, 0));
  }
  for (const int format : {0, 5, -1})
    EXPECT_FALSE(Vex3dDrawToFile(graph.get(), path("f.out").c_str(), format)) << format;
  if (geteuid() != 0) {
    std::filesystem::create_directory(path("ro"));
    std::filesystem::permissions(path("ro"), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_FALSE(Vex3dSavePng(graph.get(), path("ro/chart.png").c_str(), 0));
    std::filesystem::permissions(path("ro"), std::filesystem::perms::owner_all);
  }
  Vex3dSetValues(graph.get(), VEX3D_WIDTH, 8192, VEX3D_HEIGHT, 8192, 0);
  EXPECT_FALSE(Vex3dSavePng(graph.get(), path("huge.png").c_str(), 0));
  EXPECT_EQ(Vex3dMakeDIB(graph.get(), 0, 24), nullptr);
  Vex3dSetValues(graph.get(), VEX3D_WIDTH, 0, VEX3D_HEIGHT, 300, 0);
  EXPECT_FALSE(Vex3dDrawToFile(graph.get(), path("empty.emf").c_str(), VEX3D_FORMAT_ENHANCED_METAFILE));
  EXPECT_FALSE(Vex3dSavePdf(graph.get(), path("empty.pdf").c_str()));
  std::vector<std::string> left = files();
  std::erase_if(left, [](const std::string &f) { return f == "ro"; });
  EXPECT_TRUE(left.empty()) << left.size() << " files left, the first " << (left.empty() ? "" : left.front());
}

TEST_F(ExportTest, DrawToDCPlacesThePageInItsExtent) {
  for (const int format : {VEX3D_FORMAT_BITMAP, VEX3D_FORMAT_ENHANCED_METAFILE}) {
    RasterContext target(700, 500);
    // Scale to width 300 of the 400 x 300 chart: 300 x 225 at (50, 20).
    ASSERT_TRUE(Vex3dDrawToDC(graph.get(), &target, format, VEX3D_SCALE_TO_WIDTH, 50, 20, 300, 1000)) << format;
    int x0 = 700, y0 = 500, x1 = -1, y1 = -1;
    for (int y = 0; y < 500; ++y)
      for (int x = 0; x < 700; ++x)
        if (target.pixel(x, y) >> 24) {
          x0 = std::min(x0, x), y0 = std::min(y0, y);
          x1 = std::max(x1, x), y1 = std::max(y1, y);
        }
    EXPECT_EQ(x0, 50) << format;
    EXPECT_EQ(y0, 20) << format;
    EXPECT_EQ(x1, 50 + 300 - 1) << format;
    EXPECT_EQ(y1, 20 + 225 - 1) << format;
    EXPECT_FALSE(target.state().clip) << "the target's state is as before";
  }
  RasterContext target(10, 10);
  EXPECT_FALSE(Vex3dDrawToDC(graph.get(), &target, 7, VEX3D_SCALE_NONE, 0, 0, 0, 0));
}

}  // namespace
