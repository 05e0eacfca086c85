#include <gtest/gtest.h>

#include "tests/runtime/controls/control_test_support.h"

namespace {

HBITMAP solid_bitmap(int w, int h, COLORREF color) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(memory, bitmap);
  rect_fill(memory, 0, 0, w, h, color);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

COLORREF centre_of(HWND control) {
  Pixels p = Pixels::of_window(control);
  return p.at(p.width() / 2, p.height() / 2);
}

// The colours across the middle row: both edges, one pixel in from each, and the centre.
std::vector<COLORREF> across(HWND control) {
  Pixels p = Pixels::of_window(control);
  const int y = p.height() / 2, right = p.width() - 1;
  return {p.at(0, y), p.at(1, y), p.at(right / 2, y), p.at(right - 1, y), p.at(right, y)};
}
} // namespace

class HotButton : public ControlTest {
protected:
  HWND button = nullptr;
  void SetUp() override {
    ControlTest::SetUp();
    mouse_to(0, 0); // well away from the button
    ctl_create(&w, 20, "", 100, 60, 80, 40, 0, 1);
    button = child(1);
    ASSERT_NE(button, nullptr);
    UpdateWindow(w.handle);
  }
  // Moves the mouse to the button's centre, or away over the parent.
  void mouse_over(bool inside) {
    RECT r;
    GetWindowRect(button, &r);
    if (inside)
      mouse_to((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    else
      mouse_to(r.left - 30, r.top - 30);
  }
  void paint_now() {
    InvalidateRect(button, nullptr, TRUE);
    UpdateWindow(button);
  }
  // Paints over the button so that a redraw shows even where the colour stays.
  void smear() {
    HDC dc = GetDC(button);
    rect_fill(dc, 0, 0, 80, 40, RGB(255, 0, 255));
    ReleaseDC(button, dc);
  }
};

TEST_F(HotButton, EnteringAndLeavingRedrawInTheHotColourAndBack) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  for (bool coloured : {false, true}) {
    SCOPED_TRACE(coloured ? "with a hot colour" : "without a hot colour");
    if (coloured) ctl_set_hot_color(&w, 1, kGreen);
    smear();
    mouse_over(true);
    ASSERT_TRUE(wait_until([&] { return centre_of(button) == (coloured ? kGreen : face); })) << "on entering";
    EXPECT_EQ(prop(button, "DOHOT"), reinterpret_cast<HANDLE>(1));
    smear();
    mouse_over(false);
    ASSERT_TRUE(wait_until([&] { return centre_of(button) == face; })) << "on leaving";
    EXPECT_EQ(prop(button, "DOHOT"), nullptr);
  }
}

TEST_F(HotButton, StateBitmapsFillTheInteriorStretchedAndTintedAndADisabledButtonIsNeverHot) {
  // Interior: the button less its 2-pixel push-button frame.
  SetPropA(button, "NORBMP", solid_bitmap(300, 200, kBlue)); // larger than the button
  paint_now();
  Pixels p = Pixels::of_window(button);
  EXPECT_EQ(p.count(kBlue, 2, 2, p.width() - 2, p.height() - 2), (p.width() - 4) * (p.height() - 4));
  EXPECT_EQ(p.count(kBlue, 0, 0, p.width(), 1), 0) << "the frame stays";

  // Hot without a hot bitmap: the normal one, tinted with the hot colour.
  SetPropA(button, "DOHOT", reinterpret_cast<HANDLE>(1));
  DeleteObject(RemovePropA(button, "NORBMP"));
  SetPropA(button, "NORBMP", solid_bitmap(76, 36, kBlack));
  ctl_set_hot_color(&w, 1, kRed);
  paint_now();
  EXPECT_EQ(centre_of(button), kRed) << "black merged with red";
  SetPropA(button, "HOTBMP", solid_bitmap(76, 36, kGreen));
  paint_now();
  EXPECT_EQ(centre_of(button), kGreen) << "the hot bitmap as it is";
  EnableWindow(button, FALSE);
  paint_now();
  EXPECT_EQ(centre_of(button), kBlack) << "disabled: the normal bitmap";
}

TEST_F(HotButton, ARegionGetsA3DEdgeOfTheBorderWidthAndAFlatBorderShowsItsWholeWidth) {
  struct Case {
    int border;
    bool pressed;
    int outer_left, inner_left, inner_right, outer_right; // system colours, -1 for the face
  } cases[] = {
      {0, false, -1, -1, -1, -1}, // no border: the face reaches the edge
      {1, false, COLOR_BTNHIGHLIGHT, -1, -1, COLOR_3DDKSHADOW},
      {1, true, COLOR_3DDKSHADOW, -1, -1, COLOR_BTNHIGHLIGHT},
      {2, false, COLOR_3DLIGHT, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, COLOR_3DDKSHADOW},
      {2, true, COLOR_BTNSHADOW, COLOR_3DDKSHADOW, COLOR_3DLIGHT, COLOR_BTNHIGHLIGHT},
  };
  auto color = [](int index) { return index < 0 ? kBlue : GetSysColor(index); };
  RECT r;
  GetClientRect(button, &r);
  SetWindowRgn(button, CreateRectRgn(0, 0, r.right, r.bottom), TRUE);
  ctl_set_color(&w, 1, kBlack, kBlue);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.border) + (c.pressed ? " pressed" : " up"));
    SetPropA(button, "BORDERWIDTH", reinterpret_cast<HANDLE>(static_cast<uintptr_t>(c.border)));
    SendMessageA(button, BM_SETSTATE, c.pressed, 0);
    paint_now();
    EXPECT_EQ(across(button), (std::vector<COLORREF>{color(c.outer_left), color(c.inner_left), kBlue,
                                                     color(c.inner_right), color(c.outer_right)}));
  }

  // Without a region the flat border lies inside the button, every pixel of its width.
  ctl_create(&w, 20, "", 10, 10, 80, 40, BS_FLAT, 2);
  ctl_set_color(&w, 2, kBlack, kBlue);
  SetPropA(child(2), "BORDERWIDTH", reinterpret_cast<HANDLE>(3));
  InvalidateRect(child(2), nullptr, TRUE);
  Pixels p = shown(child(2));
  const COLORREF dark = GetSysColor(COLOR_3DDKSHADOW);
  const int y = p.height() / 2, right = p.width() - 1;
  EXPECT_EQ(p.count(dark, 0, y, 3, y + 1) + p.count(dark, right - 2, y, right + 1, y + 1), 6);
  EXPECT_EQ(p.count(dark, p.width() / 2, 0, p.width() / 2 + 1, 3), 3);
  EXPECT_EQ(p.at(3, y), kBlue);
  EXPECT_EQ(p.at(right - 3, y), kBlue);
}
