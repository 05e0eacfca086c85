#include <gtest/gtest.h>

#include <string>

#include "tests/support/dialog_test.h"
#include "tests/support/temp_text.h"

namespace {
// The control operations on an open record of either sort.
void check_text_and_focus(Window* record, int32_t edit_id, bool is_dialog) {
  HWND edit = GetDlgItem(record->handle, edit_id);
  ASSERT_NE(edit, nullptr);
  SetWindowTextA(edit, "abc");
  EXPECT_EQ(take(ctl_get_text(record, edit_id)), "abc");
  char* first = ctl_get_text(record, edit_id);
  char* second = ctl_get_text(record, edit_id);
  EXPECT_NE(first, second) << "a new temporary each time";
  take(first);
  take(second);
  EXPECT_EQ(take(ctl_get_text(record, 77)), "") << "no control with that id";

  EXPECT_EQ(ctl_set_text(record, edit_id, "xyz"), 0);
  char text[16] = "";
  GetWindowTextA(edit, text, sizeof text);
  EXPECT_STREQ(text, "xyz");
  std::string long_text(5000, 'q');
  ctl_set_text(record, edit_id, long_text.c_str());
  EXPECT_EQ(take(ctl_get_text(record, edit_id)), long_text);
  ctl_set_text(record, edit_id, "");
  EXPECT_EQ(take(ctl_get_text(record, edit_id)), "");
  EXPECT_EQ(ctl_set_text(record, 77, "ignored"), 0);

  EXPECT_EQ(ctl_set_focus(record, edit_id), 0);
  EXPECT_EQ(GetFocus(), edit);
  EXPECT_EQ(ctl_set_focus(record, 0), 0);
  if (is_dialog) // the dialog manager hands its focus on to a control
    EXPECT_TRUE(GetFocus() == record->handle || IsChild(record->handle, GetFocus()));
  else
    EXPECT_EQ(GetFocus(), record->handle) << "id 0: the window itself";
  ctl_set_focus(record, edit_id);
  EXPECT_EQ(ctl_set_focus(record, 77), 0);
  EXPECT_EQ(GetFocus(), edit) << "a missing control takes nothing";
}

void check_closed(Window* record, int32_t edit_id) {
  EXPECT_EQ(take(ctl_get_text(record, edit_id)), "");
  EXPECT_EQ(ctl_set_text(record, edit_id, "x"), 0);
  EXPECT_EQ(ctl_set_focus(record, edit_id), 0);
  EXPECT_EQ(ctl_set_focus(record, 0), 0);
}
} // namespace

class ControlText : public DialogTest {};

TEST_F(ControlText, OnAWindow) {
  Window w{};
  ASSERT_EQ(win_open(&w, 20, 20, 300, 200, 0x70010, nullptr, "Text", nullptr), 1);
  CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 5, 5, 200, 20, w.handle,
                  reinterpret_cast<HMENU>(3), nullptr, nullptr);
  SetForegroundWindow(w.handle);
  check_text_and_focus(&w, 3, false);
  win_close(&w);
  check_closed(&w, 3);
}

TEST_F(ControlText, OnADialog) {
  check_closed(&dlg, kEdit); // described, not running
  ASSERT_NE(dlg_show(&dlg, nullptr), nullptr);
  check_text_and_focus(&dlg, kEdit, true);
  dlg_close(&dlg, 0);
  check_closed(&dlg, kEdit);
}
