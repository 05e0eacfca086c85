#include <gtest/gtest.h>

#include <string>

#include "tests/runtime/gui/gui_helpers.h"
#include "tests/support/dialog_test.h"
#include "tests/support/temp_text.h"

namespace {
// The control operations on a record of either sort, open or closed.
void check_text_and_focus(Window* record, int32_t edit_id, bool is_dialog) {
  if (!record->handle) {
    EXPECT_EQ(take(ctl_get_text(record, edit_id)), "");
    EXPECT_EQ(ctl_set_text(record, edit_id, "x") + ctl_set_focus(record, edit_id) + ctl_set_focus(record, 0), 0);
    return;
  }
  HWND edit = GetDlgItem(record->handle, edit_id);
  ASSERT_NE(edit, nullptr);
  std::string long_text(5000, 'q');
  for (const std::string& text : {std::string("xyz"), long_text, std::string()}) {
    EXPECT_EQ(ctl_set_text(record, edit_id, text.c_str()), 0);
    EXPECT_EQ(GetWindowTextLengthA(edit), static_cast<int>(text.size())) << "in the control itself";
    EXPECT_EQ(take(ctl_get_text(record, edit_id)), text) << "a new temporary each time";
  }
  EXPECT_EQ(take(ctl_get_text(record, 77)), "") << "no control with that id";
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
} // namespace

using ControlText = DialogTest;

TEST_F(ControlText, OnAWindowAndOnADialog) {
  Window& w = open(20, 20, 300, 200, 0x70010);
  make_child(w.handle, "EDIT", 3, WS_VISIBLE | ES_AUTOHSCROLL);
  SetForegroundWindow(w.handle);
  check_text_and_focus(&w, 3, false);
  win_close(&w);
  check_text_and_focus(&w, 3, false);

  check_text_and_focus(&dlg, kEdit, true); // described, not running
  ASSERT_NE(dlg_show(&dlg, nullptr), nullptr);
  check_text_and_focus(&dlg, kEdit, true);
  dlg_close(&dlg, 0);
  check_text_and_focus(&dlg, kEdit, true);
}
