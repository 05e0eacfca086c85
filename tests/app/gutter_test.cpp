// The line-number gutter draws no row while a script runs or with line
// numbers off. (Its rows are compared with the screen end to end.)
#include "tests/app/editor_test.h"

#include "tests/support/pixels.h"

namespace {

class Gutter : public EditorTest {
protected:
  // Pixels of the text colour in the strip after a repaint and one gutter pass.
  static int text_pixels_after_pass() {
    RedrawWindow(editor_window.handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    pump_all();
    gutter_draw();
    HDC dc = GetDC(editor_window.handle);
    Pixels p(dc, 0, 0, GUTTER_WIDTH, client_height);
    ReleaseDC(editor_window.handle, dc);
    return p.count(EDITOR_TEXT_COLOR, 0, 0, p.width(), p.height());
  }
};

TEST_F(Gutter, DrawsNoRowWhileAScriptRunsOrWithLineNumbersOff) {
  set_text("a\r\nb\r\nc");
  script_running = 1;
  EXPECT_EQ(text_pixels_after_pass(), 0);
  script_running = 0;
  ASSERT_GT(text_pixels_after_pass(), 0);
  line_numbers_on = 0;
  EXPECT_EQ(text_pixels_after_pass(), 0);
}

} // namespace
