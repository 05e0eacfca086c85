#include <gtest/gtest.h>

#include "tests/support/dialog_test.h"

using DialogRun = DialogTest;

TEST_F(DialogRun, ModalCloseBoxGivesTwoWithOneCloseRequestAndDlgCloseGivesItsResult) {
  script = [this] {
    if (event_code == WM_INITDIALOG) PostMessageA(dlg.handle, WM_SYSCOMMAND, SC_CLOSE, 0); // the close box
    return 0;
  };
  EXPECT_EQ(dlg_modal(&dlg, nullptr), 2);
  EXPECT_EQ(log.count(EV_CLOSE), 1);
  EXPECT_EQ(dlg.handle, nullptr);
  EXPECT_EQ(runtime_dialog_windows(), 0);
  msg_wait(1);
  // A Cancel command is a click (notification 0); an edit field's own notifications are not.
  for (const EventSnap& e : log.events)
    EXPECT_FALSE(e.code == EV_MENU || (e.code == EV_COMMAND && e.notify == BN_CLICKED)) << "a Cancel command followed";

  log.events.clear();
  HWND during = nullptr;
  HGDIOBJ pen = nullptr;
  script = [&] {
    if (event_code == WM_INITDIALOG) {
      during = dlg.handle;
      EXPECT_NE(GetDlgItem(dlg.handle, kEdit), nullptr) << "controls exist at initialisation";
      SetTimer(dlg.handle, 1, 10, nullptr);
    }
    if (event_code == WM_TIMER && event_wparam == 1) {
      KillTimer(dlg.handle, 1);
      win_front_pen(&dlg, make_rgb(10, 20, 30));
      pen = dlg.pen;
      dlg_close(event_window, 7);
      EXPECT_EQ(dlg.handle, nullptr) << "dlg_close clears the handle at once";
    }
    return 0;
  };
  EXPECT_EQ(dlg_modal(&dlg, nullptr), 7);
  ASSERT_NE(during, nullptr);
  EXPECT_FALSE(IsWindow(during));
  ASSERT_NE(pen, nullptr);
  EXPECT_EQ(GetObjectType(pen), 0u) << "the pen left on a modal dialog's record goes with it";
  EXPECT_EQ(dlg.pen, nullptr);
  for (const EventSnap& e : log.events) EXPECT_EQ(e.window, &dlg) << "event " << std::hex << e.code;
}

TEST_F(DialogRun, ARunningDialogIsShownOnceSizedAndTakesItsDrawingObjectsAlong) {
  HWND first = dlg_show(&dlg, nullptr);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(dlg_show(&dlg, nullptr), first);
  EXPECT_EQ(runtime_dialog_windows(), 1);
  EXPECT_EQ(dlg_modal(&dlg, nullptr), -1) << "no modal run of a running record";

  log.events.clear();
  SetWindowPos(dlg.handle, nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
  ASSERT_TRUE(log.count(EV_SIZE) == 1 && log.count(WM_SIZE) == 1);
  EXPECT_LT(log.last(EV_SIZE), log.last(WM_SIZE)) << "the size event comes before the system's WM_SIZE";

  win_front_pen(&dlg, make_rgb(10, 20, 30));
  win_set_font(&dlg, "", 9, 700, 0, 0);
  HGDIOBJ pen = dlg.pen, font = dlg.font;
  ASSERT_EQ(GetObjectType(pen), static_cast<DWORD>(OBJ_PEN));
  ASSERT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
  dlg_close(&dlg, 0);
  EXPECT_EQ(GetObjectType(pen), 0u) << "the pen and font left on the record go with the dialog";
  EXPECT_EQ(GetObjectType(font), 0u);
  EXPECT_EQ(dlg.pen, nullptr);
}

TEST_F(DialogRun, WindowsClosedRecordsAndADialogClosedWhileStartingAreNotRun) {
  Window& plain = open(10, 10, 100, 100, 0x70010);
  EXPECT_EQ(dlg_modal(&plain, nullptr), 0);
  EXPECT_EQ(dlg_show(&plain, nullptr), nullptr);
  EXPECT_EQ(dlg_close(&plain, 0), 0);
  EXPECT_TRUE(IsWindow(plain.handle)) << "dlg_close leaves windows alone";
  EXPECT_EQ(dlg_close(&dlg, 0), 0) << "a described dialog that is not running";

  HWND seen_at_init = nullptr;
  script = [&] {
    if (event_code == WM_INITDIALOG) {
      seen_at_init = event_window->handle;
      dlg_close(event_window, 0);
    }
    return 0;
  };
  EXPECT_EQ(dlg_show(&dlg, nullptr), nullptr);
  ASSERT_NE(seen_at_init, nullptr);
  EXPECT_FALSE(IsWindow(seen_at_init)) << "destroyed, not left hidden";
  EXPECT_EQ(runtime_dialog_windows(), 0);
}
