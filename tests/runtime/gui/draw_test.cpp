#include <gtest/gtest.h>

#include <string>

#include "tests/support/event_log.h"
#include "tests/support/paint_spy.h"
#include "tests/support/pixels.h"

namespace {
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// No caption, a 1:1 backing bitmap one pixel larger than the window.
constexpr uint32_t kBacking = WIN_NO_CAPTION | WIN_BACKING_WINDOW_SIZE;
constexpr uint32_t kNoBacking = WIN_NO_CAPTION | WIN_NO_BACKING;

COLORREF pen_color(HGDIOBJ pen) {
  LOGPEN lp = {};
  GetObjectA(pen, sizeof lp, &lp);
  return lp.lopnColor;
}

LOGFONTA font_of(HGDIOBJ font) {
  LOGFONTA lf = {};
  GetObjectA(font, sizeof lf, &lf);
  return lf;
}

bool deleted(HGDIOBJ object) { return GetObjectType(object) == 0; }
} // namespace

TEST(MakeRgb, PacksRedGreenBlueUnmasked) {
  static_assert(make_rgb(34, 85, 136) == 0x885522, "red is the low byte");
  EXPECT_EQ(make_rgb(0x100, 0, 0), 0x100u) << "components are not masked";
}

using ScopeState = GuiTest;

TEST_F(ScopeState, OperationsKeepTheirStateInTheRecordAndNestedScopesShareOneDc) {
  for (uint32_t flags : {kNoBacking, kBacking}) {
    SCOPED_TRACE(flags);
    Window& w = open(0, 0, 200, 100, flags);
    win_move(&w, 12, 34);
    EXPECT_EQ(w.pos_x, 12);
    EXPECT_EQ(w.pos_y, 34);
    HPEN before = w.pen;
    win_front_pen(&w, kRed);
    EXPECT_EQ(pen_color(w.pen), kRed);
    EXPECT_TRUE(deleted(before)) << "the replaced pen is deleted";
    win_back_pen(&w, kBlue);
    EXPECT_EQ(w.text_bk_color, kBlue);

    HDC dc = begin_draw(&w); // the next scope starts from the record
    ASSERT_NE(dc, nullptr);
    POINT p;
    GetCurrentPositionEx(dc, &p);
    EXPECT_EQ(p.x, 12);
    EXPECT_EQ(p.y, 34);
    EXPECT_EQ(GetTextColor(dc), kRed);
    EXPECT_EQ(GetBkColor(dc), kBlue);
    EXPECT_EQ(GetTextAlign(dc) & TA_UPDATECP, UINT(TA_UPDATECP));
    end_draw(&w, dc, 0);
    EXPECT_EQ(w.draw_dc, nullptr);
    EXPECT_EQ(w.draw_depth, 0);
  }

  // Nested scopes share one DC and own what is selected in them.
  Window& w = open(0, 0, 200, 100, kBacking);
  HDC outer = begin_draw(&w);
  ASSERT_NE(outer, nullptr);
  EXPECT_EQ(begin_draw(&w), outer);
  EXPECT_EQ(w.draw_depth, 2);
  end_draw(&w, outer, 0);
  EXPECT_EQ(w.draw_depth, 1);
  EXPECT_EQ(w.draw_dc, outer);

  HPEN record_pen = w.pen;
  win_front_pen(&w, kGreen); // an operation inside the open scope
  EXPECT_EQ(w.draw_depth, 1);
  HGDIOBJ selected = GetCurrentObject(outer, OBJ_PEN);
  EXPECT_EQ(pen_color(selected), kGreen) << "the outer scope draws on with it";
  EXPECT_EQ(GetTextColor(outer), kGreen);
  EXPECT_TRUE(deleted(record_pen));
  end_draw(&w, outer, 0);
  EXPECT_EQ(w.draw_dc, nullptr);
  EXPECT_EQ(pen_color(w.pen), kGreen);
  EXPECT_TRUE(deleted(selected)) << "the pen made inside the scope is freed with it";
}

using DrawFont = GuiTest;

