// Checks that a file operation's failure message goes where it should.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "data.h"
#include "message_capture.h"

struct FileFailure {
  const char *what;
  std::function<bool(char *error)> run;  // true when the operation reported failure
  std::string message;
};

// The message goes into the caller's buffer when one is given, else to the
// message output followed by a line feed.
inline void expect_routed(const std::vector<FileFailure> &failures) {
  for (const FileFailure &f : failures) {
    SCOPED_TRACE(f.what);
    char error[VEX3D_ERROR_SIZE] = "";
    MessageCapture capture;
    EXPECT_TRUE(f.run(error));
    EXPECT_EQ(error, f.message);
    EXPECT_EQ(capture.all(), "") << "a buffer takes the message";
    EXPECT_TRUE(f.run(nullptr));
    EXPECT_EQ(capture.all(), f.message + "\n");
  }
}
