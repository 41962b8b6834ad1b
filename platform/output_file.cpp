// Writing through a temporary file renamed into place (see output_file.h).
// The folder is held open and every step uses the *at calls on it, so the
// temporary's name never has to fit beside a long path, and a folder renamed
// meanwhile does not send the rename elsewhere.
#include "output_file.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <mutex>

namespace vex3d::platform {

struct PendingFile {
  int dir_fd;
  char name[NAME_MAX + 1];
};

namespace {

constexpr std::size_t kBufferSize = std::size_t(1) << 16;
// The kernel's own limit on a chain of symbolic links.
constexpr int kMaxLinks = 40;
// ".", NAME cut to fit, ".", six random characters.
constexpr std::size_t kRandomLength = 6;
constexpr std::size_t kTemporaryExtra = 2 + kRandomLength;
constexpr int kNameAttempts = 100;
// Temporary files the signal handler knows about; beyond this many open at
// once, the rest are removed only by their owners.
constexpr int kPendingSlots = 64;
constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Written by OutputFile objects, read by the signal handler: every entry is
// complete before it is published and unpublished before it is freed.
std::atomic<PendingFile *> g_pending[kPendingSlots];

extern "C" void on_stop_signal(int signal_number) {
  remove_unfinished_files();
  std::signal(signal_number, SIG_DFL);
  std::raise(signal_number);
}

void install_signal_handlers() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (int s : kStopSignals) {
      struct sigaction old {};
      if (sigaction(s, nullptr, &old) != 0 || old.sa_handler != SIG_DFL || (old.sa_flags & SA_SIGINFO)) continue;
      struct sigaction now {};
      now.sa_handler = on_stop_signal;
      sigemptyset(&now.sa_mask);
      sigaction(s, &now, nullptr);
    }
    struct sigaction old {};
    if (sigaction(SIGXFSZ, nullptr, &old) == 0 && old.sa_handler == SIG_DFL && !(old.sa_flags & SA_SIGINFO))
      std::signal(SIGXFSZ, SIG_IGN);
  });
}

void publish(PendingFile *p) {
  for (auto &slot : g_pending) {
    PendingFile *empty = nullptr;
    if (slot.compare_exchange_strong(empty, p)) return;
  }
}

void unpublish(PendingFile *p) {
  for (auto &slot : g_pending) {
    PendingFile *mine = p;
    if (slot.compare_exchange_strong(mine, nullptr)) return;
  }
}

// The folder part and the name part of a path ("." for a bare name).
std::string folder_of(const std::string &path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}
std::string name_of(const std::string &path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Follows symbolic links from `path` until it names something that is not a
// link or does not exist; false with errno set on a loop or an unreadable link.
bool follow_links(std::string &path) {
  for (int k = 0; k < kMaxLinks; ++k) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) return errno == ENOENT || errno == ENOTDIR ? (errno = 0, true) : false;
    if (!S_ISLNK(st.st_mode)) return true;
    std::string text(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1, '\0');
    const ssize_t n = readlink(path.c_str(), text.data(), text.size());
    if (n < 0) return false;
    text.resize(static_cast<std::size_t>(n));
    path = !text.empty() && text[0] == '/' ? text : folder_of(path) + "/" + text;
  }
  errno = ELOOP;
  return false;
}

// Six characters from [0-9a-z] for a temporary name.
void random_suffix(char *out) {
  static std::atomic<unsigned> counter{0};
  unsigned char bytes[kRandomLength];
  if (getrandom(bytes, sizeof bytes, GRND_NONBLOCK) != ssize_t(sizeof bytes)) {
    const unsigned mix =
        (unsigned(getpid()) * 2654435761u) ^ counter.fetch_add(1) ^ unsigned(reinterpret_cast<std::uintptr_t>(out));
    for (std::size_t k = 0; k < kRandomLength; ++k) bytes[k] = static_cast<unsigned char>(mix >> (k * 5));
  }
  static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  for (std::size_t k = 0; k < kRandomLength; ++k) out[k] = kDigits[bytes[k] % 36];
}

bool write_all(int fd, const char *data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) return errno = EIO, false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

