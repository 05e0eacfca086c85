// A path given by the build, in the form this system opens: under Wine a
// Unix path becomes one on drive Z:, which maps to the Unix root.
#pragma once

#include <string>

inline std::string windows_path(std::string path) {
  if (!path.empty() && path[0] == '/') {
    for (char& c : path)
      if (c == '/') c = '\\';
    path = "Z:" + path;
  }
  return path;
}
