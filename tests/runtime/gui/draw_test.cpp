#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/runtime/gui/gui_helpers.h"
#include "tests/support/event_log.h"
#include "tests/support/paint_spy.h"
#include "tests/support/pixels.h"

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

TEST_F(Draw, OperationsKeepTheirStateInTheRecordAndNestedScopesShareOneDc) {
  for (uint32_t flags : {kNoBacking, kBacking}) {
    SCOPED_TRACE(flags);
    Window& w = open(0, 0, 200, 100, flags);
    win_move(&w, 12, 34);
    HPEN before = w.pen;
    win_front_pen(&w, kRed);
    EXPECT_TRUE(deleted(before)) << "the replaced pen is deleted";
    win_back_pen(&w, kBlue);
    HDC dc = begin_draw(&w); // the next scope starts from the record
    ASSERT_NE(dc, nullptr);
    POINT p;
    GetCurrentPositionEx(dc, &p);
    EXPECT_EQ(rect_text({p.x, p.y, 0, 0}), "12,34-0,0");
    EXPECT_EQ(pen_color(GetCurrentObject(dc, OBJ_PEN)), kRed);
    EXPECT_EQ(GetTextColor(dc), kRed);
    EXPECT_EQ(GetBkColor(dc), kBlue);
    EXPECT_EQ(GetTextAlign(dc) & TA_UPDATECP, UINT(TA_UPDATECP));
    end_draw(&w, dc, 0);
    EXPECT_EQ(w.draw_dc, nullptr);
    EXPECT_EQ(w.draw_depth, 0);
  }

  // Nested scopes share one DC; a pen changed inside an open scope becomes the record's and the outer scope's.
  Window& w = open(0, 0, 200, 100, kBacking);
  HDC outer = begin_draw(&w);
  ASSERT_NE(outer, nullptr);
  EXPECT_EQ(begin_draw(&w), outer);
  end_draw(&w, outer, 0);
  EXPECT_EQ(w.draw_depth, 1);
  HPEN record_pen = w.pen;
  win_front_pen(&w, kGreen);
  HGDIOBJ selected = GetCurrentObject(outer, OBJ_PEN);
  EXPECT_EQ(pen_color(selected), kGreen) << "the outer scope draws on with it";
  EXPECT_EQ(GetTextColor(outer), kGreen);
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
  struct Case {
    const char* face;
    int32_t points, weight;
    uint32_t style;
    std::string font; // height weight italic-underline-strike charset quality face
  } cases[] = {
      {"Arial", 12, 700, 0, "-16 700 000 0 1 Arial"},
      {"", 7, 400, 0, "-9 400 000 0 1 "}, // the editor's gutter font
      {"Arial", 10, 400, 0x20011, "-13 400 110 2 1 Arial"},
      {"Arial", 10, 400, 0x20, "-13 400 001 0 1 Arial"},
      {"Arial", 10, 400, 0xCC0000, "-13 400 000 204 1 Arial"},
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
  win_set_font(&w, "Arial", 20, 400, 0, 99); // no such control
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(edit, WM_GETFONT, 0, 0)), now);
  win_close(&w);
  DeleteObject(now); // a plain EDIT control does not free its font
}

TEST_F(Draw, BoxesInTheBackingStoreOrOnTheScreenAndOnlyWhatWasDrawnIsRepainted) {
  struct Case {
    COLORREF line, fill, edge, inside; // inside COLOR_NONE: the background
  } cases[] = {
      {kRed, kBlue, kRed, kBlue},
      {kRed, COLOR_NONE, kRed, COLOR_NONE},
      {COLOR_NONE, kBlue, kGreen, COLOR_NONE}, // the text colour, unfilled
      {COLOR_NONE, COLOR_NONE, kGreen, COLOR_NONE},
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
  Window& screen = open(300, 300, 200, 100, kNoBacking);
  UpdateWindow(screen.handle);
  win_box(&screen, 10, 10, 30, 20, kRed, kBlue);
  Pixels p = Pixels::of_window(screen.handle);
  EXPECT_EQ(p.at(10, 20), kRed) << "without backing store the box is drawn on the screen";
  EXPECT_EQ(p.at(25, 20), kBlue);
  EXPECT_EQ(p.at(60, 20), screen.back_color);

  Window& w = open(0, 0, 200, 100, kBacking);
  UpdateWindow(w.handle);
  PaintSpy spy(w.handle);
  win_box(&w, 10, 20, 30, 40, kRed, kRed);
  ASSERT_EQ(spy.updates.size(), 1u) << "painted at once";
  EXPECT_EQ(rect_text(spy.updates[0]), "10,20-40,60");
  win_move(&w, 5, 5);       // draws nothing: nothing to repaint
  win_front_pen(&w, kBlue); // no redraw
  EXPECT_EQ(spy.updates.size(), 1u);
}
