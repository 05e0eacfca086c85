#include <gtest/gtest.h>

#include "tests/support/dialog_test.h"

// The search dialog as the editor describes it, with the runtime's controls.
class DialogControls : public GuiTest {
protected:
  Window owner{};
  Window search{};
  Window other{}; // dialog records stay listed until TearDown
  void SetUp() override {
    GuiTest::SetUp();
    ASSERT_EQ(win_open(&owner, 50, 50, 640, 480, 0x70010, nullptr, "Editor", nullptr), 1);
    ASSERT_EQ(dlg_create(&search, 0, 0, 100, 70, 0xC80000, &owner, "Search", EventLog::handler), 1);
    ctl_create(&search, KIND_EDIT, "", 15, 15, 70, 20, 0x10080, 2);
    ctl_create(&search, KIND_BUTTON, "Find Next", 25, 45, 55, 20, 0x10000, 1);
  }
  void TearDown() override {
    if (search.handle) dlg_close(&search, 0);
    win_close(&owner);
    dlg_list_free();
    GuiTest::TearDown();
  }
};

TEST_F(DialogControls, EachControlGetsItsKindsProcedureAndColours) {
  ASSERT_NE(dlg_show(&search, nullptr), nullptr);
  EXPECT_EQ(GetWindow(search.handle, GW_OWNER), owner.handle) << "the parent given to dlg_create";
  HWND edit = GetDlgItem(search.handle, 2);
  HWND button = GetDlgItem(search.handle, 1);
  ASSERT_NE(edit, nullptr);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(edit, GWLP_WNDPROC)), ctl_proc_common);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(button, GWLP_WNDPROC)), ctl_proc_button);
  EXPECT_NE(GetPropA(edit, "LPFN"), nullptr);
  EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);

  // The dialog answers a control's colour request with that control's brush.
  HANDLE brush = GetPropA(edit, "BBRUSH");
  ASSERT_NE(brush, nullptr);
  HDC dc = GetDC(edit);
  EXPECT_EQ(reinterpret_cast<HANDLE>(SendMessageA(search.handle, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                                  reinterpret_cast<LPARAM>(edit))),
            brush);
  EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_WINDOW));
  ReleaseDC(edit, dc);
}

TEST_F(DialogControls, ControlsAddedWhileRunningAppearFromTheNextRun) {
  ASSERT_NE(dlg_show(&search, nullptr), nullptr);
  ctl_create(&search, KIND_STATIC, "later", 5, 5, 40, 10, 0, 9);
  EXPECT_EQ(GetDlgItem(search.handle, 9), nullptr);
  dlg_close(&search, 0);
  ASSERT_NE(dlg_show(&search, nullptr), nullptr);
  EXPECT_NE(GetDlgItem(search.handle, 9), nullptr);
}

TEST_F(DialogControls, FlaggedButtonBecomesTheDefault) {
  ASSERT_EQ(dlg_create(&other, 0, 0, 200, 100, WS_CAPTION, nullptr, "Default", nullptr), 1);
  ctl_create(&other, KIND_BUTTON, "One", 10, 10, 60, 24, BS_DEFPUSHBUTTON, 5);
  ctl_create(&other, KIND_BUTTON, "Two", 80, 10, 60, 24, 0, 6);
  ASSERT_NE(dlg_show(&other, nullptr), nullptr);
  LRESULT def = SendMessageA(other.handle, DM_GETDEFID, 0, 0);
  EXPECT_EQ(HIWORD(def), DC_HASDEFID);
  EXPECT_EQ(LOWORD(def), 5);
  dlg_close(&other, 0);

  // The search dialog's button has no flag: Enter gives the dialog's
  // IDOK (1), which is the button's own id there.
  ASSERT_NE(dlg_show(&search, nullptr), nullptr);
  ctl_set_focus(&search, 2);
  PostMessageA(GetDlgItem(search.handle, 2), WM_KEYDOWN, VK_RETURN, 0x001C0001);
  EXPECT_TRUE(pump_until([&] { return log.last(EV_COMMAND) && log.last(EV_COMMAND)->id == 1; }, 5000));
}
