#include <gtest/gtest.h>


#include "tests/runtime/controls/control_test_support.h"

namespace {
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kFace = RGB(0, 128, 255);

struct Box {
  int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1; // right, bottom inclusive
  bool empty() const { return right < 0; }
};

// The bounding box of the pixels of one colour inside [inset, size - inset).
Box box_of(const Pixels& p, COLORREF c, int inset = 3) {
  Box b;
  for (int y = inset; y < p.height() - inset; ++y)
    for (int x = inset; x < p.width() - inset; ++x)
      if (p.at(x, y) == c) {
        b.left = std::min(b.left, x);
        b.top = std::min(b.top, y);
        b.right = std::max(b.right, x);
        b.bottom = std::max(b.bottom, y);
      }
  return b;
}

SIZE text_size(HWND control, const char* text) {
  HDC dc = GetDC(control);
  HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
  HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
  SIZE s = {};
  GetTextExtentPoint32A(dc, text, lstrlenA(text), &s);
  if (old) SelectObject(dc, old);
  ReleaseDC(control, dc);
  return s;
}

// Where the pixels of a text drawn at 0, 0 in the control's font lie.
Box glyph_box(HWND control, const char* text) {
  SIZE s = text_size(control, text);
  HDC screen = GetDC(control);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, s.cx + 8, s.cy + 8);
  HGDIOBJ old_bitmap = SelectObject(memory, bitmap);
  HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
  HGDIOBJ old_font = SelectObject(memory, font ? font : GetCurrentObject(screen, OBJ_FONT));
  RECT all = {0, 0, s.cx + 8, s.cy + 8};
  FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetBkMode(memory, TRANSPARENT);
  SetTextColor(memory, kRed);
  TextOutA(memory, 0, 0, text, lstrlenA(text));
  Box b = box_of(Pixels(memory, 0, 0, s.cx + 8, s.cy + 8), kRed, 0);
  SelectObject(memory, old_font);
  SelectObject(memory, old_bitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(control, screen);
  return b;
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
  ASSERT_NE(GetFocus(), default_button) << "the outline must come from the default id, not the focus";
  Pixels with_default = shown(default_button);
  Pixels plain = shown(plain_button);
  const int wd = with_default.width(), ht = with_default.height();
  ASSERT_EQ(plain.width(), wd);
  EXPECT_EQ(with_default.count(kBlack, 0, 0, wd, 1), wd) << "top edge";
  EXPECT_EQ(with_default.count(kBlack, 0, ht - 1, wd, ht), wd) << "bottom edge";
  EXPECT_EQ(with_default.count(kBlack, 0, 0, 1, ht), ht) << "left edge";
  EXPECT_EQ(with_default.count(kBlack, wd - 1, 0, wd, ht), ht) << "right edge";
  EXPECT_LT(plain.count(kBlack, 0, 0, wd, 1), wd) << "no outline on the other button";
  // The push-button frame starts one pixel further in.
  EXPECT_EQ(with_default.at(wd / 2, 1), plain.at(wd / 2, 0));
  EXPECT_EQ(with_default.at(1, ht / 2), plain.at(0, ht / 2));
  EXPECT_EQ(with_default.at(wd - 2, ht / 2), plain.at(wd - 1, ht / 2));
  EXPECT_EQ(with_default.at(wd / 2, ht - 2), plain.at(wd / 2, ht - 1));
  EXPECT_EQ(with_default.at(wd / 2, ht / 2), GetSysColor(COLOR_BTNFACE)) << "the face in BGRND";
}

TEST_F(ButtonDraw, APressedCaptionMovesOnePixelRightAndDown) {
  ctl_create(&w, 1, "Go", 10, 10, 100, 40, 0, 1);
  HWND button = child(1);
  ctl_set_color(&w, 1, kRed, kWhite);
  Box up = box_of(shown(button), kRed);
  ASSERT_FALSE(up.empty());
  SendMessageA(button, BM_SETSTATE, TRUE, 0);
  Box down = box_of(shown(button), kRed);
  EXPECT_EQ(down.left, up.left + 1);
  EXPECT_EQ(down.top, up.top + 1);
  EXPECT_EQ(down.right, up.right + 1);
  EXPECT_EQ(down.bottom, up.bottom + 1);
  SendMessageA(button, BM_SETSTATE, FALSE, 0);
  Box again = box_of(shown(button), kRed);
  EXPECT_EQ(again.left, up.left);
  EXPECT_EQ(again.top, up.top);
}

TEST_F(ButtonDraw, ADisabledCaptionIsEmbossedGrayOnePixelAboveTheCentre) {
  const char* caption = "Disabled";
  ctl_create(&w, 1, caption, 10, 10, 120, 41, 0, 1);
  HWND button = child(1);
  ctl_set_color(&w, 1, kRed, kFace); // the light copy shows on it
  Box enabled = box_of(shown(button), kRed);
  ASSERT_FALSE(enabled.empty());

  EnableWindow(button, FALSE);
  Pixels p = shown(button);
  EXPECT_EQ(p.count(kRed, 0, 0, p.width(), p.height()), 0) << "not in the text colour";
  Box shadow = box_of(p, GetSysColor(COLOR_BTNSHADOW));
  Box light = box_of(p, GetSysColor(COLOR_BTNHIGHLIGHT));
  ASSERT_FALSE(shadow.empty());
  ASSERT_FALSE(light.empty());
  EXPECT_EQ(light.right, shadow.right + 1) << "embossed: the light copy lies one pixel right";
  EXPECT_EQ(light.bottom, shadow.bottom + 1) << "and one pixel down";

  // The embossed text starts at the centre less half the text's size, and
  // one pixel higher still.
  RECT r;
  GetClientRect(button, &r);
  SIZE s = text_size(button, caption);
  Box glyphs = glyph_box(button, caption);
  EXPECT_EQ(shadow.top, (r.top + r.bottom) / 2 - s.cy / 2 - 1 + glyphs.top);
  // Across, the system's embossing places its glyphs within a pixel of
  // where plain text output puts them.
  EXPECT_NEAR(shadow.left, (r.left + r.right) / 2 - s.cx / 2 + glyphs.left, 1);
}

TEST_F(ButtonDraw, AMultiLineCaptionIsCentredAsABlock) {
  ctl_create(&w, 1, "first second", 10, 10, 70, 90, BS_MULTILINE, 1);
  HWND button = child(1);
  ctl_set_color(&w, 1, kRed, kWhite);
  Pixels p = shown(button);
  Box b = box_of(p, kRed);
  ASSERT_FALSE(b.empty());
  SIZE line = text_size(button, "first");
  EXPECT_GT(b.bottom - b.top + 1, line.cy) << "two lines";
  int above = b.top, below = p.height() - 1 - b.bottom;
  EXPECT_LE(std::abs(above - below), line.cy / 2) << above << " above, " << below << " below";
}

TEST_F(ButtonDraw, AFlatButtonHasAPenOutlineAndItsFaceInside) {
  ctl_create(&w, 1, "", 10, 10, 80, 30, BS_FLAT, 1);
  ctl_set_color(&w, 1, kRed, kWhite);
  Pixels p = shown(child(1));
  const int wd = p.width(), ht = p.height();
  EXPECT_EQ(p.count(kBlack, 0, 0, wd, 1), wd);
  EXPECT_EQ(p.count(kBlack, 0, 0, 1, ht), ht);
  EXPECT_EQ(p.count(kWhite, 1, 1, wd - 1, ht - 1), (wd - 2) * (ht - 2));
}
