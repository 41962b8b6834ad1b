// Hands a fuzz input to a reader that takes a file name: the bytes are
// written to one scratch file, rewritten for every input.
#pragma once

#include <unistd.h>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

class ScratchFile {
 public:
  ScratchFile() {
    // In memory when possible: a disk file truncated and rewritten for every
    // input is flushed to the disk each time.
    for (const char *folder : {"/dev/shm", "/tmp"}) {
      std::string name = std::string(folder) + "/torvane3d-fuzz-XXXXXX";
      fd_ = mkstemp(name.data());
      if (fd_ >= 0) {
        name_ = name;
        return;
      }
    }
    std::abort();
  }
  ~ScratchFile() {
    close(fd_);
    unlink(name_.c_str());
  }
  // The file now holds exactly these bytes.
  const char *hold(const std::uint8_t *data, std::size_t size) {
    if (ftruncate(fd_, 0) != 0 || pwrite(fd_, data, size, 0) != static_cast<ssize_t>(size)) std::abort();
    return name_.c_str();
  }
  const char *name() const { return name_.c_str(); }

 private:
  int fd_ = -1;
  std::string name_;
};
