#include "boundary.h"

#include <exception>
#include <new>

#include "diagnostics.h"

namespace vex3d {

void report_exception(const char *function) noexcept {
  // The exception stays alive while the caller's handler runs, and with it
  // the text what() gave.
  const char *what = "unexpected failure";
  try {
    throw;
  } catch (const std::bad_alloc &) {
    what = "out of memory";
  } catch (const std::exception &e) {
    what = e.what();
  } catch (...) {
  }
  // A message sink that throws is not let through either.
  try {
    message(nullptr, "%s: %s", function, what);
  } catch (...) {
  }
}

}  // namespace vex3d
