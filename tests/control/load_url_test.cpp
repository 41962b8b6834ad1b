// LoadURL and DataPath against a local HTTP server that the test starts:
// success, 404, a stalled server, a response over the size limit, file URLs;
// no temporary file is ever left behind.
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "3dctl.h"

extern char **environ;

namespace tc3d {
namespace {

class HttpServer {
 public:
  HttpServer() {
    int out[2];
    if (::pipe(out) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const std::string script = TORVANE3D_HTTP_FIXTURE;
    char *argv[] = {const_cast<char *>("/usr/bin/python3"), const_cast<char *>(script.c_str()), nullptr};
    if (posix_spawn(&pid_, "/usr/bin/python3", &actions, nullptr, argv, environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    FILE *f = ::fdopen(out[0], "r");
    if (f && std::fscanf(f, "%d", &port_) != 1) port_ = 0;
    if (f) std::fclose(f);
  }
  ~HttpServer() {
    if (pid_ > 0) {
      ::kill(pid_, SIGTERM);
      ::waitpid(pid_, nullptr, 0);
    }
  }
  int port() const { return port_; }
  std::string url(const char *path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }

 private:
  pid_t pid_ = -1;
  int port_ = 0;
};

// A private temporary directory for the downloads, checked empty at the end.
struct PrivateTmp {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / ("tc3d-url-test-" + std::to_string(::getpid()));
  std::string saved;
  bool had;
  PrivateTmp() {
    std::filesystem::create_directories(dir);
    had = std::getenv("TMPDIR");
    if (had) saved = std::getenv("TMPDIR");
    setenv("TMPDIR", dir.c_str(), 1);
  }
  ~PrivateTmp() {
    if (had)
      setenv("TMPDIR", saved.c_str(), 1);
    else
      unsetenv("TMPDIR");
    std::filesystem::remove_all(dir);
  }
  bool empty() const { return std::filesystem::is_empty(dir); }
};

struct Loads {
  std::vector<std::string> contents;
  std::vector<bool> batched;
  std::vector<std::string> files;
};

std::shared_ptr<Chart3D> chart_recording(Loads &loads, std::shared_ptr<Host> host = nullptr) {
  auto chart = Chart3D::create(std::move(host));
  chart->set_saved_chart_loader([&loads](Chart3D &c, const std::string &file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    loads.contents.push_back(s.str());
    loads.batched.push_back(c.IsBatched());
    loads.files.push_back(file);
    return true;
  });
  return chart;
}

TEST(LoadURL, SuccessLoadsTheFileBatchedAndDeletesIt) {
  HttpServer server;
  ASSERT_GT(server.port(), 0);
  PrivateTmp tmp;
  Loads loads;
  auto host = std::make_shared<HeadlessHost>();
  auto chart = chart_recording(loads, host);
  EXPECT_TRUE(chart->LoadURL(server.url("/chart.tc3")));
  ASSERT_EQ(loads.contents.size(), 1u);
  EXPECT_EQ(loads.contents[0], "saved chart bytes\n");
  EXPECT_TRUE(loads.batched[0]);
  EXPECT_EQ(std::filesystem::path(loads.files[0]).parent_path(), tmp.dir);
  EXPECT_FALSE(chart->IsBatched());
  EXPECT_TRUE(tmp.empty());
  EXPECT_EQ(host->wait_cursor_uses(), 1);
  EXPECT_EQ(host->wait_cursor_depth(), 0);
  // Redirects are followed; DataPath keeps a URL that loaded.
  chart->put_DataPath(server.url("/redirect"));
  EXPECT_EQ(chart->DataPath(), server.url("/redirect"));
  EXPECT_EQ(loads.contents.size(), 2u);
  EXPECT_TRUE(tmp.empty());
}

TEST(LoadURL, FailuresReturnFalseAndLeaveNothing) {
  HttpServer server;
  ASSERT_GT(server.port(), 0);
  PrivateTmp tmp;
  Loads loads;
  auto chart = chart_recording(loads);
  chart->set_download_limits(DownloadLimits{1, 5, 1 << 20});
  chart->put_DataPath(server.url("/chart.tc3"));
  const std::string good = chart->DataPath();
  struct Case {
    const char *what;
    std::string url;
  };
  const Case cases[] = {
      {"404", server.url("/missing")},
      {"stalled", server.url("/stall")},
      {"over the size limit", server.url("/huge")},
      {"refused connection", "http://127.0.0.1:1/chart.tc3"},
      {"unsupported scheme", "ftp://127.0.0.1/chart.tc3"},
      {"not a URL", "::::"},
      {"missing file", "file:///nonexistent/chart.tc3"},
  };
  for (const Case &c : cases) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(chart->LoadURL(c.url)) << c.what;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20)) << c.what;
    EXPECT_TRUE(tmp.empty()) << c.what;
  }
  // DataPath keeps the last URL that loaded.
  chart->put_DataPath(server.url("/missing"));
  EXPECT_EQ(chart->DataPath(), good);
  EXPECT_EQ(loads.contents.size(), 1u);
  EXPECT_FALSE(chart->IsBatched());
}

TEST(LoadURL, FileURLs) {
  PrivateTmp tmp;
  const auto source =
      std::filesystem::temp_directory_path().parent_path() / ("tc3d-source-" + std::to_string(::getpid()));
  std::ofstream(source) << "from a file";
  Loads loads;
  auto chart = chart_recording(loads);
  EXPECT_TRUE(chart->LoadURL("file://" + source.string()));
  ASSERT_EQ(loads.contents.size(), 1u);
  EXPECT_EQ(loads.contents[0], "from a file");
  std::filesystem::remove(source);
  EXPECT_TRUE(tmp.empty());
}

TEST(LoadURL, AnEmptyURLReturnsFalseWithoutAnyTransfer) {
  PrivateTmp tmp;
  Loads loads;
  auto host = std::make_shared<HeadlessHost>();
  auto chart = chart_recording(loads, host);
  EXPECT_FALSE(chart->LoadURL(""));
  EXPECT_EQ(host->wait_cursor_uses(), 0);  // it returned before anything began
  EXPECT_TRUE(loads.contents.empty());
  EXPECT_TRUE(tmp.empty());
}

TEST(LoadURL, AReentrantLoadReturnsFalse) {
  HttpServer server;
  ASSERT_GT(server.port(), 0);
  std::vector<bool> inner;
  auto chart = Chart3D::create();
  const std::string url = server.url("/chart.tc3");
  chart->set_saved_chart_loader([&](Chart3D &c, const std::string &) {
    inner.push_back(c.LoadURL(url));  // while the outer load runs
    return true;
  });
  EXPECT_TRUE(chart->LoadURL(url));
  EXPECT_EQ(inner, std::vector<bool>{false});
}

}  // namespace
}  // namespace tc3d
