// Lines read from text channels: line ends, chunk boundaries and the end of the file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/runtime/core/file_fixture.h"

using FileLines = FileTest;

namespace {
const std::string x127(127, 'x');

struct LineCase {
  const char* what;
  std::string bytes;
  std::vector<std::string> lines; // each read with result 0, then one read gives -1
};

// Files are read in chunks of 128 bytes: a CR at a chunk's end must look into the next one.
const LineCase kLineCases[] = {
    {"CR LF, LF and CR each end a line", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
    {"empty lines are lines", "\r\n\n\r\rz", {"", "", "", "", "z"}},
    {"LF CR is two line ends", "p\n\rq", {"p", "", "q"}},
    {"a lone CR at the end of the file", "k\r", {"k"}},
    {"CR as the 128th byte, then LF", x127 + "\r\nnext", {x127, "next"}},
    {"CR as the 128th byte, then another byte", x127 + "\ryz\r\n", {x127, "yz"}},
    {"CR as the 128th byte and the last of the file", x127 + "\r", {x127}},
    {"a line across three chunks", std::string(300, 'L') + "\r\nM", {std::string(300, 'L'), "M"}},
    {"an empty file has no line", "", {}},
};
} // namespace

// file_read shares this reader and differs only in where the bytes go (tested below).
TEST_F(FileLines, LineEndsAndChunkBoundaries) {
  for (const LineCase& c : kLineCases) {
    SCOPED_TRACE(c.what);
    open_text(c.bytes);
    int result = 99;
    for (const std::string& want : c.lines) {
      EXPECT_EQ(file_eof(&channel, TEXT_CH), 0) << "before " << want;
      EXPECT_EQ(read_whole_line(&result), want);
      EXPECT_EQ(result, 0);
    }
    EXPECT_EQ(file_eof(&channel, TEXT_CH), 1) << "right after the last line";
    EXPECT_EQ(read_whole_line(&result), "<null>");
    EXPECT_EQ(result, -1);
    EXPECT_EQ(file_close(&channel, TEXT_CH), 0);
  }
}
