#include <gtest/gtest.h>

#include "tests/support/event_log.h"
#include "tests/support/paint_spy.h"
#include "tests/support/pixels.h"

namespace {
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

constexpr uint32_t kBacking = WIN_NO_CAPTION | WIN_BACKING_WINDOW_SIZE;
constexpr uint32_t kNoBacking = WIN_NO_CAPTION | WIN_NO_BACKING;
constexpr uint32_t kStretched = WIN_NO_CAPTION | WIN_BACKING_STRETCH;

void repaint(HWND window, BOOL erase) {
  InvalidateRect(window, nullptr, erase);
  UpdateWindow(window);
}

// Draws into a backing bitmap behind the runtime's back.
void fill_bitmap(HBITMAP bitmap, RECT r, COLORREF c) {
  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(memory, bitmap);
  rect_fill(memory, r.left, r.top, r.right - r.left, r.bottom - r.top, c);
  SelectObject(memory, old);
  DeleteDC(memory);
}
} // namespace

using Paint = GuiTest;

TEST_F(Paint, BackingStoreSurvivesARepaint) {
  Window& w = open(20, 20, 200, 100, kBacking, nullptr, "", EventLog::handler);
  win_box(&w, 10, 10, 20, 20, kRed, kRed);
  fill_bitmap(w.back_bitmap, {60, 10, 80, 30}, kGreen); // not on the screen yet
  repaint(w.handle, TRUE);
  Pixels p = Pixels::of_window(w.handle);
  EXPECT_EQ(p.at(15, 15), kRed);
  EXPECT_EQ(p.at(70, 20), kGreen) << "painting copies the backing bitmap";
  EXPECT_EQ(p.at(150, 50), w.back_color);
  EXPECT_EQ(log.count(WM_PAINT), 0) << "a window with backing store paints itself";

  // Outside a 1:1 bitmap (the whole 101 x 81 of it drawn) the erased background stays.
  Window& small = open(20, 150, 100, 80, kBacking);
  win_box(&small, 0, 0, 101, 81, kRed, kRed);
  small.back_color = kBlue;
  SetWindowPos(small.handle, nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER);
  repaint(small.handle, TRUE);
  p = Pixels::of_window(small.handle);
  EXPECT_EQ(p.at(50, 40), kRed);
  EXPECT_EQ(p.at(100, 40), kRed);
  EXPECT_EQ(p.at(101, 40), kBlue);
  EXPECT_EQ(p.at(150, 120), kBlue);
}

TEST_F(Paint, StretchedBackingMapsTheDrawnBoundsAndShrinksWithHalftone) {
  Window& w = open(0, 0, 640, 480, kStretched);
  BITMAP bm{};
  GetObjectA(w.back_bitmap, sizeof bm, &bm);
  ASSERT_EQ(bm.bmWidth, 640);
  ASSERT_EQ(bm.bmHeight, 480);
  SetWindowPos(w.handle, nullptr, 0, 0, 320, 240, SWP_NOMOVE | SWP_NOZORDER);
  UpdateWindow(w.handle);
  PaintSpy spy(w.handle);

  HDC dc = begin_draw(&w);
  ASSERT_NE(dc, nullptr);
  rect_fill(dc, 100, 100, 10, 10, kRed);
  RECT bounds;
  ASSERT_EQ(GetBoundsRect(dc, &bounds, 0) & DCB_SET, UINT(DCB_SET));
  ASSERT_EQ(rect_text(bounds), "100,100-110,110");
  end_draw(&w, dc, 1);
  ASSERT_EQ(spy.updates.size(), 1u);
  EXPECT_EQ(rect_text(spy.updates[0]), "49,49-56,56");
  Pixels p = Pixels::of_window(w.handle);
  EXPECT_EQ(p.at(52, 52), kRed);
  EXPECT_EQ(p.at(60, 60), w.back_color);

  // One-pixel red and green columns shrunk to half. The DC's default
  // stretch mode (BLACKONWHITE) ANDs them into black; halftone averages
  // them (Windows) or keeps one of them (Wine 8).
  win_box(&w, 200, 200, 40, 40, kGreen, kGreen);
  for (int x = 200; x < 240; x += 2) win_box(&w, x, 200, 1, 40, kRed, kRed);
  repaint(w.handle, TRUE);
  p = Pixels::of_window(w.handle);
  COLORREF shrunk = p.at(110, 110);
  EXPECT_NE(shrunk, kBlack) << std::hex << shrunk;
  EXPECT_EQ(GetBValue(shrunk), 0) << std::hex << shrunk;
  EXPECT_GE(GetRValue(shrunk) + GetGValue(shrunk), 250) << std::hex << shrunk;
}

TEST_F(Paint, AWindowWithoutBackingStoreGetsPaintAndEraseEvents) {
  Window& w = open(20, 20, 200, 100, kNoBacking, nullptr, "", EventLog::handler);
  UpdateWindow(w.handle);
  log.clear();
  repaint(w.handle, FALSE);
  EXPECT_EQ(log.count(WM_PAINT), 1);
  EXPECT_EQ(log.count(EV_ERASE), 0);
  repaint(w.handle, TRUE);
  EXPECT_EQ(log.codes_among({WM_PAINT, EV_ERASE}), (std::vector<int32_t>{WM_PAINT, EV_ERASE, WM_PAINT}));

  // The erase event fills the back colour and names its DC while the Handler runs.
  HDC seen_paint_dc = nullptr;
  uint32_t seen_wparam = 0;
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
  Pixels p = Pixels::of_window(w.handle);
  EXPECT_EQ(p.at(100, 50), kBlue);
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
  for (HGDIOBJ o : made) EXPECT_EQ(GetObjectType(o), 0u) << "freed once the erase DC is restored";
  EXPECT_EQ(w.pen, record_pen) << "no state goes into the record";
  EXPECT_EQ(w.font, record_font);
  EXPECT_NE(GetObjectType(w.pen), 0u);
  EXPECT_EQ(w.pos_x, 3);
  EXPECT_EQ(w.pos_y, 4);
  Pixels p = Pixels::of_window(w.handle);
  EXPECT_EQ(p.at(10, 20), kGreen);
}

TEST_F(Paint, DrawingInAnOpenScopeShowsBeforeTheScopeCloses) {
  Window& w = open(20, 20, 200, 100, kBacking);
  UpdateWindow(w.handle);
  HDC dc = begin_draw(&w);
  ASSERT_NE(dc, nullptr);
  win_box(&w, 10, 10, 20, 20, kRed, kRed); // an inner scope: repaints at once
  Pixels p = Pixels::of_window(w.handle);
  EXPECT_EQ(p.at(15, 15), kRed);
  rect_fill(dc, 50, 10, 20, 20, kGreen);
  repaint(w.handle, FALSE); // a paint while the scope is open copies its bounds
  p = Pixels::of_window(w.handle);
  EXPECT_EQ(p.at(55, 15), kGreen);
  end_draw(&w, dc, 0);
  EXPECT_EQ(w.draw_dc, nullptr);
}
