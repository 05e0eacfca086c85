// What a window's record owns goes with the window, once, however often windows come and go.
#include <gtest/gtest.h>

#include "tests/runtime/gui/gui_helpers.h"

namespace {
// Draws with every operation that makes objects for the record.
void draw_a_little(Window* w) {
  win_front_pen(w, make_rgb(200, 255, 255));
  win_back_pen(w, make_rgb(34, 85, 136));
  win_set_font(w, "", 7, 400, 0, 0);
  win_move(w, 1, 6);
  win_print(2, VT_WINDOW, w, VT_STRING, " 12");
  win_box(w, 2, 2, 20, 10, kRed, kBlue);
  win_box(w, 4, 4, 10, 5, COLOR_NONE, kGreen);
}
} // namespace

using Ownership = GuiTest;

TEST_F(Ownership, CloseDeletesThePenFontBitmapAndAcceleratorTableAlsoOfChildren) {
  Window w{};
  ASSERT_EQ(win_open(&w, 0, 0, 200, 150, 0x80, nullptr, "own", nullptr), 1);
  draw_a_little(&w);
  accel_add(&w, FVIRTKEY | FCONTROL, 'T', 16);
  accel_add(&w, FVIRTKEY | FCONTROL, 'E', 17);
  HGDIOBJ objects[] = {w.pen, w.font, w.back_bitmap};
  HACCEL accel = static_cast<HACCEL>(GetPropA(w.handle, ACCEL_PROPERTY));
  ASSERT_TRUE(accel && w.back_bitmap && !deleted(w.pen) && !deleted(w.font));
  win_close(&w);
  for (HGDIOBJ o : objects) EXPECT_TRUE(deleted(o)) << o;
  EXPECT_EQ(CopyAcceleratorTableA(accel, nullptr, 0), 0) << "accelerator table destroyed";
  EXPECT_EQ(w.pen, nullptr) << "cleared, so no later release deletes a reused handle";
  EXPECT_EQ(w.font, nullptr);
  EXPECT_EQ(w.back_bitmap, nullptr);
  EXPECT_EQ(win_close(&w), 0) << "closing twice does nothing";

  // Child windows closed with their parent, and windows the system destroys, release their objects.
  Window parent{}, child{}, other{};
  ASSERT_EQ(win_open(&parent, 0, 0, 300, 200, 0x70010, nullptr, "parent", nullptr), 1);
  ASSERT_EQ(win_open(&child, 0, 0, 100, 100, 0x800000, &parent, "", nullptr), 1);
  ASSERT_EQ(win_open(&other, 0, 0, 100, 100, 0, nullptr, "", nullptr), 1);
  draw_a_little(&child);
  draw_a_little(&other);
  HGDIOBJ released[] = {child.pen, child.back_bitmap, other.pen, other.font, other.back_bitmap};
  win_close(&parent);
  DestroyWindow(other.handle);
  EXPECT_EQ(child.handle, nullptr);
  EXPECT_EQ(other.handle, nullptr);
  for (HGDIOBJ o : released) EXPECT_TRUE(deleted(o)) << o;
}

// Wine's handle tables are finite: a leak of one object per cycle would exhaust them long before the end.
TEST_F(Ownership, TwentyThousandOpenDrawCloseCyclesLeaveTheProcessHealthy) {
  Window parent{};
  ASSERT_EQ(win_open(&parent, 0, 0, 400, 300, 0x70010, nullptr, "cycles", nullptr), 1);
  ShowWindow(parent.handle, SW_HIDE); // the children then cost no painting
  for (int i = 0; i < 20000; ++i) {
    Window w{};
    ASSERT_EQ(win_open(&w, i % 50, i % 40, 120, 90, (i & 1) ? 0x80 : 0x800010, &parent, "", nullptr), 1)
        << "cycle " << i;
    draw_a_little(&w);
    accel_add(&w, FVIRTKEY | FCONTROL, 'T', 16);
    win_close(&w);
  }
  for (int i = 0; i < 200; ++i) {
    Window top{};
    ASSERT_EQ(win_open(&top, 0, 0, 120, 90, 0x80, nullptr, "top", nullptr), 1) << "top-level cycle " << i;
    draw_a_little(&top);
    win_close(&top);
  }
  win_close(&parent);

  // The process still makes windows and GDI objects.
  Window& w = open(0, 0, 120, 90, 0);
  HPEN pen = CreatePen(PS_SOLID, 1, 0);
  HBITMAP bitmap = CreateBitmap(16, 16, 1, 32, nullptr);
  EXPECT_TRUE(pen && bitmap && w.back_bitmap && w.pen && w.font);
  DeleteObject(pen);
  DeleteObject(bitmap);
}
