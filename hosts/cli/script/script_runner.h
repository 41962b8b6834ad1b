// The script runner: statements, one a line, that drive the object model by
// name as an automation client would.
//
//   Path.To.Property = VALUE        sets a property
//   print Path.To.Property          prints its value
//   Path.To.Method(ARG, ...)        calls a method (also: Path.To.Method ARG, ...)
//   print Path.To.Method(ARG, ...)  prints what it returns
//   on EVENT print [ARG = VALUE ...]
//                                   prints every firing of the event with its
//                                   arguments and sets the named by-reference
//                                   arguments
//
// A path walks objects, collection items (a member given arguments it does
// not take passes them to the default member of what it returns) and the
// objects methods return. Values are numbers, "strings" ("" inside for a
// quote), True, False, Nothing and enumeration constants. A line starting
// with ' or # is a comment. A failing statement prints the statement, the
// status and the description, and the run goes on.
#pragma once

#include <istream>
#include <memory>
#include <ostream>
#include <string_view>
#include <vector>

#include "3dctl.h"

namespace torvane3d_cli {

class ScriptRunner {
 public:
  ScriptRunner(std::shared_ptr<tc3d::Chart3D> chart, std::ostream &out, std::ostream &err);
  // The handlers the script installed print to this runner's output: they
  // leave the control with it.
  ~ScriptRunner();
  ScriptRunner(const ScriptRunner &) = delete;
  ScriptRunner &operator=(const ScriptRunner &) = delete;
  // Runs one statement; false when it failed (the error is printed).
  bool run_line(std::string_view line, int line_number);
  // Runs every line; the number of statements that failed.
  int run(std::istream &in);

 private:
  std::shared_ptr<tc3d::Chart3D> chart_;
  std::ostream &out_, &err_;
  std::vector<std::shared_ptr<tc3d::EventSink>> handlers_;
};

}  // namespace torvane3d_cli
