// The one way files are written: whole or not at all, never over a device, a
// link or an input, failures named.
#include "output_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <thread>
#include <vector>

#include "scratch_dir.h"

namespace {

using vex3d::platform::OutputFile;
namespace fs = std::filesystem;

class OutputFileTest : public ScratchDir {
 protected:
  // Writes `text` to `target` through an OutputFile; the error, "" on success.
  static std::string put(const std::string &target, const std::string &text,
                         std::initializer_list<std::string> inputs = {}) {
    OutputFile out;
    if (out.open(target, inputs) && out.write(text) && out.commit()) return "";
    return out.error().empty() ? "failed without a reason" : out.error();
  }
  // The names in the scratch folder, to see that no temporary file is left.
  std::vector<std::string> names() const {
    std::vector<std::string> all;
    for (const auto &entry : fs::directory_iterator(dir())) all.push_back(entry.path().filename().string());
    std::sort(all.begin(), all.end());
    return all;
  }
  static mode_t mode_of(const std::string &path) {
    struct stat st {};
    lstat(path.c_str(), &st);
    return st.st_mode;
  }
};

// Runs `body` in a child process and returns its wait status.
int in_child(const std::function<void()> &body) {
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    body();
    _exit(0);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return status;
}

TEST_F(OutputFileTest, ANewFileHoldsEveryByteAndTheUsualPermissions) {
  const std::string big(3 << 16 | 123, 'x');  // larger than the buffer, not a multiple of it
  const std::string target = path("new.dat");
  OutputFile out;
  ASSERT_TRUE(out.open(target));
  EXPECT_TRUE(out.write("head "));
  EXPECT_TRUE(out.write(big));
  EXPECT_TRUE(out.write(" tail"));
  EXPECT_FALSE(fs::exists(target)) << "nothing is in place before the commit";
  ASSERT_TRUE(out.commit()) << out.error();
  EXPECT_EQ(read(target), "head " + big + " tail");
  const mode_t mask = umask(0);
  umask(mask);
  EXPECT_EQ(mode_of(target) & 07777, 0666 & ~mask);
  EXPECT_EQ(names(), std::vector<std::string>{"new.dat"});
}

TEST_F(OutputFileTest, AReplacedFileKeepsItsPermissions) {
  const std::string target = write("kept.png", "old");
  chmod(target.c_str(), 0640);
  ASSERT_EQ(put(target, "new"), "");
  EXPECT_EQ(read(target), "new");
  EXPECT_EQ(mode_of(target) & 07777, 0640u);
}

TEST_F(OutputFileTest, WithoutACommitTheOldFileStaysAndNoTemporaryIsLeft) {
  const std::string target = write("kept.png", "old contents");
  const std::vector<std::string> before = names();
  {
    OutputFile out;
    ASSERT_TRUE(out.open(target));
    out.write("half of a picture");
  }
  EXPECT_EQ(read(target), "old contents");
  EXPECT_EQ(names(), before);
  OutputFile failed;
  ASSERT_TRUE(failed.open(target));
  failed.write("half");
  failed.fail("the encoder gave up");
  EXPECT_FALSE(failed.write("more")) << "a failure is sticky";
  failed.fail("a later reason");
  EXPECT_FALSE(failed.commit());
  EXPECT_EQ(failed.error(), "the encoder gave up") << "the first cause is the one reported";
  EXPECT_EQ(read(target), "old contents");
  EXPECT_EQ(names(), before);
}

TEST_F(OutputFileTest, DevicesAndFifosAreWrittenDirectly) {
  ASSERT_EQ(put("/dev/null", "nothing"), "");
  EXPECT_TRUE(S_ISCHR(mode_of("/dev/null")));

  // A device node of its own (needs the right to make one).
  const std::string device = path("null");
  if (mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
    ASSERT_EQ(put(device, "nothing"), "");
    EXPECT_TRUE(S_ISCHR(mode_of(device))) << "the device stays a device";
  }

  const std::string fifo = path("pipe");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::string received;
  std::thread reader([&] { received = read(fifo); });
  EXPECT_EQ(put(fifo, "through the pipe"), "");
  reader.join();
  EXPECT_EQ(received, "through the pipe");
  EXPECT_TRUE(S_ISFIFO(mode_of(fifo)));
}

TEST_F(OutputFileTest, AnOpenFileNamedThroughProcIsWrittenInPlace) {
  // /proc/self/fd/N is a link whose text ("/memfd:... (deleted)") names no
  // path: following it by hand would create a stray file of that name.
  const int fd = memfd_create("output-file-test", 0);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::write(fd, "old contents, longer", 20), 20);
  const std::string name = "/proc/self/fd/" + std::to_string(fd);
  char text[PATH_MAX] = {};
  ASSERT_GT(readlink(name.c_str(), text, sizeof text - 1), 0);
  EXPECT_EQ(put(name, "new"), "");
  char back[32] = {};
  EXPECT_EQ(pread(fd, back, sizeof back, 0), 3) << "written in place and truncated";
  EXPECT_STREQ(back, "new");
  EXPECT_FALSE(fs::exists(text)) << "no file made under the link's text";
  close(fd);
}

