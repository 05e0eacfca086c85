// Writes the example scripts built into the program (Help > Examples) as
// .app files into a folder, each named by its menu title, and prints the
// names it wrote. It is built for the machine that makes the packages, from
// the program's own list, so the files are always the program's examples.
//
//   examples_write FOLDER
#include <cstdio>
#include <string>

#include "app/examples.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: examples_write FOLDER\n");
    return 2;
  }
  for (int32_t i = 0; i < EXAMPLE_COUNT; ++i) {
    std::string name = std::string(EXAMPLES[i].title) + ".app";
    std::string path = std::string(argv[1]) + "/" + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    // As Save writes a script: its lines, and a line break after the last.
    bool written = file && std::fputs(EXAMPLES[i].script, file) >= 0 && std::fputs("\r\n", file) >= 0;
    if (file && std::fclose(file) != 0) written = false;
    if (!written) {
      std::fprintf(stderr, "examples_write: cannot write %s\n", path.c_str());
      return 1;
    }
    std::printf("%s\n", name.c_str());
  }
  return 0;
}
