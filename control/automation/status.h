// Status codes and errors of the automation layer: the one place where a
// raised error becomes a status, an exception and error information.
//
// A call on a control object reports an error of the object model's error set
// (errors.def) as the status 0x800A0000 + ErrorOffset + code, with the code's
// description. ErrorOffset is one value for the whole process (default 10000):
// setting it on any control changes it for every control. An object whose
// control is gone reports the same error as the platform's exception status
// with the exception number ErrorOffset + code (ErrorInfo::number).
#pragma once

#include <atomic>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace tc3d {

// A 32-bit status: the high bit set means failure.
using Status = std::uint32_t;
constexpr bool succeeded(Status s) { return (s & 0x80000000u) == 0; }
constexpr bool failed(Status s) { return !succeeded(s); }

// The platform's status codes (platform_status.def).
namespace status {
#define TC3D_STATUS(name, value, description) constexpr Status name = value;
#include "platform_status.def"
}  // namespace status

// The object model's error set: ErrorConstants.
enum class ErrorCode : std::int32_t {
#define TC3D_ERROR(code, constant, description) constant = code,
#include "errors.def"
};
constexpr int kErrorCodeCount = 16;

// The facility of the object model's statuses, and the default ErrorOffset.
constexpr Status kErrorFacilityBase = 0x800A0000u;
constexpr std::int32_t kDefaultErrorOffset = 10000;

// ---- the error set as data
std::string_view error_constant(ErrorCode code);     // "tcErrorInvalidIndex"
std::string_view error_description(ErrorCode code);  // "Invalid index is used."
// The description of a platform status, "" for one this layer does not raise.
std::string_view status_description(Status status);

// ---- ErrorOffset: process-wide, changeable at any time
// The offsets that keep every error's status a failure status (its top bit
// set): beyond them 0x800A0000 + ErrorOffset + code would wrap to a success
// code or leave the failure range.
constexpr std::int64_t kLowestErrorOffset = -static_cast<std::int64_t>(kErrorFacilityBase - 0x80000000u);
constexpr std::int64_t kHighestErrorOffset = 0xFFFFFFFFll - kErrorFacilityBase - (kErrorCodeCount - 1);
constexpr bool error_offset_allowed(std::int64_t offset) {
  return offset >= kLowestErrorOffset && offset <= kHighestErrorOffset;
}
std::int32_t error_offset();
void set_error_offset(std::int32_t offset);

// The status of an error code under the current ErrorOffset.
Status status_of(ErrorCode code);

// What the dual form hands back beside the status (the platform's error
// information): the description, the source (the class whose member failed)
// and, for an error outside a call on a control, the exception number.
struct ErrorInfo {
  Status status = status::kOk;
  std::string description;
  std::string source;
  std::int32_t number = 0;
};

// The exception a typed C++ call throws. Made only by the functions below.
class Error : public std::exception {
 public:
  Status status() const { return status_; }
  const std::string &description() const { return description_; }
  const char *what() const noexcept override { return description_.c_str(); }
  // Set for errors of the object model's set; -1 for platform statuses.
  std::int32_t code() const { return code_; }

  // The error information of this error: inside a call on a connected
  // control, the status itself; outside one, the platform's exception status
  // carrying the number ErrorOffset + code.
  ErrorInfo info(std::string_view source, bool inside_control_call) const;

  friend Error make_error(ErrorCode code);
  friend Error make_error(Status status);
  friend Error make_error(Status status, std::string description);

 private:
  Error(Status status, std::string description, std::int32_t code)
      : status_(status), description_(std::move(description)), code_(code) {}
  Status status_;
  std::string description_;
  std::int32_t code_;
};

Error make_error(ErrorCode code);
Error make_error(Status status);
// A platform status with a description of the particular case.
Error make_error(Status status, std::string description);

[[noreturn]] inline void raise(ErrorCode code) { throw make_error(code); }
[[noreturn]] inline void raise(Status status) { throw make_error(status); }
[[noreturn]] inline void raise(Status status, std::string description) {
  throw make_error(status, std::move(description));
}

// The status text a script or a log shows: "0x800A2713".
std::string status_hex(Status status);

}  // namespace tc3d
