#include "dual.h"

namespace tc3d {
namespace {

thread_local ErrorInfo t_last_error;

}  // namespace

const ErrorInfo &last_error_info() { return t_last_error; }
void set_last_error_info(ErrorInfo info) { t_last_error = std::move(info); }

}  // namespace tc3d
