#include <gtest/gtest.h>

#include "tests/runtime/gui/gui_helpers.h"
#include "tests/support/event_log.h"
#include "tests/support/paint_spy.h"

namespace {
void repaint(HWND window, BOOL erase) {
  InvalidateRect(window, nullptr, erase);
  UpdateWindow(window);
}
} // namespace

using Paint = GuiTest;

TEST_F(Paint, BackingStoreSurvivesARepaint) {
  Window& w = open(20, 20, 200, 100, kBacking, nullptr, "", EventLog::handler);
  win_box(&w, 10, 10, 20, 20, kRed, kRed);
  HDC memory = CreateCompatibleDC(nullptr); // drawn behind the runtime's back: not on the screen yet
  HGDIOBJ old = SelectObject(memory, w.back_bitmap);
  rect_fill(memory, 60, 10, 20, 20, kGreen);
  SelectObject(memory, old);
  DeleteDC(memory);
  repaint(w.handle, TRUE);
  Pixels p = Pixels::of_window(w.handle);
  EXPECT_EQ(p.at(15, 15), kRed);
  EXPECT_EQ(p.at(70, 20), kGreen) << "painting copies the backing bitmap";
  EXPECT_EQ(log.count(WM_PAINT), 0) << "a window with backing store paints itself";

  // Outside a 1:1 bitmap (the whole 101 x 81 of it drawn) the erased background stays.
  Window& small = open(20, 150, 100, 80, kBacking);
  win_box(&small, 0, 0, 101, 81, kRed, kRed);
  small.back_color = kBlue;
  SetWindowPos(small.handle, nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER);
  repaint(small.handle, TRUE);
  p = Pixels::of_window(small.handle);
  EXPECT_EQ(p.at(100, 40), kRed);
  EXPECT_EQ(p.at(101, 40), kBlue);
  EXPECT_EQ(p.at(50, 81), kBlue);
}

TEST_F(Paint, StretchedBackingMapsTheDrawnBoundsAndShrinksWithHalftone) {
  Window& w = open(0, 0, 640, 480, kStretched);
  SetWindowPos(w.handle, nullptr, 0, 0, 320, 240, SWP_NOMOVE | SWP_NOZORDER);
  UpdateWindow(w.handle);
  PaintSpy spy(w.handle);
  HDC dc = begin_draw(&w);
  ASSERT_NE(dc, nullptr);
  rect_fill(dc, 100, 100, 10, 10, kRed); // bounds 100,100-110,110 of the 640 x 480 bitmap
  end_draw(&w, dc, 1);
  ASSERT_EQ(spy.updates.size(), 1u);
  EXPECT_EQ(rect_text(spy.updates[0]), "49,49-56,56");
  Pixels p = Pixels::of_window(w.handle);
  EXPECT_EQ(p.at(52, 52), kRed);

  // One-pixel red and green columns shrunk to half. The DC's default stretch mode (BLACKONWHITE) ANDs them
  // into black; halftone averages them (Windows) or keeps one of them (Wine 8).
  win_box(&w, 200, 200, 40, 40, kGreen, kGreen);
  for (int x = 200; x < 240; x += 2) win_box(&w, x, 200, 1, 40, kRed, kRed);
  repaint(w.handle, TRUE);
  COLORREF shrunk = Pixels::of_window(w.handle).at(110, 110);
  EXPECT_NE(shrunk, RGB(0, 0, 0)) << std::hex << shrunk;
  EXPECT_EQ(GetBValue(shrunk), 0) << std::hex << shrunk;
  EXPECT_GE(GetRValue(shrunk) + GetGValue(shrunk), 250) << std::hex << shrunk;
}

TEST_F(Paint, AWindowWithoutBackingStoreGetsPaintAndEraseEvents) {
  Window& w = open(20, 20, 200, 100, kNoBacking, nullptr, "", EventLog::handler);
  UpdateWindow(w.handle);
  log.clear();
  repaint(w.handle, FALSE);
  repaint(w.handle, TRUE);
  EXPECT_EQ(log.codes_among({WM_PAINT, EV_ERASE}), (std::vector<int32_t>{WM_PAINT, EV_ERASE, WM_PAINT}));

  // The erase event fills the back colour and names its DC while the Handler runs.
  HDC seen_paint_dc = nullptr;
  WPARAM seen_wparam = 0;
  log.on_event = [&] {
    if (event_code == EV_ERASE) {
      seen_paint_dc = event_window->paint_dc;
      seen_wparam = event_wparam;
    }
    return 0;
  };
  win_set_color(&w, kBlue);
  UpdateWindow(w.handle);
  ASSERT_NE(seen_paint_dc, nullptr);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(seen_paint_dc), seen_wparam);
  EXPECT_EQ(w.paint_dc, nullptr) << "cleared after the event";
  EXPECT_EQ(Pixels::of_window(w.handle).at(100, 50), kBlue);
}

TEST_F(Paint, DrawingInTheEraseEventUsesTheEraseDcAndFreesItsObjects) {
  Window& w = open(20, 20, 200, 100, kNoBacking, nullptr, "", EventLog::handler);
  UpdateWindow(w.handle);
  win_move(&w, 3, 4);
  HPEN record_pen = w.pen;
  HFONT record_font = w.font;
  HGDIOBJ made[3] = {};
  log.on_event = [&] {
    if (event_code != EV_ERASE) return 0;
    HDC dc = event_window->paint_dc;
    win_front_pen(event_window, kRed);
    made[0] = GetCurrentObject(dc, OBJ_PEN);
    win_front_pen(event_window, kGreen);
    made[1] = GetCurrentObject(dc, OBJ_PEN);
    win_set_font(event_window, "Arial", 10, 400, 0, 0);
    made[2] = GetCurrentObject(dc, OBJ_FONT);
    win_box(event_window, 10, 10, 20, 20, COLOR_NONE, COLOR_NONE); // in the text colour
    win_move(event_window, 50, 60);
    return 0;
  };
  repaint(w.handle, TRUE);
  ASSERT_NE(made[2], nullptr);
  for (HGDIOBJ o : made) EXPECT_TRUE(deleted(o)) << "freed once the erase DC is restored";
  EXPECT_EQ(w.pen, record_pen) << "no state goes into the record";
  EXPECT_EQ(w.font, record_font);
  EXPECT_EQ(rect_text({w.pos_x, w.pos_y, 0, 0}), "3,4-0,0");
  EXPECT_EQ(Pixels::of_window(w.handle).at(10, 20), kGreen);
}

TEST_F(Paint, DrawingInAnOpenScopeShowsBeforeTheScopeCloses) {
  Window& w = open(20, 20, 200, 100, kBacking);
  UpdateWindow(w.handle);
  HDC dc = begin_draw(&w);
  ASSERT_NE(dc, nullptr);
  win_box(&w, 10, 10, 20, 20, kRed, kRed); // an inner scope: repaints at once
  EXPECT_EQ(Pixels::of_window(w.handle).at(15, 15), kRed);
  rect_fill(dc, 50, 10, 20, 20, kGreen);
  repaint(w.handle, FALSE); // a paint while the scope is open copies its bounds
  EXPECT_EQ(Pixels::of_window(w.handle).at(55, 15), kGreen);
  end_draw(&w, dc, 0);
}
