// The name under which an engine text file (data, levels, styles) is opened.
#pragma once

#include <string>
#include <string_view>

namespace vex3d {

// The longest name an expansion gives; longer results are cut.
constexpr std::size_t kMaxFileName = 1024;

// Splits the name at "/" (empty pieces dropped), replaces a piece "$NAME" by
// the environment variable NAME when it is set, and joins the pieces with
// single "/" (none after a piece that already ends in one). A leading "/"
// stays; a backslash is an ordinary character. "" stays "", "///" is "/".
std::string expand_file_name(std::string_view name);

}  // namespace vex3d
