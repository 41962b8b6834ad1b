#include "file_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vex3d {
namespace {

bool write_all(int fd, std::initializer_list<std::span<const std::uint8_t>> pieces, std::size_t chunk,
               std::string &error) {
  for (const auto piece : pieces) {
    for (std::size_t at = 0; at < piece.size();) {
      const std::size_t n = std::min(chunk, piece.size() - at);
      const ssize_t done = ::write(fd, piece.data() + at, n);
      if (done < 0 && errno == EINTR) continue;
      if (done <= 0) {
        error = done < 0 ? std::strerror(errno) : "nothing written";
        return false;
      }
      at += static_cast<std::size_t>(done);
    }
  }
  return true;
}

}  // namespace

bool write_file_whole(const char *path, std::initializer_list<std::span<const std::uint8_t>> pieces, std::size_t chunk,
                      std::string &error) {
  if (!path || !*path) {
    error = "no file name";
    return false;
  }
  chunk = std::max<std::size_t>(chunk, 1);
  struct stat st {};
  if (::stat(path, &st) == 0 && !S_ISREG(st.st_mode)) {
    if (S_ISDIR(st.st_mode)) {
      error = "it is a folder";
      return false;
    }
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
      error = std::strerror(errno);
      return false;
    }
    bool ok = write_all(fd, pieces, chunk, error);
    if (::close(fd) != 0 && ok) {
      error = std::strerror(errno);
      ok = false;
    }
    return ok;
  }
  std::string temporary = std::string(path) + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) {
    error = std::strerror(errno);
    return false;
  }
  bool ok = write_all(fd, pieces, chunk, error);
  if (ok && ::fsync(fd) != 0) error = std::strerror(errno), ok = false;
  if (::close(fd) != 0 && ok) error = std::strerror(errno), ok = false;
  // mkstemp makes the file private; a picture is as readable as any new file.
  if (ok) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(temporary.c_str(), 0666 & ~mask);
  }
  if (ok && std::rename(temporary.c_str(), path) != 0) error = std::strerror(errno), ok = false;
  if (!ok) std::remove(temporary.c_str());
  return ok;
}

}  // namespace vex3d
