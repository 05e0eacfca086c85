#include <gtest/gtest.h>

#include "runtime/controls/controls_internal.h"
#include "tests/support/dialog_test.h"
#include "tests/support/wait.h"

using DialogControls = DialogTest;

TEST_F(DialogControls, ControlsGetTheirProceduresAndTheDialogReflectsColoursAndDrawing) {
  ASSERT_NE(dlg_show(&dlg, nullptr), nullptr);
  UpdateWindow(dlg.handle);
  HWND edit = GetDlgItem(dlg.handle, kEdit), button = GetDlgItem(dlg.handle, kButton);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(edit, GWLP_WNDPROC)), ctl_proc_common);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(button, GWLP_WNDPROC)), ctl_proc_button);
  EXPECT_EQ(log.count(WM_DRAWITEM), 0) << "the button's drawing goes to the button";

  // The dialog answers a colour request with the control's own brush.
  HDC dc = GetDC(edit);
  LRESULT answer = SendMessageA(dlg.handle, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit));
  EXPECT_EQ(reinterpret_cast<HANDLE>(answer), GetPropA(edit, "BBRUSH"));
  EXPECT_EQ(log.count(WM_CTLCOLOREDIT), 0) << "the Handler never sees it";
  ReleaseDC(edit, dc);
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_MENU;
  SendMessageA(dlg.handle, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(log.count(WM_DRAWITEM), 1) << "id 0 (a menu item) is no control's: the Handler has it";
}

// The editor's search dialog: its button has no flag, so Enter gives IDOK (1), the button's own id. The message
// loop hands the keys to the dialog manager, and what it took is not dispatched again.
TEST_F(DialogControls, TheParentOwnsTheDialogAndEnterWithoutADefaultGivesIdOkOnce) {
  Window& owner = open(50, 50, 640, 480, 0x70010);
  ASSERT_EQ(dlg_create(&other, 0, 0, 100, 70, 0xC80000, &owner, "Search", EventLog::handler), 1);
  ctl_create(&other, KIND_EDIT, "", 15, 15, 70, 20, 0x10080, 2);
  ctl_create(&other, KIND_BUTTON, "Find Next", 25, 45, 55, 20, 0x10000, 1);
  ASSERT_NE(dlg_show(&other, nullptr), nullptr);
  EXPECT_EQ(GetWindow(other.handle, GW_OWNER), owner.handle) << "the parent given to dlg_create";
  ctl_set_focus(&other, 2);
  PostMessageA(GetDlgItem(other.handle, 2), WM_KEYDOWN, VK_RETURN, 0x001C0001);
  PostMessageA(GetDlgItem(other.handle, 2), WM_KEYUP, VK_RETURN, 0xC01C0001);
  auto find_next = [&] {
    int n = 0;
    for (const EventSnap& e : log.events) n += e.code == EV_COMMAND && e.id == 1 && e.window == &other;
    return n;
  };
  ASSERT_TRUE(wait_until([&] { msg_wait(1); return find_next() > 0 && GetQueueStatus(QS_ALLINPUT) == 0; }, 5000));
  EXPECT_EQ(find_next(), 1);
}
