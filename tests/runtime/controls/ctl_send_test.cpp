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
  EXPECT_EQ(ctl_send(handle_slot(), VT_INT32, WM_GETTEXTLENGTH, 0, 0, VT_NONE, 0), 5);
  EXPECT_EQ(ctl_send(handle_slot(), VT_UINT32, WM_GETTEXTLENGTH, 0, 0, VT_NONE, 0), 5);
  HWND variable = control;
  ValueSlot by_reference = reinterpret_cast<ValueSlot>(&variable);
  EXPECT_EQ(ctl_send(by_reference, VT_INT32 | VT_REF, WM_GETTEXTLENGTH, 0, 0, VT_NONE, 0), 5);
  // A Window record as raw bytes: its first field is the window's handle.
  EXPECT_EQ(ctl_send(reinterpret_cast<ValueSlot>(&parent), VT_RAW, WM_GETTEXTLENGTH, 0, 0, VT_NONE, ID), 5);
  EXPECT_EQ(ctl_send(reinterpret_cast<ValueSlot>(&parent), VT_RAW | VT_REF, WM_GETTEXTLENGTH, 0, 0, VT_NONE, ID), 5);
  EXPECT_EQ(ctl_send(reinterpret_cast<ValueSlot>(&parent), VT_RAW, WM_GETTEXTLENGTH, 0, 0, VT_NONE, 0), 8)
      << "the record's own window, titled controls";
  // No target: zero.
  EXPECT_EQ(ctl_send(handle_slot(), VT_STRING, WM_GETTEXTLENGTH, 0, 0, VT_NONE, 0), 0);
  EXPECT_EQ(ctl_send(0, VT_NONE, WM_GETTEXTLENGTH, 0, 0, VT_NONE, 0), 0);
  EXPECT_EQ(ctl_send(reinterpret_cast<ValueSlot>(&parent), VT_RAW, WM_GETTEXTLENGTH, 0, 0, VT_NONE, ID + 5), 0)
      << "no child with that id";
  Window closed{};
  EXPECT_EQ(ctl_send(reinterpret_cast<ValueSlot>(&closed), VT_RAW, WM_GETTEXTLENGTH, 0, 0, VT_NONE, 0), 0);

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
