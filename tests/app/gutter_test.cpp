// The line-number gutter: its rows read back from the screen and compared
// with the rows it should show, drawn the same way into a bitmap.
#include "tests/app/editor_test.h"

#include <vector>

#include "tests/app/gutter_reference.h"

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
  static int text_pixels(const Pixels& p) {
    return p.count(EDITOR_TEXT_COLOR, 0, 0, p.width(), p.height());
  }
};

TEST_F(Gutter, AHundredPixelsShowSixRowsFromTheTopLine) {
  client_height_to(100);
  Pixels top = strip_after_pass();
  EXPECT_GT(text_pixels(top), 0);
  EXPECT_EQ(pixel_differences(top, gutter_expected(client_height, gutter_rows(1, 6))), 0);

  scroll_to(40);
  Pixels scrolled = strip_after_pass();
  EXPECT_EQ(pixel_differences(scrolled, gutter_expected(client_height, gutter_rows(41, 6))), 0);
  EXPECT_GT(pixel_differences(scrolled, top), 0);
}

TEST_F(Gutter, FollowsTheViewAtTheFullHeight) {
  scroll_to(123);
  int rows = client_height / 16;
  EXPECT_EQ(pixel_differences(strip_after_pass(), gutter_expected(client_height, gutter_rows(124, rows))), 0);
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