TEST_F(DrawFont, PointsStyleFlagsAndFaceMakeTheFontAndTheOldOneIsDeleted) {
  HDC screen = GetDC(nullptr);
  ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSY), 96) << "points become pixels at the display's resolution";
  ReleaseDC(nullptr, screen);
  std::string long_face(40, 'x');
  struct Case {
    const char* face;
    int32_t points, weight;
    uint32_t style;
    LONG height;
    BYTE italic, underline, strike, charset;
    const char* face_want; // null: not checked
  } cases[] = {
      {"Arial", 12, 700, 0, -16, 0, 0, 0, 0, "Arial"},
      {"", 7, 400, 0, -9, 0, 0, 0, 0, nullptr}, // the editor's gutter font
      {"Arial", 10, 400, 0x1, -13, 1, 0, 0, 0, "Arial"},
      {"Arial", 10, 400, 0x10, -13, 0, 1, 0, 0, "Arial"},
      {"Arial", 10, 400, 0x20, -13, 0, 0, 1, 0, "Arial"},
      {"Arial", 10, 400, 0x20011, -13, 1, 1, 0, SYMBOL_CHARSET, "Arial"},
      {"Arial", 10, 400, 0xCC0000, -13, 0, 0, 0, RUSSIAN_CHARSET, "Arial"},
      {long_face.c_str(), 10, 400, 0, -13, 0, 0, 0, 0, "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"}, // cut to 31
  };
  Window& w = open(0, 0, 200, 100, kNoBacking);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.face) + " " + std::to_string(c.points) + " style " + std::to_string(c.style));
    HFONT before = w.font;
    win_set_font(&w, c.face, c.points, c.weight, c.style, 0);
    LOGFONTA lf = font_of(w.font);
    EXPECT_EQ(lf.lfHeight, c.height);
    EXPECT_EQ(lf.lfWeight, c.weight);
    EXPECT_EQ(lf.lfItalic, c.italic);
    EXPECT_EQ(lf.lfUnderline, c.underline);
    EXPECT_EQ(lf.lfStrikeOut, c.strike);
    EXPECT_EQ(lf.lfCharSet, c.charset);
    EXPECT_EQ(lf.lfQuality, DRAFT_QUALITY);
    EXPECT_STREQ(c.face_want ? lf.lfFaceName : nullptr, c.face_want);
    EXPECT_TRUE(deleted(before));
  }
}

TEST_F(DrawFont, AControlGetsTheFontAndItsOldFontIsDeleted) {
  Window& w = open(0, 0, 200, 100, kNoBacking);
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20, w.handle,
                              reinterpret_cast<HMENU>(5), nullptr, nullptr);
  HFONT old_font = CreateFontA(-10, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
  SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(old_font), 0);
  LONG window_height = font_of(w.font).lfHeight;
  win_set_font(&w, "Courier New", 10, 400, 0x10, 5);
  HGDIOBJ now = reinterpret_cast<HGDIOBJ>(SendMessageA(edit, WM_GETFONT, 0, 0));
  LOGFONTA lf = font_of(now);
  EXPECT_EQ(lf.lfHeight, -13);
  EXPECT_STREQ(lf.lfFaceName, "Courier New");
  EXPECT_EQ(lf.lfUnderline, 1);
  EXPECT_TRUE(deleted(old_font));
  EXPECT_EQ(font_of(w.font).lfHeight, window_height) << "the window's own font stays";
  win_set_font(&w, "Arial", 20, 400, 0, 99); // no such control
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(edit, WM_GETFONT, 0, 0)), now);
  win_close(&w);
  DeleteObject(now); // a plain EDIT control does not free its font
}

using DrawBox = GuiTest;

TEST_F(DrawBox, LineAndFillColoursIntoTheBackingStoreOrOnTheScreenAndOnlyWhatWasDrawnIsRepainted) {
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
    EXPECT_EQ(p.at(10, 20), c.edge) << "left edge";
    EXPECT_EQ(p.at(39, 20), c.edge) << "right edge";
    EXPECT_EQ(p.at(25, 29), c.edge) << "bottom edge";
    EXPECT_EQ(p.at(25, 20), c.inside == COLOR_NONE ? w.back_color : c.inside);
    EXPECT_EQ(p.at(40, 20), w.back_color) << "nothing right of the box";
    EXPECT_EQ(p.at(25, 30), w.back_color) << "nothing below the box";
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
