// Describing dialogs: the record and template dlg_create fills, and the descriptions dlg_list_free frees. The
// title, controls and owner of a description are checked where dialogs run.
#include <gtest/gtest.h>

#include <string>

#include "runtime/gui/dialog_internal.h"
#include "tests/support/dialog_test.h"

namespace {
std::string units_text(const DialogRect& r) {
  return std::to_string(r.x) + "," + std::to_string(r.y) + " " + std::to_string(r.width) + "x" +
         std::to_string(r.height);
}

// The records live in the fixture: the dialog list keeps their addresses until dlg_list_free.
class DialogCreate : public GuiTest {
protected:
  Window dialog{};
  void TearDown() override {
    dlg_list_free();
    GuiTest::TearDown();
  }
};

// Describes two dialogs (one of them twice), runs them modal and modeless a few times, and frees the descriptions.
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
  dlg_list_free(); // an empty list: nothing to do, nothing freed twice
}
} // namespace

TEST(DialogUnits, EachEdgeIsScaledAndRoundedToTheNearestUnit) {
  struct Case { int32_t base_x, base_y, x, y, width, height; const char* units; } cases[] = {
      {6, 8, 25, 45, 55, 20, "17,45 36x20"}, // 16.7 .. 53.3: each edge on its own
      {8, 8, 1, 1, 1, 1, "1,1 0x1"},         // 0.5 and 1.0 both give 1: width 0
      {6, 8, -3, -5, 6, 10, "-2,-5 4x10"},   // negative positions
  };
  for (const Case& c : cases)
    EXPECT_EQ(units_text(dlg_units_from_pixels(c.base_x, c.base_y, c.x, c.y, c.width, c.height)), c.units)
        << c.x << "," << c.y << " " << c.width << "x" << c.height << " at " << c.base_x << "x" << c.base_y;
}

TEST_F(DialogCreate, FillsTheRecordAndTheTemplate) {
  Window& parent = open(10, 10, 200, 100, 0x70010);
  dialog.bk_mode = 2;
  dialog.paint_dc = reinterpret_cast<HDC>(1);
  ASSERT_EQ(dlg_create(&dialog, 0, 0, 100, 70, 0xC80000, &parent, "Search", EventLog::handler), 1);
  EXPECT_EQ(dialog.handle, nullptr);
  EXPECT_EQ(dialog.cursor, LoadCursorA(nullptr, IDC_ARROW));
  EXPECT_EQ(dialog.bk_mode, 0u) << "what was in the record is cleared";
  EXPECT_EQ(dialog.paint_dc, nullptr);
  ASSERT_NE(dialog.dialog, nullptr);
  const DialogTemplate* t = dialog.dialog;
  EXPECT_EQ(t->style, 0x90C800C0u);
  EXPECT_EQ(t->owner, parent.handle) << "the parent's handle, taken now";

  // The base units are those of "MS Sans Serif" of height 8, measured here on their own.
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT font = CreateFontA(8, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, DEFAULT_QUALITY, 0, "MS Sans Serif");
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  DeleteObject(SelectObject(dc, old));
  DeleteDC(dc);
  ASSERT_GT(tm.tmHeight, 1);
  EXPECT_EQ(t->base_x, tm.tmAveCharWidth + 1);
  EXPECT_EQ(t->base_y, tm.tmHeight);
  EXPECT_EQ(units_text({t->x, t->y, t->width, t->height}),
            units_text(dlg_units_from_pixels(t->base_x, t->base_y, 0, 0, 100, 70)));
}

TEST_F(DialogCreate, ListFreeAfterDialogsRanFreesEverything) {
  describe_run_and_free(); // the system's own first-use allocations happen here
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
  int before = busy_heap_blocks();
  describe_run_and_free();
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
  EXPECT_EQ(busy_heap_blocks(), before) << "templates, items, texts, list nodes and run templates all freed";
  EXPECT_EQ(runtime_dialog_windows(), 0);
}
