#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/runtime/gui/gui_helpers.h"
#include "tests/support/event_log.h"

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

TEST_F(Draw, DrawingInTheEraseEventUsesTheEraseDcAndFreesItsObjects) {
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
  InvalidateRect(w.handle, nullptr, TRUE);
  UpdateWindow(w.handle);
  ASSERT_NE(made[2], nullptr);
  for (HGDIOBJ o : made) EXPECT_TRUE(deleted(o)) << "freed once the erase DC is restored";
  EXPECT_EQ(w.pen, record_pen) << "no state goes into the record";
  EXPECT_EQ(w.font, record_font);
  EXPECT_EQ(rect_text({w.pos_x, w.pos_y, 0, 0}), "3,4-0,0");
  EXPECT_EQ(Pixels::of_window(w.handle).at(10, 20), kGreen);
}
