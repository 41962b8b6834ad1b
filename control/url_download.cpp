#include "url_download.h"

#include <curl/curl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <mutex>
#include <vector>

namespace tc3d {
namespace {

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
  static std::once_flag curl_started;
  std::call_once(curl_started, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });

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

  std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), &curl_easy_cleanup);
  if (!curl) {
    ::close(fd);
    set_error(error, "cannot start a transfer");
    return std::nullopt;
  }
  CURL *c = curl.get();
  curl_easy_setopt(c, CURLOPT_URL, url.c_str());
  curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https,file");
  curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(c, CURLOPT_MAXREDIRS, kMaxRedirects);
  curl_easy_setopt(c, CURLOPT_FAILONERROR, 1L);
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(c, CURLOPT_FORBID_REUSE, 1L);  // no caching of the connection
  curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, limits.stall_seconds);
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, kStallBytesPerSecond);
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, limits.stall_seconds);
  curl_easy_setopt(c, CURLOPT_TIMEOUT, limits.total_seconds);
  curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.max_bytes));
  curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, write_to_file);
  curl_easy_setopt(c, CURLOPT_WRITEDATA, &sink);
  const CURLcode result = curl_easy_perform(c);
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
    set_error(error, curl_easy_strerror(result));
    return std::nullopt;
  }
  return file;
}

}  // namespace tc3d
