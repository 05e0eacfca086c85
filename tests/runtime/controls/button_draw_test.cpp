#include <gtest/gtest.h>

#include <algorithm>

#include "tests/runtime/controls/control_test_support.h"

namespace {

// The bounding box (right and bottom inclusive) of the pixels of one colour inside [inset, size - inset).
RECT box_of(const Pixels& p, COLORREF c, int inset = 3) {
  RECT b = {1 << 20, 1 << 20, -1, -1};
  for (int y = inset; y < p.height() - inset; ++y)
    for (int x = inset; x < p.width() - inset; ++x)
      if (p.at(x, y) == c) b = {std::min<LONG>(b.left, x), std::min<LONG>(b.top, y), std::max<LONG>(b.right, x),
                                std::max<LONG>(b.bottom, y)};
  return b;
}

// Pixels of one colour on the four edges, corners counted twice: 2 * (width + height) for a whole outline.
int edge_pixels(const Pixels& p, COLORREF c) {
  const int wd = p.width(), ht = p.height();
  return p.count(c, 0, 0, wd, 1) + p.count(c, 0, ht - 1, wd, ht) + p.count(c, 0, 0, 1, ht) +
         p.count(c, wd - 1, 0, wd, ht);
}

// The height of a line of text in the control's font.
int line_height(HWND control) {
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
  TEXTMETRICA metrics = {};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return metrics.tmHeight;
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

TEST_F(ButtonDraw, APressedCaptionMovesOnePixelRightAndDown) {
  ctl_create(&w, 1, "Go", 10, 10, 100, 40, 0, 1);
  ctl_set_color(&w, 1, kRed, kWhite);
  RECT up = box_of(shown(child(1)), kRed), moved = up;
  ASSERT_GE(up.right, 0);
  OffsetRect(&moved, 1, 1);
  SendMessageA(child(1), BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(rect_text(box_of(shown(child(1)), kRed)), rect_text(moved));
}

TEST_F(ButtonDraw, ADisabledCaptionIsEmbossedGray) {
  ctl_create(&w, 1, "Disabled", 10, 10, 120, 41, 0, 1);
  ctl_set_color(&w, 1, kRed, RGB(0, 128, 255)); // the light copy shows on this face
  EnableWindow(child(1), FALSE);
  Pixels p = shown(child(1));
  EXPECT_EQ(p.count(kRed, 0, 0, p.width(), p.height()), 0) << "not in the text colour";
  RECT shadow = box_of(p, GetSysColor(COLOR_BTNSHADOW)), light = box_of(p, GetSysColor(COLOR_BTNHIGHLIGHT));
  ASSERT_GE(shadow.right, 0);
  EXPECT_EQ(light.right, shadow.right + 1) << "embossed: the light copy lies one pixel right";
  EXPECT_EQ(light.bottom, shadow.bottom + 1) << "and one pixel down";
}

TEST_F(ButtonDraw, AMultiLineCaptionIsCentredAsABlockAndAFlatButtonHasAPenOutline) {
  ctl_create(&w, 1, "first second", 10, 10, 70, 90, BS_MULTILINE, 1);
  ctl_set_color(&w, 1, kRed, kWhite);
  Pixels p = shown(child(1));
  RECT b = box_of(p, kRed);
  const int line = line_height(child(1));
  EXPECT_GT(b.bottom - b.top + 1, line) << "two lines";
  EXPECT_LE(std::abs(b.top - (p.height() - 1 - b.bottom)), line / 2) << "as much room above as below";

  ctl_create(&w, 1, "", 100, 10, 80, 30, BS_FLAT, 2);
  ctl_set_color(&w, 2, kRed, kWhite);
  Pixels flat = shown(child(2));
  const int wd = flat.width(), ht = flat.height();
  EXPECT_EQ(edge_pixels(flat, kBlack), 2 * (wd + ht));
  EXPECT_EQ(flat.count(kWhite, 1, 1, wd - 1, ht - 1), (wd - 2) * (ht - 2));
}