TEST_F(OutputFileTest, LinksAreFollowedAndStayLinks) {
  fs::create_directory(path("real"));
  const std::string target = write("real/chart.png", "old");
  chmod(target.c_str(), 0600);
  const struct {
    const char *what, *link, *points_to;
  } cases[] = {
      {"an absolute link", "abs.png", nullptr},
      {"a relative link", "rel.png", "real/chart.png"},
      {"a chain of links", "chain.png", "rel.png"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_EQ(symlink(c.points_to ? c.points_to : target.c_str(), path(c.link).c_str()), 0);
    ASSERT_EQ(put(path(c.link), c.what), "");
    EXPECT_TRUE(S_ISLNK(mode_of(path(c.link))));
    EXPECT_EQ(read(target), c.what);
    EXPECT_EQ(mode_of(target) & 07777, 0600u);
  }
  ASSERT_EQ(symlink("/dev/null", path("to-null").c_str()), 0);
  ASSERT_EQ(put(path("to-null"), "nothing"), "");
  EXPECT_TRUE(S_ISLNK(mode_of(path("to-null"))));
  EXPECT_TRUE(S_ISCHR(mode_of("/dev/null")));

  ASSERT_EQ(symlink("real/created.png", path("dangling.png").c_str()), 0);
  ASSERT_EQ(put(path("dangling.png"), "made"), "");
  EXPECT_EQ(read(path("real/created.png")), "made");

  ASSERT_EQ(symlink("loop-b", path("loop-a").c_str()), 0);
  ASSERT_EQ(symlink("loop-a", path("loop-b").c_str()), 0);
  EXPECT_EQ(put(path("loop-a"), "x"), std::strerror(ELOOP));
  EXPECT_EQ(names(), (std::vector<std::string>{"abs.png", "chain.png", "dangling.png", "loop-a", "loop-b", "real",
                                               "rel.png", "to-null"}));
}

TEST_F(OutputFileTest, RefusalsNameTheirCause) {
  fs::create_directory(path("folder"));
  const std::string input = write("input.dat", "GRID 2 2\n");
  ASSERT_EQ(link(input.c_str(), path("hard-link.dat").c_str()), 0);
  ASSERT_EQ(symlink("input.dat", path("soft-link.dat").c_str()), 0);
  const struct {
    const char *what;
    std::string target, cause;
  } cases[] = {
      {"a directory", path("folder"), "is a directory"},
      {"a name ending in a slash", path("missing/"), "is a directory"},
      {"a missing folder", path("missing/x.png"), std::strerror(ENOENT)},
      {"an empty name", "", std::strerror(ENOENT)},
      {"the input itself", input, "is also an input"},
      {"the input by a hard link", path("hard-link.dat"), "is also an input"},
      {"the input by a symbolic link", path("soft-link.dat"), "is also an input"},
      {"the input by another spelling", dir() + "/./folder/../input.dat", "is also an input"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(put(c.target, "replaced", {input}), c.cause);
  }
  EXPECT_EQ(read(input), "GRID 2 2\n");
  EXPECT_EQ(names(), (std::vector<std::string>{"folder", "hard-link.dat", "input.dat", "soft-link.dat"}));
}

TEST_F(OutputFileTest, AFullDiskAndAFileSizeLimitAreReportedAndKeepTheOldFile) {
  EXPECT_EQ(put("/dev/full", std::string(10, 'x')), std::strerror(ENOSPC)) << "a failure at the commit's flush";
  EXPECT_EQ(put("/dev/full", std::string(1 << 20, 'x')), std::strerror(ENOSPC)) << "a failure in a write";

  const std::string target = write("limited.dat", "old");
  const int status = in_child([&] {
    const rlimit limit{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &limit);
    _exit(put(target, std::string(1 << 20, 'x')) == std::strerror(EFBIG) ? 0 : 1);
  });
  ASSERT_TRUE(WIFEXITED(status)) << "the limit must not end the process";
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the cause is named";
  EXPECT_EQ(read(target), "old");
  EXPECT_EQ(names(), std::vector<std::string>{"limited.dat"});
}

TEST_F(OutputFileTest, AnInterruptedWriteLeavesNoTemporaryFile) {
  const std::string target = write("chart.png", "old");
  for (int signal_number : {SIGINT, SIGTERM}) {
    SCOPED_TRACE(signal_number);
    const int status = in_child([&] {
      OutputFile out;
      if (!out.open(target)) _exit(1);
      out.write(std::string(1 << 20, 'x'));
      std::raise(signal_number);
      _exit(2);
    });
    ASSERT_TRUE(WIFSIGNALED(status)) << "the signal still ends the process";
    EXPECT_EQ(WTERMSIG(status), signal_number);
    EXPECT_EQ(read(target), "old");
    EXPECT_EQ(names(), std::vector<std::string>{"chart.png"});
  }
}

TEST_F(OutputFileTest, ConcurrentWritersOfOneNameLeaveOneWholeFile) {
  const std::string target = path("same.png");
  constexpr int kWriters = 4;
  constexpr std::size_t kSize = 1 << 20;
  std::vector<std::string> errors(kWriters);
  std::vector<std::thread> writers;
  for (int w = 0; w < kWriters; ++w)
    writers.emplace_back([&, w] {
      OutputFile out;
      if (!out.open(target)) return void(errors[std::size_t(w)] = out.error());
      const std::string piece(4096, char('a' + w));
      for (std::size_t n = 0; n < kSize; n += piece.size()) out.write(piece);
      if (!out.commit()) errors[std::size_t(w)] = out.error();
    });
  for (auto &t : writers) t.join();
  for (const std::string &e : errors) EXPECT_EQ(e, "");
  const std::string result = read(target);
  ASSERT_EQ(result.size(), kSize);
  EXPECT_EQ(result.find_first_not_of(result[0]), std::string::npos) << "the bytes of one writer only";
  EXPECT_EQ(names(), std::vector<std::string>{"same.png"});
}

TEST_F(OutputFileTest, NamesUpToTheSystemLimitWork) {
  const std::string longest(NAME_MAX, 'n');
  ASSERT_EQ(put(path(longest), "long"), "");
  EXPECT_EQ(read(path(longest)), "long");
  ASSERT_EQ(put(path(longest), "again"), "") << "replacing it too";
  EXPECT_EQ(read(path(longest)), "again");
  EXPECT_EQ(names(), std::vector<std::string>{longest});
}

TEST_F(OutputFileTest, StandardOutputIsWrittenAndNotClosed) {
  const std::string captured = path("stdout.txt");
  const int status = in_child([&] {
    const int fd = ::open(captured.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(fd, STDOUT_FILENO);
    OutputFile out;
    out.open_standard_output();
    out.write("picture bytes");
    if (!out.commit()) _exit(1);
    _exit(::write(STDOUT_FILENO, "|still open", 11) == 11 ? 0 : 2);
  });
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(read(captured), "picture bytes|still open");
}

TEST_F(OutputFileTest, WithoutWritePermissionTheCauseIsNamed) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
  fs::create_directory(path("locked"));
  chmod(path("locked").c_str(), 0500);
  EXPECT_EQ(put(path("locked/x.png"), "x"), std::strerror(EACCES));
  chmod(path("locked").c_str(), 0700);
}

}  // namespace
