// The line-number gutter: its rows read back from the screen and compared
// with the rows it should show, drawn the same way into a bitmap.
#include "tests/app/editor_test.h"

#include <vector>

#include "tests/support/pixels.h"

namespace {

class Gutter : public EditorTest {
protected:
  void SetUp() override {
    EditorTest::SetUp();
    std::string lines;
    for (int i = 1; i <= 300; ++i) lines += "line " + std::to_string(i) + "\r\n";
    set_text(lines);
  }
  // Makes the client area this high (the window as wide as before).
  static void client_height_to(int height) {
    RECT w, c;
    GetWindowRect(editor_window.handle, &w);
    GetClientRect(editor_window.handle, &c);
    SetWindowPos(editor_window.handle, nullptr, 0, 0, w.right - w.left, w.bottom - w.top - c.bottom + height,
                 SWP_NOMOVE | SWP_NOZORDER);
    pump_all();
    ASSERT_EQ(client_height, height);
  }
  static void scroll_to(int top) {
    SendMessageA(field(), EM_LINESCROLL, 0, top - SendMessageA(field(), EM_GETFIRSTVISIBLELINE, 0, 0));
    ASSERT_EQ(SendMessageA(field(), EM_GETFIRSTVISIBLELINE, 0, 0), top);
  }
  // The strip as it shows after a repaint and one gutter pass.
  static Pixels strip_after_pass() {
    RedrawWindow(editor_window.handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    pump_all();
    gutter_draw();
    HDC dc = GetDC(editor_window.handle);
    Pixels p(dc, 0, 0, GUTTER_WIDTH, client_height);
    ReleaseDC(editor_window.handle, dc);
    return p;
  }
  // The strip showing these rows: the window's font (7 points, the
  // system's face), its colours, a row every 16 pixels from y 6.
  static Pixels expected_strip(const std::vector<std::string>& rows) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, GUTTER_WIDTH, client_height);
    HGDIOBJ old_bitmap = SelectObject(dc, bitmap);
    RECT all = {0, 0, GUTTER_WIDTH, client_height};
    HBRUSH back = CreateSolidBrush(EDITOR_BACK_COLOR);
    FillRect(dc, &all, back);
    DeleteObject(back);
    LOGFONTA lf = {};
    lf.lfHeight = -MulDiv(7, GetDeviceCaps(screen, LOGPIXELSY), 72);
    lf.lfWeight = 400;
    lf.lfQuality = DRAFT_QUALITY;
    HFONT font = CreateFontIndirectA(&lf);
    HGDIOBJ old_font = SelectObject(dc, font);
    SetTextColor(dc, EDITOR_TEXT_COLOR);
    SetBkColor(dc, EDITOR_BACK_COLOR);
    SetBkMode(dc, OPAQUE);
    for (size_t r = 0; r < rows.size(); ++r)
      TextOutA(dc, 1, 16 * static_cast<int>(r + 1) - 10, rows[r].c_str(), static_cast<int>(rows[r].size()));
    Pixels p(dc, 0, 0, GUTTER_WIDTH, client_height);
    SelectObject(dc, old_font);
    DeleteObject(font);
    SelectObject(dc, old_bitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return p;
  }
  static std::vector<std::string> rows_from(int first_number, int count) {
    std::vector<std::string> rows;
    for (int i = 0; i < count; ++i) rows.push_back(" " + std::to_string(first_number + i) + "----------");
    return rows;
  }
  static int differences(const Pixels& a, const Pixels& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
      for (int x = 0; x < a.width(); ++x) n += a.at(x, y) != b.at(x, y);
    return n;
  }
  static int text_pixels(const Pixels& p) {
    return p.count(EDITOR_TEXT_COLOR, 0, 0, p.width(), p.height());
  }
};

TEST_F(Gutter, AHundredPixelsShowSixRowsFromTheTopLine) {
  client_height_to(100);
  Pixels top = strip_after_pass();
  EXPECT_GT(text_pixels(top), 0);
  EXPECT_EQ(differences(top, expected_strip(rows_from(1, 6))), 0);

  scroll_to(40);
  Pixels scrolled = strip_after_pass();
  EXPECT_EQ(differences(scrolled, expected_strip(rows_from(41, 6))), 0);
  EXPECT_GT(differences(scrolled, top), 0);
}

TEST_F(Gutter, FollowsTheViewAtTheFullHeight) {
  scroll_to(123);
  int rows = client_height / 16;
  EXPECT_EQ(differences(strip_after_pass(), expected_strip(rows_from(124, rows))), 0);
}

TEST_F(Gutter, DrawsNoRowWhileAScriptRuns) {
  script_running = 1;
  EXPECT_EQ(text_pixels(strip_after_pass()), 0);
}

TEST_F(Gutter, DrawsNoRowWithLineNumbersOff) {
  line_numbers_on = 0;
  EXPECT_EQ(text_pixels(strip_after_pass()), 0);
}

} // namespace
