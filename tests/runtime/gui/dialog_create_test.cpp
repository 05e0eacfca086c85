// Describing dialogs: the dialog dlg_create describes, and the descriptions dlg_list_free frees.
#include <gtest/gtest.h>

#include <string>

#include "runtime/gui/dialog_internal.h"
#include "tests/support/dialog_test.h"
#include "tests/support/heap_blocks.h"

namespace {
// The records live in the fixture: the dialog list keeps their addresses until dlg_list_free.
class DialogCreate : public GuiTest {
protected:
  Window dialog{};
  void TearDown() override {
    dlg_list_free();
    GuiTest::TearDown();
  }
};

// Describes two dialogs (one of them twice), runs them modal and modeless, and frees the descriptions.
void describe_run_and_free() {
  Window a{}, b{};
  dlg_create(&a, 0, 0, 200, 100, 0, nullptr, "Replaced", nullptr);
  ctl_create(&a, KIND_STATIC, "replaced", 5, 5, 40, 10, 0, 9);
  dlg_create(&a, 0, 0, 200, 100, WS_CAPTION | WS_SYSMENU, nullptr, "Memory A", EventLog::handler);
  ASSERT_EQ(a.dialog->controls, nullptr) << "describing a record again replaces its description";
  ctl_create(&a, KIND_EDIT, "some text", 5, 5, 120, 20, WS_TABSTOP, 2);
  ctl_create(&a, KIND_BUTTON, "OK", 5, 40, 60, 24, WS_TABSTOP | BS_DEFPUSHBUTTON, 1);
  dlg_create(&b, 0, 0, 100, 50, WS_CAPTION, nullptr, std::string(300, 'b').c_str(), nullptr);
  ctl_create(&b, KIND_STATIC, nullptr, 5, 5, 60, 16, 0, 3);
  ctl_create_class(&b, "BUTTON", "Check", 5, 25, 60, 16, BS_AUTOCHECKBOX, 0, 4);
  EventLog::get().on_event = [] {
    if (event_code == WM_INITDIALOG && !event_window->dialog->modeless)
      PostMessageA(event_window->handle, WM_SYSCOMMAND, SC_CLOSE, 0);
    return dialog_guard() ? 1 : 0;
  };
  EXPECT_EQ(dlg_modal(&a, nullptr), 2);
  EXPECT_NE(dlg_show(&a, nullptr), nullptr);
  dlg_close(&a, 0);
  EXPECT_NE(dlg_show(&b, nullptr), nullptr);
  dlg_close(&b, 0);
  EventLog::get().on_event = nullptr;
  dlg_list_free();
  EXPECT_EQ(a.dialog, nullptr);
  EXPECT_EQ(b.dialog, nullptr);
  dlg_list_free(); // an empty list: nothing to do, nothing freed twice
}
} // namespace

// A dialog described twice as large in pixels runs twice as large, to a dialog unit.
TEST_F(DialogCreate, ARunningDialogHasTheProportionsAndStylesItWasDescribedWith) {
  Window large{};
  RECT client[2];
  Window* records[2] = {&dialog, &large};
  dialog.bk_mode = 2;
  for (int i = 0; i < 2; ++i) {
    ASSERT_EQ(dlg_create(records[i], 0, 0, 100 * (i + 1), 70 * (i + 1), 0xC80000, nullptr, "Search", nullptr), 1);
    ASSERT_NE(dlg_show(records[i], nullptr), nullptr);
    GetClientRect(records[i]->handle, &client[i]);
  }
  EXPECT_EQ(dialog.bk_mode, 0u) << "what was in the record is cleared";
  EXPECT_NEAR(client[1].right, 2 * client[0].right, 3);
  EXPECT_NEAR(client[1].bottom, 2 * client[0].bottom, 3);
  const DWORD wanted = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(dialog.handle, GWL_STYLE)) & wanted, wanted);
  for (Window* w : records) dlg_close(w, 0);
}

TEST_F(DialogCreate, ListFreeAfterDialogsRanFreesEverything) {
  describe_run_and_free(); // the system's own first-use allocations happen here
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
  int before = busy_blocks(GetProcessHeap());
  describe_run_and_free();
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
  EXPECT_EQ(busy_blocks(GetProcessHeap()), before) << "templates, items, texts, list nodes and run templates all freed";
  EXPECT_EQ(runtime_dialog_windows(), 0);
}
