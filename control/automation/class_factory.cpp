#include "class_factory.h"

#include <unistd.h>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tc3d {
namespace {

std::atomic<long> g_locks{0};

constexpr const char *kClassesFile = "classes.reg";
constexpr const char *kTypeLibraryFile = "typelib.txt";

struct MiscName {
  std::uint32_t bit;
  const char *name;
};
constexpr MiscName kMiscNames[] = {{kRecomposeOnResize, "recompose-on-resize"},
                                   {kCantLinkInside, "cannot-link-inside"},
                                   {kInsideOut, "inside-out"},
                                   {kActivateWhenVisible, "activate-when-visible"},
                                   {kSetClientSiteFirst, "set-client-site-first"}};

// Writes a sibling file and renames it over the target, so that a reader
// never sees half a file.
bool write_whole(const std::filesystem::path &target, const std::string &text) {
  std::filesystem::path temporary = target;
  temporary += ".tmp" + std::to_string(::getpid());
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out << text;
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, target, error);
  if (!error) return true;
  std::error_code ignored;
  std::filesystem::remove(temporary, ignored);
  return false;
}

bool remove_file(const std::filesystem::path &file) {
  std::error_code error;
  std::filesystem::remove(file, error);  // a file that is not there is removed already
  return !error;
}

std::string classes_text(std::span<const ClassEntry> classes) {
  std::ostringstream out;
  for (const ClassEntry &c : classes) {
    char misc[16];
    std::snprintf(misc, sizeof misc, "0x%05X", c.misc_status);
    out << "[" << c.progid << "]\n"
        << "clsid = " << c.clsid << "\n"
        << "user_type_name = " << c.user_type_name << "\n"
        << "threading_model = " << c.threading_model << "\n"
        << "misc_status = " << misc;
    for (const MiscName &m : kMiscNames)
      if (c.misc_status & m.bit) out << " " << m.name;
    out << "\n\n";
  }
  return out.str();
}

}  // namespace

Status ClassFactory::CreateInstance(const Object *outer, ObjectRef *out) const {
  if (!out) return status::kInvalidArgument;
  *out = nullptr;
  if (outer) return status::kNoAggregation;
  try {
    *out = entry_->create();
  } catch (const Error &e) {
    return e.status();
  } catch (...) {
    return status::kFail;
  }
  return *out ? status::kOk : status::kFail;
}

Status ClassFactory::LockServer(bool lock) const {
  if (lock)
    g_locks.fetch_add(1);
  else if (g_locks.load() > 0)
    g_locks.fetch_sub(1);
  return status::kOk;
}

Status get_class_object(std::span<const ClassEntry> classes, std::string_view name, std::optional<ClassFactory> *out) {
  if (out) out->reset();
  for (const ClassEntry &c : classes)
    if (c.progid == name || c.clsid == name) {
      if (out) out->emplace(c);
      return status::kOk;
    }
  return status::kClassNotAvailable;
}

Status can_unload_now() { return Object::live_objects() == 0 && g_locks.load() == 0 ? status::kOk : status::kFalse; }

std::optional<std::filesystem::path> registration_folder() {
  if (const char *xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/')
    return std::filesystem::path(xdg) / "torvane3d";
  if (const char *home = std::getenv("HOME"); home && *home)
    return std::filesystem::path(home) / ".local" / "share" / "torvane3d";
  return std::nullopt;
}

Status register_module(std::span<const ClassEntry> classes, const TypeLibrary &library) {
  const auto folder = registration_folder();
  if (!folder) return status::kTypeLibraryRegistration;
  std::error_code error;
  std::filesystem::create_directories(*folder, error);
  std::ostringstream typelib;
  print_type_library(library, typelib);
  if (error || !write_whole(*folder / kTypeLibraryFile, typelib.str())) return status::kTypeLibraryRegistration;
  if (!write_whole(*folder / kClassesFile, classes_text(classes))) return status::kClassRegistration;
  return status::kOk;
}

Status unregister_module() {
  const auto folder = registration_folder();
  if (!folder) return status::kTypeLibraryRegistration;
  if (!remove_file(*folder / kTypeLibraryFile)) return status::kTypeLibraryRegistration;
  if (!remove_file(*folder / kClassesFile)) return status::kClassRegistration;
  std::error_code ignored;
  std::filesystem::remove(*folder, ignored);  // only when empty
  return status::kOk;
}

}  // namespace tc3d
