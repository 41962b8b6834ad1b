// The fonts fontconfig chose, remembered between runs.
//
// Asking fontconfig for a font first makes it read its whole configuration
// (dozens of XML files) and check its caches: for a small chart that is a
// fifth of the run. What it chose for each request is kept in the user's
// cache folder ($XDG_CACHE_HOME/torvane3d/font-choices, else
// ~/.cache/torvane3d/font-choices) together with a fingerprint of what
// fontconfig's answer depends on: its version, its environment variables,
// and the times of its configuration files and folders, its cache folders
// and the font folders. A changed fingerprint, a damaged memo or a chosen
// file that is gone means asking fontconfig again.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vex3d::platform {

// What the face is made from: the file and what fontconfig added to it.
struct FontChoice {
  std::string file;
  int index = 0;  // the face in the file
  std::string family;
  int fc_weight = 0, fc_slant = 0;  // fontconfig's scales
  bool embolden = false;            // bold synthesised
  bool has_matrix = false;          // the glyphs transformed by `matrix` (a synthesised slant)
  double matrix[4] = {1, 0, 0, 1};  // xx, xy, yx, yy
  friend bool operator==(const FontChoice &, const FontChoice &) = default;
};

class FontMemo {
 public:
  // The memo at `path`, read when its fingerprint is `fingerprint`; empty
  // otherwise (missing, another configuration, damaged).
  FontMemo(std::string path, std::string fingerprint);

  // The choice remembered for `request`, when its file is still there.
  std::optional<FontChoice> find(const std::string &request) const;
  // Remembers a choice and writes the memo; false when it was not written.
  // A request or choice holding control characters or longer than 255
  // bytes is not remembered at all; one FontMemo writes its file only its
  // first few times, later choices are remembered in this process only.
  bool add(const std::string &request, const FontChoice &choice);

 private:
  struct Entry {
    std::string request;
    FontChoice choice;
  };
  std::string path_, fingerprint_;
  std::vector<Entry> entries_;
  int writes_left_;
};

// The fingerprint of fontconfig's configuration as this process sees it.
std::string font_configuration_fingerprint();
// Where this user's memo lives; "" when there is no home to put it in.
std::string default_font_memo_path();

}  // namespace vex3d::platform
