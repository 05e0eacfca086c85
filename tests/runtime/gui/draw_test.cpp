#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/runtime/gui/gui_helpers.h"
#include "tests/support/event_log.h"
#include "tests/support/paint_spy.h"

namespace {
COLORREF pen_color(HGDIOBJ pen) {
  LOGPEN lp = {};
  GetObjectA(pen, sizeof lp, &lp);
  return lp.lopnColor;
}

// Height, weight, italic, underline and strike-out, character set, quality and face of a font.
std::string font_text(HGDIOBJ font) {
  LOGFONTA lf = {};
  GetObjectA(font, sizeof lf, &lf);
  char text[96];
  wsprintfA(text, "%d %d %d%d%d %d %d %s", int(lf.lfHeight), int(lf.lfWeight), lf.lfItalic, lf.lfUnderline,
            lf.lfStrikeOut, lf.lfCharSet, lf.lfQuality, lf.lfFaceName);
  return text;
}
} // namespace

using Draw = GuiTest;

TEST_F(Draw, NestedScopesShareOneDcAndAPenChangedInsideBecomesTheRecords) {
  Window& w = open(0, 0, 200, 100, kBacking);
  HPEN first = w.pen;
  win_front_pen(&w, kRed);
  EXPECT_TRUE(deleted(first)) << "the replaced pen is deleted";
  HDC outer = begin_draw(&w);
  ASSERT_NE(outer, nullptr);
  EXPECT_EQ(pen_color(GetCurrentObject(outer, OBJ_PEN)), kRed) << "a scope starts from the record";
  EXPECT_EQ(begin_draw(&w), outer);
  end_draw(&w, outer, 0);
  HPEN record_pen = w.pen;
  win_front_pen(&w, kGreen);
  HGDIOBJ selected = GetCurrentObject(outer, OBJ_PEN);
  EXPECT_EQ(pen_color(selected), kGreen) << "the outer scope draws on with it";
  EXPECT_TRUE(deleted(record_pen));
  end_draw(&w, outer, 0);
  EXPECT_EQ(w.draw_dc, nullptr);
  EXPECT_EQ(pen_color(w.pen), kGreen);
  EXPECT_TRUE(deleted(selected)) << "the pen made inside the scope is freed with it";
}

TEST_F(Draw, FontsFromPointsStyleFlagsAndFaceReplaceTheOldOne) {
  HDC screen = GetDC(nullptr);
  ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSY), 96) << "points become pixels at the display's resolution";
  ReleaseDC(nullptr, screen);
  std::string long_face(40, 'x');
  // The font as height, weight, italic-underline-strike, charset, quality and face.
  struct Case { const char* face; int32_t points, weight; uint32_t style; std::string font; } cases[] = {
      {"Arial", 12, 700, 0, "-16 700 000 0 1 Arial"},
      {"Arial", 10, 400, 0x20011, "-13 400 110 2 1 Arial"},
      {"Arial", 10, 400, 0x20, "-13 400 001 0 1 Arial"},
      {long_face.c_str(), 10, 400, 0, "-13 400 000 0 1 " + long_face.substr(0, 31)},
  };
  Window& w = open(0, 0, 200, 100, kNoBacking);
  for (const Case& c : cases) {
    HFONT before = w.font;
    win_set_font(&w, c.face, c.points, c.weight, c.style, 0);
    EXPECT_EQ(font_text(w.font), c.font);
    EXPECT_TRUE(deleted(before)) << c.font;
  }

  // A control's font: the new one is given to it and its old one deleted; the window's own stays.
  HWND edit = make_child(w.handle, "EDIT", 5);
  HFONT old_font = CreateFontA(-10, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
  SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(old_font), 0);
  std::string window_font = font_text(w.font);
  win_set_font(&w, "Courier New", 10, 400, 0x10, 5);
  HGDIOBJ now = reinterpret_cast<HGDIOBJ>(SendMessageA(edit, WM_GETFONT, 0, 0));
  EXPECT_EQ(font_text(now), "-13 400 010 0 1 Courier New");
  EXPECT_TRUE(deleted(old_font));
  EXPECT_EQ(font_text(w.font), window_font);
  win_close(&w);
  DeleteObject(now); // a plain EDIT control does not free its font
}

TEST_F(Draw, BoxesLinedFilledOrInTheTextColourAndOnlyWhatWasDrawnIsRepainted) {
  struct Case { COLORREF line, fill, edge, inside; } cases[] = { // inside COLOR_NONE: the background
      {kRed, kBlue, kRed, kBlue},
      {kRed, COLOR_NONE, kRed, COLOR_NONE},
      {COLOR_NONE, kBlue, kGreen, COLOR_NONE}, // the text colour, unfilled
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.line) + " " + std::to_string(c.fill));
    Window& w = open(0, 0, 200, 100, kBacking);
    win_front_pen(&w, kGreen);
    win_box(&w, 10, 10, 30, 20, c.line, c.fill);
    Pixels p = Pixels::of_bitmap(w.back_bitmap);
    COLORREF back = w.back_color, inside = c.inside == COLOR_NONE ? back : c.inside;
    // left, right and bottom edge, inside, and just right of and below the box
    std::vector<COLORREF> seen = {p.at(10, 20), p.at(39, 20), p.at(25, 29), p.at(25, 20), p.at(40, 20), p.at(25, 30)};
    EXPECT_EQ(seen, (std::vector<COLORREF>{c.edge, c.edge, c.edge, inside, back, back}));
    EXPECT_EQ(pen_color(w.pen), kGreen) << "the box's own pen is not kept";
    win_close(&w);
  }
  Window& w = open(0, 0, 200, 100, kBacking);
  UpdateWindow(w.handle);
  PaintSpy spy(w.handle);
  win_box(&w, 10, 20, 30, 40, kRed, kRed);
  ASSERT_EQ(spy.updates.size(), 1u) << "painted at once";
  EXPECT_EQ(rect_text(spy.updates[0]), "10,20-40,60");
  win_front_pen(&w, kBlue); // draws nothing: nothing to repaint
  EXPECT_EQ(spy.updates.size(), 1u);
}
