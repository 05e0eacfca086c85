// ctl_send: messages to a window named by a typed argument.
#include "tests/runtime/controls/command_fixture.h"

namespace {
class CtlSend : public CommandTest {
protected:
  void SetUp() override {
    CommandTest::SetUp();
    make_edit("hello");
  }
  ValueSlot handle_slot() const { return static_cast<ValueSlot>(reinterpret_cast<uintptr_t>(control)); }
};
} // namespace

TEST_F(CtlSend, TargetByHandleReferenceOrRecordAndLparamAsGivenOrTheVariablesContent) {
  HWND variable = control;
  Window closed{};
  auto at = [](const void* p) { return reinterpret_cast<ValueSlot>(p); };
  // A Window record as raw bytes: its first field is the window's handle. Length 0: no target.
  struct Case { const char* what; ValueSlot target; uint32_t type; int32_t id, length; } cases[] = {
      {"handle", handle_slot(), VT_INT32, 0, 5},          {"unsigned handle", handle_slot(), VT_UINT32, 0, 5},
      {"by reference", at(&variable), VT_INT32 | VT_REF, 0, 5}, {"record and id", at(&parent), VT_RAW, ID, 5},
      {"record by reference", at(&parent), VT_RAW | VT_REF, ID, 5},
      {"the record's own window, titled controls", at(&parent), VT_RAW, 0, 8},
      {"a string", handle_slot(), VT_STRING, 0, 0},       {"nothing", 0, VT_NONE, 0, 0},
      {"no child with that id", at(&parent), VT_RAW, ID + 5, 0}, {"closed record", at(&closed), VT_RAW, 0, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ctl_send(c.target, c.type, WM_GETTEXTLENGTH, 0, 0, VT_NONE, c.id), c.length) << c.what;

  char words[] = "new text";
  ctl_send(handle_slot(), VT_INT32, WM_SETTEXT, 0, reinterpret_cast<ValueSlot>(words), VT_STRING | VT_REF, 0);
  EXPECT_EQ(text(), "new text");

  int32_t end = 3;
  ctl_send(handle_slot(), VT_INT32, EM_SETSEL, 1, reinterpret_cast<ValueSlot>(&end), VT_INT32 | VT_REF, 0);
  DWORD start = 0, stop = 0;
  SendMessageA(control, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&stop));
  EXPECT_EQ(start, 1u);
  EXPECT_EQ(stop, 3u);

  // A byte variable is read as one byte, whatever lies behind it.
  uint8_t bytes[4] = {5, 0xFF, 0xFF, 0xFF};
  ctl_send(handle_slot(), VT_INT32, EM_SETSEL, 0, reinterpret_cast<ValueSlot>(bytes), VT_BYTE | VT_REF, 0);
  SendMessageA(control, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&stop));
  EXPECT_EQ(stop, 5u);
}
