// Text fit to show on a terminal, for messages that quote what a user gave.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace torvane3d_cli {

// The longest value a message quotes; longer ones are cut, marked "...".
constexpr std::size_t kLongestQuoted = 200;

// Text fit to quote in a message: bytes that are not printable ASCII (and
// not a line feed or tab, when `lines`) written as \xNN, cut after
// kLongestQuoted characters (ten times as many for several lines).
std::string printable(std::string_view text, bool lines = false);

}  // namespace torvane3d_cli
