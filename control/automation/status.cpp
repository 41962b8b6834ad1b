#include "status.h"

#include <cstdio>

namespace tc3d {
namespace {

struct ErrorRow {
  ErrorCode code;
  std::string_view constant, description;
};

constexpr ErrorRow kErrors[] = {
#define TC3D_ERROR(code, constant, description) {ErrorCode::constant, #constant, description},
#include "errors.def"
};
static_assert(std::size(kErrors) == kErrorCodeCount);
constexpr bool codes_in_order() {
  for (int i = 0; i < kErrorCodeCount; ++i)
    if (static_cast<int>(kErrors[i].code) != i) return false;
  return true;
}
static_assert(codes_in_order(), "errors.def lists the codes 0, 1, 2, ... in order");

struct StatusRow {
  Status status;
  std::string_view description;
};
constexpr StatusRow kStatuses[] = {
#define TC3D_STATUS(name, value, description) {value, description},
#include "platform_status.def"
};

// Written by any thread at any time (a host may set it on any control).
std::atomic<std::int32_t> g_error_offset{kDefaultErrorOffset};

const ErrorRow &row(ErrorCode code) {
  const int i = static_cast<int>(code);
  return kErrors[i >= 0 && i < kErrorCodeCount ? i : 0];
}

}  // namespace

std::string_view error_constant(ErrorCode code) { return row(code).constant; }
std::string_view error_description(ErrorCode code) { return row(code).description; }

std::string_view status_description(Status status) {
  for (const StatusRow &r : kStatuses)
    if (r.status == status) return r.description;
  return {};
}

std::int32_t error_offset() { return g_error_offset.load(std::memory_order_relaxed); }
void set_error_offset(std::int32_t offset) { g_error_offset.store(offset, std::memory_order_relaxed); }

Status status_of(ErrorCode code) {
  // Unsigned arithmetic: any offset gives a defined 32-bit status.
  return kErrorFacilityBase + static_cast<Status>(error_offset()) + static_cast<Status>(code);
}

Error make_error(ErrorCode code) {
  return Error(status_of(code), std::string(error_description(code)), static_cast<std::int32_t>(code));
}

Error make_error(Status status) { return Error(status, std::string(status_description(status)), -1); }

Error make_error(Status status, std::string description) { return Error(status, std::move(description), -1); }

ErrorInfo Error::info(std::string_view source, bool inside_control_call) const {
  ErrorInfo info{status_, description_, std::string(source), 0};
  if (!inside_control_call && code_ >= 0) {
    info.status = status::kException;
    info.number = error_offset() + code_;
  }
  return info;
}

std::string status_hex(Status status) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", status);
  return text;
}

}  // namespace tc3d
