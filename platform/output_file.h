// The one way the system writes a file: whole or not at all.
//
// Every writer (pictures, data, levels and styles files, exports) puts its
// bytes into an OutputFile and commits it at the end:
//
//   vex3d::platform::OutputFile out;
//   if (!out.open(path, {input_a, input_b})) return report(out.error());
//   out.write(bytes, size);  // as often as needed; false once anything failed
//   ...                      // (the failure is sticky: later writes do nothing)
//   if (!out.commit()) return report(out.error());
//
// An encoder that gives up on its own calls out.fail("reason") or simply
// lets the OutputFile go: without a successful commit() the target is left
// exactly as it was and the temporary file is removed. write() fits any
// callback interface (libpng's write function, cairo's stream function).
//
// What the target can be:
// - a regular file, or a name not yet taken: the bytes go to a uniquely
//   named temporary file beside it (".NAME.XXXXXX", so two writers of one
//   name never share it), renamed over it by commit() once every write and
//   the close succeeded. A replaced file keeps its permission bits (and its
//   owner, where the process may set it); a new one gets 0666 less the umask.
//   Hard links to the old file keep the old contents.
// - an existing file that is not a regular file (a terminal, /dev/null, a
//   FIFO): written directly.
// - a symbolic link: followed, through chains of links, to the file it
//   names, which is then written as above (the link stays a link; a dangling
//   link gets its target created).
// - a directory: refused ("is a directory").
// - the process's standard output: open_standard_output() (hosts map "-" to it).
// A target that is the same file as one of the `inputs` given to open() is
// refused before anything is written, whatever names lead to it.
//
// Failures read as the cause: "No space left on device", "File too large",
// "Permission denied", "is a directory", "is also an input"; callers put the
// file's name in front. SIGINT, SIGTERM and SIGHUP remove the temporary files
// of every OutputFile still open before the process ends (where those signals
// are still at their default action; a host with its own handlers calls
// remove_unfinished_files() from them). SIGXFSZ is ignored once an
// OutputFile is opened, so that a file-size limit shows as "File too large"
// instead of ending the process.
//
// One OutputFile is used by one thread; different ones may work at once.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vex3d::platform {

struct PendingFile;  // a temporary file as the signal handler knows it

class OutputFile {
 public:
  OutputFile() = default;
  OutputFile(const OutputFile &) = delete;
  OutputFile &operator=(const OutputFile &) = delete;
  // Without a successful commit(), discards the bytes and removes the
  // temporary file.
  ~OutputFile();

  // Prepares to write `path`; false with error() set when it cannot be
  // written (missing folder, no permission, a directory, an input).
  bool open(const std::string &path, std::span<const std::string> inputs = {});
  bool open(const std::string &path, std::initializer_list<std::string> inputs) {
    return open(path, std::span<const std::string>(inputs.begin(), inputs.size()));
  }
  // Writes to the process's standard output (which is neither closed nor
  // replaced).
  bool open_standard_output();

  // Appends bytes; false when this or an earlier step failed.
  bool write(const void *data, std::size_t size);
  bool write(std::string_view text) { return write(text.data(), text.size()); }

  // Marks the output failed with the writer's own reason; nothing will be
  // committed.
  void fail(const std::string &reason);

  // Writes out what is buffered, closes the file and moves it into place;
  // false (target unchanged) when anything failed on the way.
  bool commit();

  bool ok() const { return ok_; }
  // The cause of the first failure, "" while all is well.
  const std::string &error() const { return error_; }

 private:
  bool flush();
  bool fail_errno();
  void discard();

  int fd_ = -1;
  bool owns_fd_ = false;
  int dir_fd_ = -1;                 // the target's folder, for a temporary file
  std::string temporary_, target_;  // names inside that folder
  PendingFile *pending_ = nullptr;  // the temporary file's entry for the signal handler
  std::vector<char> buffer_;
  std::size_t used_ = 0;
  bool ok_ = false;
  std::string error_ = "not open";
};

// True when both names lead to one existing file (through links too).
bool same_file(const std::string &a, const std::string &b);

// Removes the temporary files of every unfinished OutputFile; safe to call
// from a signal handler.
void remove_unfinished_files() noexcept;

}  // namespace vex3d::platform
