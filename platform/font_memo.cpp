#include "font_memo.h"

#include <dirent.h>
#include <fcntl.h>
#include <fontconfig/fontconfig.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "output_file.h"

namespace vex3d::platform {
namespace {

constexpr std::string_view kHeader = "torvane3d font choices 1";
constexpr std::string_view kFingerprintTag = "fingerprint ";
constexpr std::size_t kLargestMemo = 64 * 1024;
constexpr std::size_t kMostEntries = 256;
// A process that asks for font after font (a fuzzer, a font browser) writes
// the memo this many times, then remembers in memory only.
constexpr int kMostWrites = 8;
constexpr std::size_t kLongestText = 255;
constexpr int kFields = 12;
// Font folders are looked into this deep (Debian keeps a package's fonts
// two levels down), with at most this many folders in all.
constexpr int kFolderDepth = 2;
constexpr int kMostFolders = 1024;

// What fontconfig reads its configuration from, where it caches, where it
// finds fonts (relative to $HOME with "~/", to the XDG folders with their
// variable's name and a colon).
constexpr const char *kEnvironment[] = {"FONTCONFIG_FILE", "FONTCONFIG_PATH", "FONTCONFIG_SYSROOT", "HOME",
                                        "XDG_CONFIG_HOME", "XDG_DATA_HOME",   "XDG_CACHE_HOME"};
constexpr const char *kConfigurationPaths[] = {"/etc/fonts/fonts.conf",
                                               "/etc/fonts/conf.d",
                                               "/etc/fonts/local.conf",
                                               "XDG_CONFIG_HOME:fontconfig/fonts.conf",
                                               "XDG_CONFIG_HOME:fontconfig/conf.d",
                                               "~/.fonts.conf",
                                               "~/.fonts.conf.d",
                                               "/var/cache/fontconfig",
                                               "XDG_CACHE_HOME:fontconfig",
                                               "~/.fontconfig"};
constexpr const char *kFontFolders[] = {"/usr/share/fonts", "/usr/X11R6/lib/X11/fonts", "/usr/local/share/fonts",
                                        "XDG_DATA_HOME:fonts", "~/.fonts"};

std::string home() {
  const char *h = std::getenv("HOME");
  return h && *h == '/' ? h : "";
}

// An XDG folder: the variable when it names an absolute path, else its default under $HOME.
std::string xdg_folder(std::string_view variable) {
  const std::string name(variable);
  if (const char *v = std::getenv(name.c_str()); v && *v == '/') return v;
  const std::string h = home();
  if (h.empty()) return "";
  if (name == "XDG_CONFIG_HOME") return h + "/.config";
  if (name == "XDG_DATA_HOME") return h + "/.local/share";
  return h + "/.cache";
}

std::string expand(std::string_view path) {
  if (path.starts_with("~/")) {
    const std::string h = home();
    return h.empty() ? "" : h + std::string(path.substr(1));
  }
  if (const auto colon = path.find(':'); colon != std::string_view::npos) {
    const std::string base = xdg_folder(path.substr(0, colon));
    return base.empty() ? "" : base + "/" + std::string(path.substr(colon + 1));
  }
  return std::string(path);
}

struct Fingerprint {
  std::uint64_t hash = 0xcbf29ce484222325ull;  // FNV-1a
  void add(std::string_view text) {
    for (const unsigned char c : text) hash = (hash ^ c) * 0x100000001b3ull;
    hash = (hash ^ 0xFF) * 0x100000001b3ull;  // a separator no text holds
  }
  // A file or folder by its identity and times; absent ones count too.
  bool add_path(const std::string &path) {
    struct stat st {};
    add(path);
    if (path.empty() || stat(path.c_str(), &st) != 0) return add("-"), false;
    char text[160];
    std::snprintf(text, sizeof text, "%llu:%llu:%lld:%lld.%ld:%lld.%ld", static_cast<unsigned long long>(st.st_dev),
                  static_cast<unsigned long long>(st.st_ino), static_cast<long long>(st.st_size),
                  static_cast<long long>(st.st_mtim.tv_sec), st.st_mtim.tv_nsec,
                  static_cast<long long>(st.st_ctim.tv_sec), st.st_ctim.tv_nsec);
    add(text);
    return S_ISDIR(st.st_mode);
  }
  // A font folder and the folders in it, down to kFolderDepth.
  void add_folder(const std::string &path, int depth, int &budget) {
    if (--budget < 0 || !add_path(path) || depth == 0) return;
    DIR *dir = opendir(path.c_str());
    if (!dir) return;
    while (const dirent *e = readdir(dir)) {
      if (e->d_name[0] == '.' || (e->d_type != DT_DIR && e->d_type != DT_UNKNOWN && e->d_type != DT_LNK)) continue;
      add_folder(path + "/" + e->d_name, depth - 1, budget);
    }
    closedir(dir);
  }
};

// Text the memo keeps: a line's field of printable bytes (UTF-8 included).
bool plain(std::string_view text) {
  if (text.size() > kLongestText) return false;
  for (const unsigned char c : text)
    if (c < 0x20 || c == 0x7F) return false;
  return true;
}

std::vector<std::string_view> split(std::string_view line, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = line.find(separator, start);
    parts.push_back(line.substr(start, end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

template <typename T>
bool number(std::string_view text, T &value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

bool flag(std::string_view text, bool &value) {
  if (text != "0" && text != "1") return false;
  value = text == "1";
  return true;
}

// The memo's text, whole, when it is a regular file of a sensible size.
bool read_memo(const std::string &path, std::string &text) {
  const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat st {};
  bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= static_cast<off_t>(kLargestMemo);
  if (ok) {
    text.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    while (ok && got < text.size()) {
      const ssize_t n = read(fd, text.data() + got, text.size() - got);
      ok = n > 0;
      if (ok) got += static_cast<std::size_t>(n);
    }
  }
  close(fd);
  return ok;
}

bool make_folders(const std::string &file) {
  for (std::size_t slash = file.find('/', 1); slash != std::string::npos; slash = file.find('/', slash + 1)) {
    const std::string folder = file.substr(0, slash);
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  return true;
}

}  // namespace

FontMemo::FontMemo(std::string path, std::string fingerprint)
    : path_(std::move(path)), fingerprint_(std::move(fingerprint)), writes_left_(kMostWrites) {
  std::string text;
  if (path_.empty() || !read_memo(path_, text)) return;
  const std::vector<std::string_view> lines = split(text, '\n');
  if (lines.size() < 2 || lines[0] != kHeader || lines[1] != std::string(kFingerprintTag) + fingerprint_) return;
  for (std::size_t k = 2; k < lines.size() && entries_.size() < kMostEntries; ++k) {
    const std::vector<std::string_view> f = split(lines[k], '\t');
    if (f.size() != kFields) continue;
    Entry e{std::string(f[0]), {}};
    FontChoice &c = e.choice;
    c.file = f[1];
    c.family = f[3];
    bool ok = plain(e.request) && plain(c.file) && plain(c.family) && !c.file.empty() && c.file[0] == '/' &&
              number(f[2], c.index) && number(f[4], c.fc_weight) && number(f[5], c.fc_slant) &&
              flag(f[6], c.embolden) && flag(f[7], c.has_matrix);
    for (int m = 0; ok && m < 4; ++m) ok = number(f[8 + m], c.matrix[m]);
    if (ok) entries_.push_back(std::move(e));
  }
}

std::optional<FontChoice> FontMemo::find(const std::string &request) const {
  for (const Entry &e : entries_) {
    if (e.request != request) continue;
    struct stat st {};
    if (stat(e.choice.file.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return e.choice;
  }
  return std::nullopt;
}

bool FontMemo::add(const std::string &request, const FontChoice &choice) {
  if (!plain(request) || !plain(choice.file) || !plain(choice.family)) return false;
  std::erase_if(entries_, [&](const Entry &e) { return e.request == request; });
  if (entries_.size() >= kMostEntries) entries_.erase(entries_.begin());
  entries_.push_back({request, choice});
  if (path_.empty() || writes_left_ <= 0 || !make_folders(path_)) return false;
  --writes_left_;
  struct stat st {};
  if (lstat(path_.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return false;  // not ours to replace

  std::string text = std::string(kHeader) + "\n" + std::string(kFingerprintTag) + fingerprint_ + "\n";
  for (const Entry &e : entries_) {
    const FontChoice &c = e.choice;
    char numbers[256];
    std::snprintf(numbers, sizeof numbers, "%d\t%d\t%d\t%d\t%.17g\t%.17g\t%.17g\t%.17g", c.fc_weight, c.fc_slant,
                  c.embolden, c.has_matrix, c.matrix[0], c.matrix[1], c.matrix[2], c.matrix[3]);
    text += e.request + "\t" + c.file + "\t" + std::to_string(c.index) + "\t" + c.family + "\t" + numbers + "\n";
  }
  OutputFile out;
  return out.open(path_) && out.write(text) && out.commit();
}

std::string font_configuration_fingerprint() {
  Fingerprint f;
  f.add(std::to_string(FcGetVersion()));
  for (const char *name : kEnvironment) {
    const char *value = std::getenv(name);
    f.add(value ? value : "-");
  }
  if (const char *file = std::getenv("FONTCONFIG_FILE")) f.add_path(file);
  if (const char *folder = std::getenv("FONTCONFIG_PATH")) {
    f.add_path(std::string(folder) + "/fonts.conf");
    f.add_path(std::string(folder) + "/conf.d");
  }
  for (const char *path : kConfigurationPaths) f.add_path(expand(path));
  int budget = kMostFolders;
  for (const char *path : kFontFolders) f.add_folder(expand(path), kFolderDepth, budget);
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(f.hash));
  return text;
}

std::string default_font_memo_path() {
  const std::string cache = xdg_folder("XDG_CACHE_HOME");
  return cache.empty() ? "" : cache + "/torvane3d/font-choices";
}

}  // namespace vex3d::platform
