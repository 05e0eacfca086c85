#include <gtest/gtest.h>

#include "tests/runtime/controls/control_test_support.h"

namespace {
// Pixels of one colour on the four edges, corners counted twice: 2 * (width + height) for a whole outline.
int edge_pixels(const Pixels& p, COLORREF c) {
  const int wd = p.width(), ht = p.height();
  return p.count(c, 0, 0, wd, 1) + p.count(c, 0, ht - 1, wd, ht) + p.count(c, 0, 0, 1, ht) +
         p.count(c, wd - 1, 0, wd, ht);
}
} // namespace

class ButtonDraw : public ControlTest {
protected:
  Window dialog{}; // listed until dlg_list_free
  void TearDown() override {
    if (dialog.handle) dlg_close(&dialog, 0);
    dlg_list_free();
    ControlTest::TearDown();
  }
};

TEST_F(ButtonDraw, TheDefaultButtonHasADarkOutlineAndItsFrameOnePixelInside) {
  ASSERT_EQ(dlg_create(&dialog, 0, 0, 300, 150, WS_POPUP | WS_BORDER, &w, "", nullptr), 1);
  ctl_create(&dialog, KIND_EDIT, "", 5, 5, 100, 20, WS_TABSTOP, 1); // takes the focus
  ctl_create(&dialog, KIND_BUTTON, "", 5, 40, 120, 45, BS_DEFPUSHBUTTON, 2);
  ctl_create(&dialog, KIND_BUTTON, "", 150, 40, 120, 45, 0, 3);
  ASSERT_NE(dlg_show(&dialog, nullptr), nullptr);
  HWND default_button = GetDlgItem(dialog.handle, 2), plain_button = GetDlgItem(dialog.handle, 3);
  MoveWindow(plain_button, 150, 40, 120, 45, TRUE); // both the same size in pixels
  MoveWindow(default_button, 5, 40, 120, 45, TRUE);
  EXPECT_NE(GetFocus(), default_button) << "the outline must come from the default id, not the focus";
  Pixels with_default = shown(default_button), plain = shown(plain_button);
  const int wd = with_default.width(), ht = with_default.height();
  EXPECT_EQ(edge_pixels(with_default, kBlack), 2 * (wd + ht));
  EXPECT_LT(plain.count(kBlack, 0, 0, wd, 1), wd) << "no outline on the other button";
  // The push-button frame starts one pixel further in.
  EXPECT_EQ(with_default.at(wd / 2, 1), plain.at(wd / 2, 0));
  EXPECT_EQ(with_default.at(1, ht / 2), plain.at(0, ht / 2));
  EXPECT_EQ(with_default.at(wd - 2, ht / 2), plain.at(wd - 1, ht / 2));
  EXPECT_EQ(with_default.at(wd / 2, ht - 2), plain.at(wd / 2, ht - 1));
}

// A hot button's face once covered all but the outer pixel of a flat border.
TEST_F(ButtonDraw, AFlatHotButtonShowsItsWholeBorder) {
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
