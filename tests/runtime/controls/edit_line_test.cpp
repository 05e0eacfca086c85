// Code 11 never writes past the caller's buffer. (ctl_line_text, which gives a line of any length whole, is
// what Search and Translate read the editor's lines with: Search and Translate tests.)
#include "tests/runtime/controls/control_test_support.h"

using EditLine = CommandTest;

TEST_F(EditLine, StoresAtMostTheCountNothingBehindTheZeroAndNoLineBeyond) {
  make_edit();
  const int32_t DEFAULT = INT32_MIN; // no count given
  // Count 1: the count word EM_GETLINE reads is wider than the line.
  struct Case { const char* what; int line_length; int32_t count; size_t expected; } cases[] = {
      {"short line, default count", 20, DEFAULT, 20},
      {"line of 300 cut to a string variable", 300, DEFAULT, 254},
      {"count 1", 50, 1, 1},                            {"negative count as 0", 50, -3, 0},
      {"larger buffer, long line", 550, 599, 550},      {"empty line", 0, 50, 0},
  };
  for (const Case& c : cases) {
    std::string line(static_cast<size_t>(c.line_length), 'q');
    set_text("before\r\n" + line + "\r\nafter");
    Buffer buffer(600);
    EXPECT_EQ(cmd(11, num(1), str_ref(buffer.data()), c.count != DEFAULT ? num(c.count) : none), 0) << c.what;
    EXPECT_EQ(buffer.text(), line.substr(0, c.expected)) << c.what;
    EXPECT_TRUE(buffer.untouched_from(c.expected + 1)) << c.what << ": bytes behind the zero byte were written";
  }
  Buffer beyond(300);
  cmd(11, num(5), str(beyond.data()));
  EXPECT_EQ(beyond.text(), "") << "a line the field does not have";
  EXPECT_TRUE(beyond.untouched_from(1));
}
