#include <gtest/gtest.h>

#include <string>

#include "tests/support/dialog_test.h"

namespace {
// Describes two dialogs, runs them modal and modeless a few times, and frees the descriptions.
void describe_run_and_free() {
  Window a{}, b{};
  dlg_create(&a, 0, 0, 200, 100, WS_CAPTION | WS_SYSMENU, nullptr, "Memory A", EventLog::handler);
  ctl_create(&a, KIND_EDIT, "some text", 5, 5, 120, 20, WS_TABSTOP, 2);
  ctl_create(&a, KIND_BUTTON, "OK", 5, 40, 60, 24, WS_TABSTOP | BS_DEFPUSHBUTTON, 1);
  dlg_create(&b, 0, 0, 100, 50, WS_CAPTION, nullptr, std::string(300, 'b').c_str(), nullptr);
  ctl_create(&b, KIND_STATIC, nullptr, 5, 5, 60, 16, 0, 3);
  ctl_create_class(&b, "BUTTON", "Check", 5, 25, 60, 16, BS_AUTOCHECKBOX, 0, 4);
  EventLog::get().on_event = [] {
    if (event_code == WM_INITDIALOG && !event_window->dialog->modeless)
      PostMessageA(event_window->handle, WM_SYSCOMMAND, SC_CLOSE, 0);
    return 0;
  };
  for (int run = 0; run < 3; ++run) {
    EXPECT_EQ(dlg_modal(&a, nullptr), 2);
    EXPECT_NE(dlg_show(&a, nullptr), nullptr);
    dlg_close(&a, 0);
    EXPECT_NE(dlg_show(&b, nullptr), nullptr);
    dlg_close(&b, 0);
  }
  EventLog::get().on_event = nullptr;
  dlg_list_free();
  EXPECT_EQ(a.dialog, nullptr);
  EXPECT_EQ(b.dialog, nullptr);
}
} // namespace

class DialogMemory : public GuiTest {};

TEST(DialogList, FreesEveryTemplateItemAndTextOnce) {
  Window a{}, b{}, c{};
  int before = busy_heap_blocks();
  a.dialog = static_cast<DialogTemplate*>(block_alloc(VT_BYTE, sizeof(DialogTemplate)));
  b.dialog = static_cast<DialogTemplate*>(block_alloc(VT_BYTE, sizeof(DialogTemplate)));
  append_item(a.dialog, "BUTTON", "Find Next", 0, 0, 0, 0, 0, 0, 1);
  append_item(a.dialog, "STATIC", nullptr, 0, 0, 0, 0, 0, 0, 2);
  for (Window* w : {&a, &b, &c}) dlg_list_add(w); // a record without a template is passed over
  EXPECT_EQ(busy_heap_blocks(), before + 8) << "2 templates, 2 items, 1 text, 3 list nodes";
  dlg_list_free();
  EXPECT_EQ(a.dialog, nullptr);
  EXPECT_EQ(b.dialog, nullptr);
  EXPECT_EQ(busy_heap_blocks(), before);
  dlg_list_free(); // an empty list: nothing to do, nothing freed twice
}

TEST_F(DialogMemory, ListFreeAfterDialogsRanFreesEverything) {
  describe_run_and_free(); // the system's own first-use allocations happen here
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
  int before = busy_heap_blocks();
  describe_run_and_free();
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
  EXPECT_EQ(busy_heap_blocks(), before) << "templates, items, texts, list nodes and run templates all freed";
  EXPECT_EQ(runtime_dialog_windows(), 0);
}
