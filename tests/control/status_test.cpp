// The error set, its statuses under ErrorOffset, and the error information.
#include <gtest/gtest.h>

#include "status.h"

namespace tc3d {
namespace {

struct OffsetGuard {
  std::int32_t saved = error_offset();
  ~OffsetGuard() { set_error_offset(saved); }
};

struct ExpectedError {
  ErrorCode code;
  Status with_default_offset;  // 0x800A0000 + 10000 + code
  const char *description;
};

// Written out from the error set as callers see it, not from the table.
const ExpectedError kExpected[] = {
    {ErrorCode::tcErrorInvalidIndex, 0x800A2710, "Invalid index is used."},
    {ErrorCode::tcErrorReadOnly, 0x800A2711, "Property is readonly."},
    {ErrorCode::tcErrorOutOfRange, 0x800A2712, "Value is not within allowable range."},
    {ErrorCode::tcErrorInvalidEnum, 0x800A2713, "Enumerated value not within range."},
    {ErrorCode::tcErrorInvalidValue, 0x800A2714, "Argument is invalid."},
    {ErrorCode::tcErrorNoSuchProperty, 0x800A2715, "Property does not exist."},
    {ErrorCode::tcErrorDuplicateValue, 0x800A2716, "Duplicate entry found."},
    {ErrorCode::tcErrorNoSuchItem, 0x800A2717, "No item found."},
    {ErrorCode::tcErrorCannotCreateObject, 0x800A2718, "Failed to create object"},
    {ErrorCode::tcErrorTypeMismatch, 0x800A2719, "Object type mismatch."},
    {ErrorCode::tcErrorReadOnlyWhenBound, 0x800A271A, "Bound data item cannot be set"},
    {ErrorCode::tcErrorBadArrayDimensions, 0x800A271B, "Incorrect array dimensions"},
    {ErrorCode::tcErrorNotConnected, 0x800A271C, "The object has been disconnected from its parent."},
    {ErrorCode::tcErrorInvalidFormat, 0x800A271D, "Format is not valid."},
    {ErrorCode::tcErrorDllNotCompatible, 0x800A271E, "Wrong version of TVCH3D32.DLL is loaded."},
    {ErrorCode::tcErrorSeriesArrayNotOne, 0x800A271F, "Series index must have value of 1 for Array layout"},
};

TEST(ErrorSet, EveryCodeWithTheDefaultOffset) {
  OffsetGuard guard;
  set_error_offset(kDefaultErrorOffset);
  for (const ExpectedError &e : kExpected) {
    SCOPED_TRACE(std::string(error_constant(e.code)));
    EXPECT_EQ(status_of(e.code), e.with_default_offset);
    const Error error = make_error(e.code);
    EXPECT_EQ(error.status(), e.with_default_offset);
    EXPECT_EQ(error.description(), e.description);
    EXPECT_EQ(error.code(), static_cast<int>(e.code));
    const ErrorInfo info = error.info("Chart3D", true);
    EXPECT_EQ(info.status, e.with_default_offset);
    EXPECT_EQ(info.description, e.description);
    EXPECT_EQ(info.source, "Chart3D");
  }
}

TEST(ErrorSet, EveryCodeWithOffsetZero) {
  OffsetGuard guard;
  set_error_offset(0);
  for (int code = 0; code < kErrorCodeCount; ++code)
    EXPECT_EQ(status_of(static_cast<ErrorCode>(code)), 0x800A0000u + code);
  EXPECT_EQ(make_error(ErrorCode::tcErrorInvalidIndex).status(), 0x800A0000u);
}

TEST(ErrorSet, ConstantsNameTheirCodes) {
  EXPECT_EQ(error_constant(ErrorCode::tcErrorInvalidEnum), "tcErrorInvalidEnum");
  EXPECT_EQ(error_constant(ErrorCode::tcErrorSeriesArrayNotOne), "tcErrorSeriesArrayNotOne");
}

TEST(ErrorSet, OutsideAControlCallTheExceptionCarriesTheNumber) {
  OffsetGuard guard;
  set_error_offset(500);
  const ErrorInfo info = make_error(ErrorCode::tcErrorNotConnected).info("ILabel", false);
  EXPECT_EQ(info.status, status::kException);
  EXPECT_EQ(info.number, 512);
  EXPECT_EQ(info.description, "The object has been disconnected from its parent.");
  // Platform statuses stay as they are.
  EXPECT_EQ(make_error(status::kTypeMismatch).info("x", false).status, status::kTypeMismatch);
}

TEST(ErrorSet, AnErrorMadeBeforeAnOffsetChangeKeepsItsStatus) {
  OffsetGuard guard;
  set_error_offset(kDefaultErrorOffset);
  const Error before = make_error(ErrorCode::tcErrorNoSuchItem);
  set_error_offset(0);
  EXPECT_EQ(before.status(), 0x800A2717u);
  EXPECT_EQ(make_error(ErrorCode::tcErrorNoSuchItem).status(), 0x800A0007u);
}

TEST(Status, HexTextAndPlatformDescriptions) {
  EXPECT_EQ(status_hex(0x800A2713), "0x800A2713");
  EXPECT_EQ(status_hex(0), "0x00000000");
  EXPECT_EQ(status_description(status::kTypeMismatch), "Type mismatch.");
  EXPECT_TRUE(failed(status::kSetNotSupported));
  EXPECT_TRUE(succeeded(status::kFalse));
}

}  // namespace
}  // namespace tc3d
