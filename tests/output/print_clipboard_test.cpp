// Printing on a private print server of the test's own (a capture queue
// keeps each job's PDF, read back with pdftoppm) and copying to the host's
// clipboard in each format.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "export_fixture.h"
#include "headless_window.h"
#include "message_capture.h"
#include "png_file.h"
#include "window_events.h"

namespace {

using vex3d::ClipboardItem;
using vex3d::HeadlessWindow;

class Clipboard : public ExportTest {};

TEST_F(Clipboard, NeedsAWindowWithAClipboardAndAFormatFrom1To4) {
  EXPECT_FALSE(Vex3dCopyToClipboard(graph.get(), VEX3D_FORMAT_ENHANCED_METAFILE)) << "no window";
  HeadlessWindow window(kWidth, kHeight);
  ASSERT_TRUE(Vex3dAttachWindow(graph.get(), &window));
  EXPECT_FALSE(Vex3dCopyToClipboard(graph.get(), VEX3D_FORMAT_BITMAP)) << "a window without a clipboard";
  window.give_clipboard();
  for (const int format : {0, 5}) EXPECT_FALSE(Vex3dCopyToClipboard(graph.get(), format)) << format;
  EXPECT_TRUE(window.clipboard().empty());
  Vex3dDetachWindow(graph.get());
}

TEST_F(Clipboard, EachFormatPlacesItsForm) {
  HeadlessWindow window(kWidth, kHeight);
  window.give_clipboard();
  ASSERT_TRUE(Vex3dAttachWindow(graph.get(), &window));
  struct Case {
    int format;
    ClipboardItem::Format placed;
    std::vector<std::uint8_t> starts;
  };
  const Case cases[] = {
      {VEX3D_FORMAT_BITMAP, ClipboardItem::kDib, {40, 0, 0, 0}},
      {VEX3D_FORMAT_METAFILE, ClipboardItem::kMetafilePicture, {8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 9, 0}},
      {VEX3D_FORMAT_ENHANCED_METAFILE, ClipboardItem::kEnhancedMetafile, {1, 0, 0, 0}},
      {VEX3D_FORMAT_STANDARD_METAFILE, ClipboardItem::kMetafilePicture, {8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0}},
  };
  for (const Case &c : cases) {
    ASSERT_TRUE(Vex3dCopyToClipboard(graph.get(), c.format)) << c.format;
    ASSERT_FALSE(window.clipboard().empty());
    const ClipboardItem &item = window.clipboard().front();
    EXPECT_EQ(item.format, c.placed) << c.format;
    ASSERT_GE(item.bytes.size(), c.starts.size());
    EXPECT_TRUE(std::equal(c.starts.begin(), c.starts.end(), item.bytes.begin())) << c.format;
  }
  Vex3dDetachWindow(graph.get());
}

// A print server in the scratch folder, stopped when the test ends.
class Printing : public ExportTest {
 protected:
  void SetUp() override {
    ExportTest::SetUp();
    script_ = std::string(TORVANE3D_SUPPORT_DIR) + "/private_cupsd.sh";
    // The daemon's backends run as another user: the folder must let them in.
    std::filesystem::permissions(dir(), std::filesystem::perms::all & ~std::filesystem::perms::others_write &
                                            ~std::filesystem::perms::group_write);
  }
  void TearDown() override {
    if (started_) external::run({"sh", script_, "stop", path("cups")});
    unsetenv("CUPS_SERVER");
    ExportTest::TearDown();
  }
  bool start() {
    started_ = external::run({"sh", script_, "start", path("cups")});
    if (started_) setenv("CUPS_SERVER", path("cups/cups.sock").c_str(), 1);
    return started_;
  }
  std::string job_file(int job) const { return path("cups/jobs/job-" + std::to_string(job) + ".pdf"); }
  bool wait_for(const std::string &file) const {
    for (int i = 0; i < 200 && !std::filesystem::exists(file); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return std::filesystem::exists(file);
  }

  std::string script_;
  bool started_ = false;
};

TEST_F(Printing, WithoutAServerItFailsAtOnceSayingSo) {
  setenv("CUPS_SERVER", path("no-server.sock").c_str(), 1);
  Vex3dSetValues(graph.get(), VEX3D_DEBUG, 1, 0);
  MessageCapture said;
  EXPECT_FALSE(Vex3dPrint(graph.get(), VEX3D_FORMAT_BITMAP, VEX3D_SCALE_NONE, 0, 0, 0, 0));
  EXPECT_TRUE(said.contains("no print server answers at " + path("no-server.sock"))) << said.all();
}

TEST_F(Printing, APagePrintedOnAPrivateServerShowsTheChart) {
  if (!external::have("cupsd") || !external::have("lpadmin") || !external::have("pdftoppm"))
    GTEST_SKIP() << "cupsd, lpadmin or pdftoppm is not installed";
  ASSERT_TRUE(start()) << "the private print server did not start";
  Vex3dSetValues(graph.get(), VEX3D_DEBUG, 1, 0);
  MessageCapture said;
  EXPECT_FALSE(Vex3dPrintOn(graph.get(), "nosuch", VEX3D_FORMAT_BITMAP, VEX3D_SCALE_NONE, 0, 0, 0, 0));
  EXPECT_TRUE(said.contains("no printer named nosuch")) << said.all();

  // The default destination; the chart at its own size in the page's corner.
  ASSERT_TRUE(Vex3dPrint(graph.get(), VEX3D_FORMAT_BITMAP, VEX3D_SCALE_NONE, 0, 0, 0, 0)) << said.all();
  const std::string job = job_file(1);
  ASSERT_TRUE(wait_for(job)) << "no job reached the capture queue";
  ASSERT_TRUE(wait_for(path("cups/jobs/job-1.title")));
  EXPECT_EQ(read(path("cups/jobs/job-1.title")), "Stock graphs\n");
  ASSERT_TRUE(external::run({"pdftoppm", "-png", "-r", "96", "-singlefile", "-x", "0", "-y", "0", "-W",
                             std::to_string(kWidth), "-H", std::to_string(kHeight), job, path("page")}));
  vex3d::platform::Bitmap page;
  ASSERT_TRUE(vex3d::platform::read_png(path("page.png"), page));
  EXPECT_LE(external::differing_share(reference->pixels(), page.view(), 48), 0.10);
}

std::string command_output(const std::string &command) {
  std::string out;
  if (FILE *p = popen(command.c_str(), "r")) {
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, p)) out += buffer;
    pclose(p);
  }
  return out;
}

