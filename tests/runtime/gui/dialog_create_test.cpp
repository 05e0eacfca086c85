#include <gtest/gtest.h>

#include <string>

#include "runtime/gui/dialog_internal.h"
#include "tests/support/dialog_helpers.h"
#include "tests/support/event_log.h"

namespace {
// The base units of "MS Sans Serif" of height 8, measured here on their own.
void measured_units(int32_t* bx, int32_t* by) {
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT font = CreateFontA(8, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, DEFAULT_QUALITY, 0, "MS Sans Serif");
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  DeleteObject(font);
  DeleteDC(dc);
  *bx = tm.tmAveCharWidth + 1;
  *by = tm.tmHeight;
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
} // namespace

TEST(DialogUnits, EdgesAreScaledAndRoundedToTheNearestUnit) {
  struct Case { int32_t base_x, base_y, x, y, width, height; const char* units; } cases[] = {
      {6, 8, 0, 0, 100, 70, "0,0 67x70"},    // the search dialog
      {8, 16, 16, 32, 40, 16, "8,16 20x8"},  // a control at 16, 32
      {6, 8, 25, 45, 55, 20, "17,45 36x20"}, // 16.7 .. 53.3: each edge on its own
      {6, 8, 15, 15, 70, 20, "10,15 47x20"}, // 10 .. 56.7
      {8, 8, 1, 1, 1, 1, "1,1 0x1"},         // 0.5 and 1.0 both give 1: width 0
      {6, 8, -3, -5, 6, 10, "-2,-5 4x10"},   // negative positions
  };
  for (const Case& c : cases) {
    DialogRect r = dlg_units_from_pixels(c.base_x, c.base_y, c.x, c.y, c.width, c.height);
    std::string units = std::to_string(r.x) + "," + std::to_string(r.y) + " " + std::to_string(r.width) + "x" +
                        std::to_string(r.height);
    EXPECT_EQ(units, c.units) << c.x << "," << c.y << " " << c.width << "x" << c.height << " at " << c.base_x
                              << "x" << c.base_y;
  }
}

TEST_F(DialogCreate, FillsTheRecordAndTheTemplate) {
  Window& parent = open(10, 10, 200, 100, 0x70010);
  dialog.bk_mode = 2;
  dialog.paint_dc = reinterpret_cast<HDC>(1);
  ASSERT_EQ(dlg_create(&dialog, 0, 0, 100, 70, 0xC80000, &parent, "Search", EventLog::handler), 1);
  EXPECT_EQ(dialog.handle, nullptr);
  EXPECT_EQ(dialog.handler, &EventLog::handler);
  EXPECT_EQ(dialog.is_dialog, 1u);
  EXPECT_EQ(dialog.dialog_keys, 1u);
  EXPECT_EQ(dialog.pen_width, 1);
  EXPECT_EQ(dialog.cursor, LoadCursorA(nullptr, IDC_ARROW));
  EXPECT_EQ(dialog.bk_mode, 0u) << "what was in the record is cleared";
  EXPECT_EQ(dialog.paint_dc, nullptr);
  ASSERT_NE(dialog.dialog, nullptr);
  const DialogTemplate* t = dialog.dialog;
  EXPECT_EQ(t->style, 0x90C800C0u);
  EXPECT_EQ(t->ex_style, 0u);
  EXPECT_STREQ(t->title, "Search");
  EXPECT_EQ(t->owner, parent.handle) << "the parent's handle, taken now";
  EXPECT_EQ(t->controls, nullptr);
  EXPECT_EQ(t->modeless, 0u);
  int32_t bx = 0, by = 0;
  measured_units(&bx, &by);
  ASSERT_GT(bx * by, 1);
  EXPECT_EQ(t->base_x, bx);
  EXPECT_EQ(t->base_y, by);
  DialogRect frame = dlg_units_from_pixels(bx, by, 0, 0, 100, 70);
  EXPECT_EQ(t->x, frame.x);
  EXPECT_EQ(t->y, frame.y);
  EXPECT_EQ(t->width, frame.width);
  EXPECT_EQ(t->height, frame.height);
}

TEST_F(DialogCreate, DescribingARecordAgainReplacesItsDescription) {
  int before = busy_heap_blocks();
  dlg_create(&dialog, 0, 0, 100, 70, 0, nullptr, "First", nullptr);
  append_item(dialog.dialog, "EDIT", "text", 0x50000000, 0, 0, 0, 10, 10, 1);
  dlg_create(&dialog, 0, 0, 100, 70, 0, nullptr, "Second", nullptr);
  EXPECT_STREQ(dialog.dialog->title, "Second");
  EXPECT_EQ(dialog.dialog->controls, nullptr);
  dlg_list_free();
  EXPECT_EQ(dialog.dialog, nullptr);
  EXPECT_EQ(busy_heap_blocks(), before) << "the first template, its item and text are freed too";
}
