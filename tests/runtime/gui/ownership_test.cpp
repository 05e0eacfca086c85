// What a window's record owns goes with the window, once, however often
// windows come and go.
#include <gtest/gtest.h>

#include "tests/support/event_log.h"

namespace {
// Draws with every operation that makes objects for the record.
void draw_a_little(Window* w) {
  win_front_pen(w, make_rgb(200, 255, 255));
  win_back_pen(w, make_rgb(34, 85, 136));
  win_set_font(w, "", 7, 400, 0, 0);
  win_move(w, 1, 6);
  win_print(2, VT_WINDOW, w, VT_STRING, " 12");
  win_box(w, 2, 2, 20, 10, make_rgb(255, 0, 0), make_rgb(0, 0, 255));
  win_box(w, 4, 4, 10, 5, COLOR_NONE, make_rgb(0, 255, 0));
}

bool can_still_make_windows_and_gdi_objects() {
  Window w{};
  if (!win_open(&w, 0, 0, 120, 90, 0, nullptr, "after", nullptr)) return false;
  HPEN pen = CreatePen(PS_SOLID, 1, 0);
  HBITMAP bitmap = CreateBitmap(16, 16, 1, 32, nullptr);
  bool ok = pen && bitmap && w.back_bitmap && w.pen && w.font;
  DeleteObject(pen);
  DeleteObject(bitmap);
  win_close(&w);
  return ok;
}
} // namespace

using Ownership = GuiTest;

TEST_F(Ownership, CloseDeletesThePenFontBitmapAndAcceleratorTableAlsoOfChildren) {
  const uint32_t flags[] = {0, 0x80, 0x100, 0x10, 0x70010};
  for (uint32_t f : flags) {
    Window w{};
    ASSERT_EQ(win_open(&w, 0, 0, 200, 150, f, nullptr, "own", nullptr), 1);
    draw_a_little(&w);
    accel_add(&w, FVIRTKEY | FCONTROL, 'T', 16);
    accel_add(&w, FVIRTKEY | FCONTROL, 'E', 17);
    HPEN pen = w.pen;
    HFONT font = w.font;
    HBITMAP bitmap = w.back_bitmap;
    HACCEL accel = static_cast<HACCEL>(GetPropA(w.handle, ACCEL_PROPERTY));
    ASSERT_NE(accel, nullptr);
    EXPECT_EQ(GetObjectType(pen), static_cast<DWORD>(OBJ_PEN)) << f;
    EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT)) << f;
    win_close(&w);
    EXPECT_EQ(GetObjectType(pen), 0u) << f;
    EXPECT_EQ(GetObjectType(font), 0u) << f;
    if (bitmap) {
      EXPECT_EQ(GetObjectType(bitmap), 0u) << f;
    }
    EXPECT_EQ(CopyAcceleratorTableA(accel, nullptr, 0), 0) << "accelerator table destroyed, " << f;
    EXPECT_EQ(w.pen, nullptr);
    EXPECT_EQ(w.font, nullptr);
    EXPECT_EQ(w.back_bitmap, nullptr);
    EXPECT_EQ(win_close(&w), 0) << "closing twice does nothing";
  }

  // Child windows closed with their parent release their objects.
  Window parent{}, child{};
  ASSERT_EQ(win_open(&parent, 0, 0, 300, 200, 0x70010, nullptr, "parent", nullptr), 1);
  ASSERT_EQ(win_open(&child, 0, 0, 100, 100, 0x800000, &parent, "", nullptr), 1);
  draw_a_little(&child);
  HPEN pen = child.pen;
  HBITMAP bitmap = child.back_bitmap;
  win_close(&parent);
  EXPECT_EQ(child.handle, nullptr);
  EXPECT_EQ(GetObjectType(pen), 0u);
  EXPECT_EQ(GetObjectType(bitmap), 0u);
}

// Wine's handle tables are finite: a leak of one object per cycle would
// exhaust them long before the end.
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
  EXPECT_TRUE(can_still_make_windows_and_gdi_objects());
}
