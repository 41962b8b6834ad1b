// Downloading a URL into a temporary file (libcurl): http, https and file
// URLs only, a limited number of redirects, no progress for `stall_seconds`
// or more than `total_seconds` in all ends the transfer, and a response
// larger than `max_bytes` is refused. The temporary file is removed when its
// owner goes, whatever happened.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace tc3d {

struct DownloadLimits {
  long stall_seconds = 10;
  long total_seconds = 60;
  std::uint64_t max_bytes = std::uint64_t{256} << 20;
};

class TemporaryFile {
 public:
  explicit TemporaryFile(std::filesystem::path path) : path_(std::move(path)) {}
  TemporaryFile(TemporaryFile &&other) noexcept : path_(std::move(other.path_)) { other.path_.clear(); }
  TemporaryFile(const TemporaryFile &) = delete;
  TemporaryFile &operator=(const TemporaryFile &) = delete;
  ~TemporaryFile();
  const std::filesystem::path &path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The downloaded file in the platform's temporary directory, or none (with
// the reason in `error` when given).
std::optional<TemporaryFile> download(const std::string &url, const DownloadLimits &limits, std::string *error);

}  // namespace tc3d
