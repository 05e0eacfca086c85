// ctl_command on a real multi-line EDIT control, the calls that must do nothing, and ctl_send.
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
  std::string margins() {
    LRESULT m = SendMessageA(control, EM_GETMARGINS, 0, 0);
    return std::to_string(LOWORD(m)) + "," + std::to_string(HIWORD(m));
  }
  ValueSlot handle_slot() const { return static_cast<ValueSlot>(reinterpret_cast<uintptr_t>(control)); }
};

} // namespace

TEST_F(EditCommand, LinesPositionsTheSelectionAndUndo) {
  set_text("first\r\nsecond line\r\nx");
  EXPECT_EQ(cmd(12), 3);
  EXPECT_EQ(cmd(18), 21);
  EXPECT_EQ(cmd(187, num(1)), 7) << "start of line 1";
  EXPECT_EQ(cmd(21, num(7)), 11) << "length of the line holding character 7";
  EXPECT_EQ(cmd(20, num(8)), 1) << "character 8 is on line 1";
  int32_t line = 2;
  EXPECT_EQ(cmd(187, num_ref(&line)), 20) << "a line number by reference";
  cmd(15, num(0), num(-1));
  EXPECT_EQ(selection(), "0-21");
  // By value the control would have nowhere to store the ends.
  int32_t a = -5, b = -5;
  EXPECT_EQ(cmd(16, num_ref(&a), num(b)), 0);
  EXPECT_EQ(a, -5);

  set_text("abc");
  EXPECT_EQ(cmd(0), 0) << "setting the text leaves nothing to undo";
  EXPECT_EQ(cmd(13), 0) << "not modified";
  cmd(15, num(3), num(3));
  cmd(24, str("def"));
  EXPECT_NE(cmd(13), 0) << "a replacement modifies the field";
  cmd(32);
  EXPECT_EQ(text(), "abc");
  cmd(24, str("!"));
  cmd(4);
  EXPECT_EQ(cmd(0), 0) << "the undo buffer was emptied";
}

// A code given an argument of the wrong type sends nothing.
TEST_F(EditCommand, WrongArgumentTypesUnlistedCodesAndUnknownIdsDoNothing) {
  set_text("keep this");
  cmd(9, num(40));
  cmd(15, num(2), num(4));
  EXPECT_EQ(cmd(29, num(3), num(3)), 0);
  ASSERT_EQ(margins(), "3,3") << "margins are set in pixels";
  char word[] = "xx";
  int32_t number = 3;
  struct Case { const char* what; int32_t code; Arg a1, a2; } cases[] = {
      {"limit from a string", 9, str(word), none}, {"limit missing", 9, none, none},
      {"selection without its end", 15, num(0), none},
      {"replacement by a number", 24, num(65), none}, {"replacement by a null string", 24, {0, VT_STRING}, none},
      {"by-reference number at no address", 9, {0, VT_INT32 | VT_REF}, none},
      {"margins without the right one", 29, num(30), none},
      {"line read into a number", 11, num(0), num_ref(&number)}, {"unlisted code 30", 30, num(1), num(2)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(cmd(c.code, c.a1, c.a2), 0) << c.what;
    EXPECT_EQ(text(), "keep this") << c.what;
    EXPECT_EQ(cmd(10), 40) << c.what;
    EXPECT_EQ(selection(), "2-4") << c.what;
    EXPECT_EQ(margins(), "3,3") << c.what;
  }
  EXPECT_EQ(number, 3);
  EXPECT_EQ(ctl_command(&parent, ID + 1, 18, 0, VT_NONE, 0, VT_NONE, 0, VT_NONE, 0, VT_NONE), 0);
  Window closed{};
  EXPECT_EQ(ctl_command(&closed, ID, 18, 0, VT_NONE, 0, VT_NONE, 0, VT_NONE, 0, VT_NONE), 0);
  DestroyWindow(control);
  make("BUTTON", 0, "Hello");
  EXPECT_EQ(cmd(18), 0) << "a button is not served";
}

TEST_F(EditCommand, CtlSendTargetsAHandleAVariableOrARecordAndReadsLparamAtItsWidth) {
  set_text("hello");
  HWND variable = control;
  Window closed{};
  auto at = [](const void* p) { return reinterpret_cast<ValueSlot>(p); };
  // A Window record as raw bytes: its first field is the window's handle. Length 0: no target.
  struct Case { const char* what; ValueSlot target; uint32_t type; int32_t id, length; } cases[] = {
      {"handle", handle_slot(), VT_INT32, 0, 5}, {"by reference", at(&variable), VT_INT32 | VT_REF, 0, 5},
      {"record and id", at(&parent), VT_RAW, ID, 5}, {"the record's own window", at(&parent), VT_RAW, 0, 8},
      {"a string", handle_slot(), VT_STRING, 0, 0}, {"no child with that id", at(&parent), VT_RAW, ID + 5, 0},
      {"closed record", at(&closed), VT_RAW, 0, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ctl_send(c.target, c.type, WM_GETTEXTLENGTH, 0, 0, VT_NONE, c.id), c.length) << c.what;

  char words[] = "new text";
  ctl_send(handle_slot(), VT_INT32, WM_SETTEXT, 0, at(words), VT_STRING | VT_REF, 0);
  EXPECT_EQ(text(), "new text");
  int32_t end = 3;
  ctl_send(handle_slot(), VT_INT32, EM_SETSEL, 1, at(&end), VT_INT32 | VT_REF, 0);
  EXPECT_EQ(selection(), "1-3");
  // A byte variable is read as one byte, whatever lies behind it.
  uint8_t bytes[4] = {5, 0xFF, 0xFF, 0xFF};
  ctl_send(handle_slot(), VT_INT32, EM_SETSEL, 0, at(bytes), VT_BYTE | VT_REF, 0);
  EXPECT_EQ(selection(), "0-5");
}