bool same_file(const std::string &a, const std::string &b) {
  struct stat sa, sb;
  return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

void remove_unfinished_files() noexcept {
  for (auto &slot : g_pending)
    if (const PendingFile *p = slot.load()) unlinkat(p->dir_fd, p->name, 0);
}

OutputFile::~OutputFile() { discard(); }

bool OutputFile::fail_errno() {
  fail(std::strerror(errno ? errno : EIO));
  return false;
}

void OutputFile::fail(const std::string &reason) {
  if (ok_ || error_.empty()) error_ = reason;
  ok_ = false;
}

bool OutputFile::open_standard_output() {
  discard();
  std::fflush(stdout);  // what the program printed before comes first
  fd_ = STDOUT_FILENO;
  owns_fd_ = false;
  buffer_.resize(kBufferSize);
  ok_ = true;
  error_.clear();
  return true;
}

bool OutputFile::open(const std::string &path, std::span<const std::string> inputs) {
  discard();
  ok_ = true;
  error_.clear();
  if (path.empty()) return errno = ENOENT, fail_errno();
  install_signal_handlers();
  std::string target = path;
  if (!follow_links(target)) return fail_errno();
  struct stat st;
  const bool exists = stat(target.c_str(), &st) == 0;
  // A link the kernel resolves by itself (/proc/self/fd/N names an open file,
  // not a path) is written in place: its text names nothing to rename over.
  struct stat through;
  if (target != path && stat(path.c_str(), &through) == 0 &&
      (!exists || through.st_dev != st.st_dev || through.st_ino != st.st_ino)) {
    buffer_.resize(kBufferSize);
    fd_ = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) return fail_errno();
    owns_fd_ = true;
    return true;
  }
  if ((exists && S_ISDIR(st.st_mode)) || target.back() == '/') {
    fail("is a directory");
    return false;
  }
  for (const std::string &input : inputs)
    if (exists && same_file(target, input)) {
      fail("is also an input");
      return false;
    }
  buffer_.resize(kBufferSize);
  if (exists && !S_ISREG(st.st_mode)) {
    fd_ = ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) return fail_errno();
    owns_fd_ = true;
    return true;
  }

  dir_fd_ = ::open(folder_of(target).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (dir_fd_ < 0) return fail_errno();
  target_ = name_of(target);
  auto *pending = new PendingFile{dir_fd_, {}};
  const std::string stem = "." + target_.substr(0, NAME_MAX - kTemporaryExtra) + ".";
  for (int attempt = 0; attempt < kNameAttempts && fd_ < 0; ++attempt) {
    std::memcpy(pending->name, stem.data(), stem.size());
    random_suffix(pending->name + stem.size());
    pending->name[stem.size() + kRandomLength] = '\0';
    fd_ = openat(dir_fd_, pending->name, O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, exists ? 0600 : 0666);
    if (fd_ < 0 && errno != EEXIST) break;
  }
  if (fd_ < 0) {
    const int cause = errno;
    delete pending;
    errno = cause;
    return fail_errno();
  }
  owns_fd_ = true;
  temporary_ = pending->name;
  pending_ = pending;
  publish(pending_);
  if (exists) {
    // The replacement keeps the old file's permissions; its owner where the
    // process may give it (root), else the writer's.
    if (fchmod(fd_, st.st_mode & 07777) != 0) return fail_errno();
    if (fchown(fd_, st.st_uid, st.st_gid) != 0) errno = 0;
  }
  return true;
}

bool OutputFile::write(const void *data, std::size_t size) {
  if (!ok_) return false;
  const char *bytes = static_cast<const char *>(data);
  if (used_ + size > buffer_.size()) {
    if (!flush()) return false;
    if (size >= buffer_.size()) return write_all(fd_, bytes, size) || fail_errno();
  }
  std::memcpy(buffer_.data() + used_, bytes, size);
  used_ += size;
  return true;
}

bool OutputFile::flush() {
  if (!ok_) return false;
  const std::size_t n = used_;
  used_ = 0;
  return write_all(fd_, buffer_.data(), n) || fail_errno();
}

bool OutputFile::commit() {
  if (!ok_ || !flush()) {
    discard();
    return false;
  }
  if (owns_fd_) {
    const int fd = fd_;
    fd_ = -1;
    if (close(fd) != 0 && errno != EINTR) {
      fail_errno();
      discard();
      return false;
    }
  }
  if (pending_ && renameat(dir_fd_, temporary_.c_str(), dir_fd_, target_.c_str()) != 0) {
    fail_errno();
    discard();
    return false;
  }
  if (pending_) {
    unpublish(pending_);
    delete pending_;
    pending_ = nullptr;
  }
  discard();  // closes what is left; nothing is removed any more
  ok_ = true;
  error_.clear();
  return true;
}

void OutputFile::discard() {
  if (owns_fd_ && fd_ >= 0) close(fd_);
  fd_ = -1;
  owns_fd_ = false;
  if (pending_) {
    unpublish(pending_);
    unlinkat(dir_fd_, temporary_.c_str(), 0);
    delete pending_;
    pending_ = nullptr;
  }
  if (dir_fd_ >= 0) close(dir_fd_);
  dir_fd_ = -1;
  temporary_.clear();
  target_.clear();
  used_ = 0;
  if (ok_) error_ = "not open";
  ok_ = false;
}

}  // namespace vex3d::platform
