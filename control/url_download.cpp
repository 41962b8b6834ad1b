#include "url_download.h"

// The calls are checked by their declarations, not by the header's macros.
#define CURL_DISABLE_TYPECHECK
#include <curl/curl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <mutex>
#include <vector>

#include "late_library.h"

namespace tc3d {
namespace {

// libcurl is opened at the first download (late_library.h).
#define TORVANE3D_CURL_FUNCTIONS(F) \
  F(curl_global_init) F(curl_easy_init) F(curl_easy_cleanup) F(curl_easy_setopt) F(curl_easy_perform) \
  F(curl_easy_strerror)
struct Curl {
  TORVANE3D_CURL_FUNCTIONS(VEX3D_LATE_FUNCTION)
};

const Curl *load_curl(std::string &error) {
  static const vex3d::LateLibrary<Curl> library("libcurl.so.4", [](void *handle, Curl &table) {
    return TORVANE3D_CURL_FUNCTIONS(VEX3D_LATE_LOAD) true;
  });
  return library.table(error);
}

constexpr long kMaxRedirects = 5;
// Below this many bytes a second for stall_seconds, the transfer has stalled.
constexpr long kStallBytesPerSecond = 1;

struct Sink {
  int fd;
  std::uint64_t written = 0, limit;
  bool too_large = false, write_failed = false;
};

std::size_t write_to_file(char *data, std::size_t size, std::size_t count, void *user) {
  auto &sink = *static_cast<Sink *>(user);
  const std::size_t n = size * count;
  if (sink.written + n > sink.limit) {
    sink.too_large = true;
    return 0;  // ends the transfer
  }
  std::size_t done = 0;
  while (done < n) {
    const ssize_t w = ::write(sink.fd, data + done, n - done);
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) {
      sink.write_failed = true;
      return 0;
    }
    done += static_cast<std::size_t>(w);
  }
  sink.written += n;
  return n;
}

void set_error(std::string *error, std::string text) {
  if (error) *error = std::move(text);
}

}  // namespace

TemporaryFile::~TemporaryFile() {
  if (path_.empty()) return;
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

std::optional<TemporaryFile> download(const std::string &url, const DownloadLimits &limits, std::string *error) {
  std::string why;
  const Curl *api = load_curl(why);
  if (!api) {
    set_error(error, "downloading needs libcurl, which cannot be loaded: " + why);
    return std::nullopt;
  }
  static std::once_flag curl_started;
  std::call_once(curl_started, [api] { api->curl_global_init(CURL_GLOBAL_DEFAULT); });

  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::temp_directory_path(ec);
  if (ec) {
    set_error(error, "no temporary directory");
    return std::nullopt;
  }
  std::string name = (folder / "torvane3d-url-XXXXXX").string();
  std::vector<char> templ(name.begin(), name.end());
  templ.push_back('\0');
  const int fd = ::mkstemp(templ.data());
  if (fd < 0) {
    set_error(error, std::string("cannot create a temporary file: ") + std::strerror(errno));
    return std::nullopt;
  }
  TemporaryFile file{std::filesystem::path(templ.data())};
  Sink sink{fd, 0, limits.max_bytes};

  std::unique_ptr<CURL, decltype(Curl::curl_easy_cleanup)> curl(api->curl_easy_init(), api->curl_easy_cleanup);
  if (!curl) {
    ::close(fd);
    set_error(error, "cannot start a transfer");
    return std::nullopt;
  }
  CURL *c = curl.get();
  api->curl_easy_setopt(c, CURLOPT_URL, url.c_str());
  api->curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https,file");
  api->curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  api->curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
  api->curl_easy_setopt(c, CURLOPT_MAXREDIRS, kMaxRedirects);
  api->curl_easy_setopt(c, CURLOPT_FAILONERROR, 1L);
  api->curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
  api->curl_easy_setopt(c, CURLOPT_FORBID_REUSE, 1L);  // no caching of the connection
  api->curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, limits.stall_seconds);
  api->curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, kStallBytesPerSecond);
  api->curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, limits.stall_seconds);
  api->curl_easy_setopt(c, CURLOPT_TIMEOUT, limits.total_seconds);
  api->curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.max_bytes));
  api->curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, write_to_file);
  api->curl_easy_setopt(c, CURLOPT_WRITEDATA, &sink);
  const CURLcode result = api->curl_easy_perform(c);
  const bool closed = ::close(fd) == 0;

  if (sink.too_large || result == CURLE_FILESIZE_EXCEEDED) {
    set_error(error, "the response is larger than " + std::to_string(limits.max_bytes) + " bytes");
    return std::nullopt;
  }
  if (sink.write_failed || !closed) {
    set_error(error, "the temporary file could not be written");
    return std::nullopt;
  }
  if (result != CURLE_OK) {
    set_error(error, api->curl_easy_strerror(result));
    return std::nullopt;
  }
  return file;
}

}  // namespace tc3d
