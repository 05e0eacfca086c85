#include <gtest/gtest.h>

#include <windows.h>

#include "tests/runtime/gui/gui_helpers.h"
#include "tests/support/temp_text.h"

using WindowOpen = GuiTest;

TEST_F(WindowOpen, ClosedAndDialogRecordsAreLeftAlone) {
  Window w{};
  int32_t x = 9, y = 9, cx = 9, cy = 9;
  EXPECT_EQ(win_client_size(&w, &x, &y, &cx, &cy), 0);
  EXPECT_EQ(x + y + cx + cy, 0);
  for (int result : {win_close(&w), win_center(&w), ctl_handle(&w, 1), ctl_move(&w, 0, 0, 1, 1, 0),
                     ctl_show(&w, SW_HIDE, 0), menu_attach(&w, nullptr), timer_start(&w, 10, 1, nullptr),
                     win_move(&w, 1, 2), win_front_pen(&w, 0xFF), win_back_pen(&w, 0xFF),
                     win_set_font(&w, "Arial", 12, 400, 0, 0), win_box(&w, 0, 0, 5, 5, 0xFF, 0xFF),
                     ctl_set_text(&w, 1, "x"), ctl_set_focus(&w, 1), ctl_set_focus(&w, 0)})
    EXPECT_EQ(result, 0);
  EXPECT_EQ(take(ctl_get_text(&w, 1)), "");
  EXPECT_EQ(accel_add(&w, 9, 'T', 16), 0) << "an accelerator for a closed record is refused";
  EXPECT_EQ(begin_draw(&w), nullptr);
  end_draw(&w, nullptr, 1);
  EXPECT_EQ(w.pen, nullptr) << "nothing made that no window would free";
  EXPECT_EQ(w.font, nullptr);

  Window& dialog = open(0, 0, 100, 100, 0x10);
  dialog.is_dialog = 1;
  EXPECT_EQ(win_close(&dialog), 0);
  EXPECT_TRUE(IsWindow(dialog.handle)) << "win_close leaves a dialog's record to dlg_close";
  dialog.is_dialog = 0;
}

// The editor's field is reached through these (layout, focus, text: the editor's tests); what they do
// for an id that names no control is seen here.
TEST_F(WindowOpen, AnIdThatNamesNoControlGetsNothingAndTakesNothing) {
  Window& w = open(0, 0, 300, 200, 0x70010);
  HWND edit = make_child(w.handle, "EDIT", 7, WS_VISIBLE | ES_AUTOHSCROLL);
  EXPECT_EQ(ctl_handle(&w, 7), 1);
  EXPECT_EQ(ctl_handle(&w, 8), 0);
  EXPECT_EQ(take(ctl_get_text(&w, 8)), "");
  SetForegroundWindow(w.handle);
  EXPECT_EQ(ctl_set_focus(&w, 7), 0);
  ctl_set_focus(&w, 8);
  EXPECT_EQ(GetFocus(), edit) << "a missing control takes nothing";
  ctl_set_focus(&w, 0);
  EXPECT_EQ(GetFocus(), w.handle) << "id 0: the window itself";
}

// (Centring on the owner and on the work area: the Search dialog's and the editor window's own tests.)
TEST_F(WindowOpen, ACentredWindowIsPulledOntoTheWorkAreasRightEdge) {
  RECT work, r;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  Window& owner = open(work.right - 150, 100, 140, 100, 0x10);
  Window& w = open(0, 0, 300, 120, 0x10);
  SetWindowLongPtrA(w.handle, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner.handle)); // owned
  win_center(&w);
  GetWindowRect(w.handle, &r);
  EXPECT_EQ(r.right, work.right);
}