// The abort dialog stands while the page prints; cancelling it before the
// job or while it is sent withdraws the job, and the next job prints.
TEST_F(Printing, CancellingTheAbortDialogWithdrawsTheJob) {
  if (!external::have("cupsd") || !external::have("lpadmin"))
    GTEST_SKIP() << "cupsd or lpadmin is not installed";
  ASSERT_TRUE(start()) << "the private print server did not start";
  HeadlessWindow window(kWidth, kHeight);
  ASSERT_TRUE(Vex3dAttachWindow(graph.get(), &window));
  Vex3dSetValues(graph.get(), VEX3D_DEBUG, 1, 0);
  MessageCapture said;
  // Asked first before the job is made, then before each piece is sent.
  for (const int question : {1, 2}) {
    window.cancel_printing_at(question);
    said.clear();
    EXPECT_FALSE(Vex3dPrint(graph.get(), VEX3D_FORMAT_BITMAP, VEX3D_SCALE_NONE, 0, 0, 0, 0)) << question;
    EXPECT_TRUE(said.contains("printing was cancelled")) << said.all();
    EXPECT_EQ(window.questions(), question);
    EXPECT_TRUE(window.ended_cancelled());
    EXPECT_EQ(window.printing(), "") << "the dialog is closed";
  }
  window.cancel_printing_at(0);
  ASSERT_TRUE(Vex3dPrint(graph.get(), VEX3D_FORMAT_BITMAP, VEX3D_SCALE_NONE, 0, 0, 0, 0)) << said.all();
  EXPECT_FALSE(window.ended_cancelled());
  EXPECT_GE(window.questions(), 2) << "asked before the job and before its piece";
  // The first cancel made no job; the second made job 1 and withdrew it, so
  // the page that printed is job 2, and nothing of job 1 reached the queue.
  ASSERT_TRUE(wait_for(job_file(2))) << "the job after the cancelled ones did not print";
  EXPECT_FALSE(std::filesystem::exists(job_file(1)));
  // Withdrawn, not left waiting for its document.
  EXPECT_EQ(command_output("lpstat -W not-completed -o"), "");
  Vex3dDetachWindow(graph.get());
}

}  // namespace
