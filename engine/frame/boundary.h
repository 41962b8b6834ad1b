// The edge between the engine and its C callers: no exception crosses it.
//
// Every C-callable engine function runs its body through guarded(); an
// exception the body lets out (memory running out while a chart is drawn, a
// container's length error on absurd input) is reported through the
// diagnostic routine and the function returns its failure value instead of
// unwinding into a caller that cannot catch it.
#pragma once

#include <type_traits>

namespace vex3d {

// Reports the exception being handled: call only inside a catch block. The
// message names the function ("Vex3dDrawPage: out of memory"); it is sent
// whether or not the graph is debugging, since the call has failed.
void report_exception(const char *function) noexcept;

// The body's result, or `failed` when the body throws.
template <class Body, class R = std::invoke_result_t<Body &>>
R guarded(const char *function, Body &&body, R failed = R()) noexcept requires(!std::is_void_v<R>) {
  try {
    return body();
  } catch (...) {
    report_exception(function);
    return failed;
  }
}

template <class Body>
void guarded(const char *function, Body &&body) noexcept requires std::is_void_v<std::invoke_result_t<Body &>> {
  try {
    body();
  } catch (...) {
    report_exception(function);
  }
}

}  // namespace vex3d
