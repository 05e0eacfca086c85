// Code 11 never writes past the caller's buffer; ctl_line_text gives a line of any length whole.
#include "tests/runtime/controls/control_test_support.h"

using EditLine = CommandTest;

TEST_F(EditLine, StoresAtMostTheCountNothingBehindTheZeroAndNoLineBeyond) {
  make_edit();
  const int32_t DEFAULT = INT32_MIN; // no count given
  // Count 1: the count word EM_GETLINE reads is wider than the line.
  struct Case { const char* what; int line_length; int32_t count; size_t expected; } cases[] = {
      {"short line, default count", 20, DEFAULT, 20},
      {"line of 300 cut to a string variable", 300, DEFAULT, 254},
      {"count 9 of 50", 50, 9, 9},                      {"count 1", 50, 1, 1},
      {"count 0: only the zero byte", 50, 0, 0},        {"negative count as 0", 50, -3, 0},
      {"count larger than the line", 40, 500, 40},      {"larger buffer, long line", 550, 599, 550},
      {"empty line", 0, 50, 0},
  };
  for (const Case& c : cases) {
    std::string line(static_cast<size_t>(c.line_length), 'q');
    set_text("before\r\n" + line + "\r\nafter");
    Buffer buffer(600);
    EXPECT_EQ(cmd(11, num(1), str_ref(buffer.data()), c.count != DEFAULT ? num(c.count) : none), 0) << c.what;
    EXPECT_TRUE(same_text(buffer.text(), line.substr(0, c.expected))) << c.what;
    EXPECT_TRUE(buffer.untouched_from(c.expected + 1)) << c.what << ": bytes behind the zero byte were written";
  }
  Buffer beyond(300);
  cmd(11, num(5), str(beyond.data()));
  EXPECT_EQ(beyond.text(), "") << "a line the field does not have";
  EXPECT_TRUE(beyond.untouched_from(1));
}

TEST_F(EditLine, WholeLinesOfAnyLength) {
  make_edit();
  cmd(9, num(200000));
  std::string long_line(5000, ' ');
  for (size_t i = 0; i < long_line.size(); ++i) long_line[i] = static_cast<char>('a' + i % 26);
  std::string longer(70000, 'z'); // beyond what EM_GETLINE's count word can ask for
  longer.back() = 'E';
  set_text("one\r\n" + long_line + "\r\n" + longer + "\r\nlast");
  EXPECT_TRUE(same_text(take(ctl_line_text(&parent, ID, 1)), long_line));
  EXPECT_TRUE(same_text(take(ctl_line_text(&parent, ID, 2)), longer));
  EXPECT_EQ(take(ctl_line_text(&parent, ID, 3)), "last");
  EXPECT_EQ(take(ctl_line_text(&parent, ID, 4)), "") << "a line the field does not have";
  EXPECT_EQ(take(ctl_line_text(&parent, ID, -1)), "");
}

TEST_F(EditLine, LineTextOfARichEditHasNoLineEndAndOtherControlsHaveNone) {
  make_rich();
  set_text("first\r\nsecond\r\nx");
  EXPECT_EQ(take(ctl_line_text(&parent, ID, 0)), "first");
  DestroyWindow(control);
  make("BUTTON", 0, "button");
  EXPECT_EQ(ctl_line_text(&parent, ID, 0), nullptr);
  Window closed{};
  EXPECT_EQ(ctl_line_text(&closed, ID, 0), nullptr);
}
