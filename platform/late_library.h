// A shared library opened at its first use. Printing (libcups) and
// downloading (libcurl) each bring dozens of libraries with them, whose
// loading is most of the start-up of a program that draws one small chart;
// a program that never prints or downloads never loads them.
//
//   #define CUPS_FUNCTIONS(F) F(cupsCreateJob) F(cupsCancelJob2)
//   struct Cups { CUPS_FUNCTIONS(VEX3D_LATE_FUNCTION) };
//   const Cups *cups(std::string &error) {
//     static const vex3d::LateLibrary<Cups> library(
//         "libcups.so.2", [](void *handle, Cups &table) { return CUPS_FUNCTIONS(VEX3D_LATE_LOAD) true; });
//     return library.table(error);
//   }
//   cups(error)->cupsCreateJob(...);
#pragma once

#include <dlfcn.h>

#include <string>

// A table member: a pointer to the function of that name, typed as its declaration.
#define VEX3D_LATE_FUNCTION(name) decltype(&::name) name = nullptr;
// Looks one member up in the opened library; the chain of them is false when one is missing.
#define VEX3D_LATE_LOAD(name) (table.name = reinterpret_cast<decltype(table.name)>(dlsym(handle, #name))) != nullptr &&

namespace vex3d {

template <class Table>
class LateLibrary {
 public:
  using Loader = bool (*)(void *handle, Table &table);
  LateLibrary(const char *soname, Loader load) {
    void *handle = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
      const char *why = dlerror();
      reason_ = why ? why : std::string("cannot load ") + soname;
      return;
    }
    if (!load(handle, table_)) {
      reason_ = std::string(soname) + " lacks a function this program uses";
      dlclose(handle);
      return;
    }
    loaded_ = true;  // kept open for the life of the process
  }
  // The functions, or null with the reason the library could not be used.
  const Table *table(std::string &error) const {
    if (!loaded_) error = reason_;
    return loaded_ ? &table_ : nullptr;
  }

 private:
  Table table_{};
  bool loaded_ = false;
  std::string reason_;
};

}  // namespace vex3d
