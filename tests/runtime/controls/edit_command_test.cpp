// ctl_command on a real multi-line EDIT control: the calls that must do nothing.
#include "tests/runtime/controls/control_test_support.h"

namespace {
class EditCommand : public CommandTest {
protected:
  void SetUp() override {
    CommandTest::SetUp();
    make_edit();
  }
  // The selection as code 16 stores it: "start-end".
  std::string selection() {
    int32_t start = -5, end = -5;
    EXPECT_NE(cmd(16, num_ref(&start), num_ref(&end)), 0);
    return std::to_string(start) + "-" + std::to_string(end);
  }
};
} // namespace

// A code given an argument of the wrong type sends nothing.
TEST_F(EditCommand, WrongArgumentTypesUnlistedCodesAndUnknownIdsDoNothing) {
  set_text("keep this");
  cmd(9, num(40));
  cmd(15, num(2), num(4));
  char word[] = "xx";
  int32_t number = 3;
  struct Case { const char* what; int32_t code; Arg a1, a2; } cases[] = {
      {"limit from a string", 9, str(word), none}, {"selection without its end", 15, num(0), none},
      {"replacement by a null string", 24, {0, VT_STRING}, none},
      {"by-reference number at no address", 9, {0, VT_INT32 | VT_REF}, none},
      {"line read into a number", 11, num(0), num_ref(&number)}, {"unlisted code 30", 30, num(1), num(2)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(cmd(c.code, c.a1, c.a2), 0) << c.what;
    EXPECT_EQ(text(), "keep this") << c.what;
    EXPECT_EQ(cmd(10), 40) << c.what;
    EXPECT_EQ(selection(), "2-4") << c.what;
  }
  EXPECT_EQ(number, 3);
  EXPECT_EQ(ctl_command(&parent, ID + 1, 18, 0, VT_NONE, 0, VT_NONE, 0, VT_NONE, 0, VT_NONE), 0);
  Window closed{};
  EXPECT_EQ(ctl_command(&closed, ID, 18, 0, VT_NONE, 0, VT_NONE, 0, VT_NONE, 0, VT_NONE), 0);
  DestroyWindow(control);
  make("BUTTON", 0, "Hello");
  EXPECT_EQ(cmd(18), 0) << "a button is not served";
}
