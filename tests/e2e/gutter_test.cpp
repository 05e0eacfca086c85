// The gutter read back from the screen against its rows drawn here as the editor
// draws them: a 7-point font of the system's face, its colours, a row every 16 pixels from y 6.
#include "tests/e2e/editor_process.h"

namespace {

Pixels gutter_expected(int height, int first_number) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, GUTTER, height);
  HGDIOBJ old_bitmap = SelectObject(dc, bitmap);
  RECT all = {0, 0, GUTTER, height};
  HBRUSH back = CreateSolidBrush(EDITOR_BACK);
  FillRect(dc, &all, back);
  DeleteObject(back);
  LOGFONTA lf = {};
  lf.lfHeight = -MulDiv(7, GetDeviceCaps(screen, LOGPIXELSY), 72);
  lf.lfWeight = 400;
  lf.lfQuality = DRAFT_QUALITY;
  HFONT font = CreateFontIndirectA(&lf);
  HGDIOBJ old_font = SelectObject(dc, font);
  SetTextColor(dc, EDITOR_TEXT);
  SetBkColor(dc, EDITOR_BACK);
  SetBkMode(dc, OPAQUE);
  for (int r = 0; r < height / 16; ++r) {
    std::string row = " " + std::to_string(first_number + r) + "----------";
    TextOutA(dc, 1, 16 * (r + 1) - 10, row.c_str(), static_cast<int>(row.size()));
  }
  Pixels p(dc, 0, 0, GUTTER, height);
  SelectObject(dc, old_font);
  DeleteObject(font);
  SelectObject(dc, old_bitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return p;
}

using GutterE2E = EditorE2E;

TEST_F(GutterE2E, NumbersTheVisibleLinesAtTwoScrollPositionsAndAfterARepaint) {
  // True once the strip shows the rows from first_number on (drawn on the editor's next pass).
  auto shows_rows_from = [&](int first_number) {
    RECT c;
    GetClientRect(editor->window(), &c);
    Pixels expected = gutter_expected(c.bottom, first_number);
    return wait_until([&] { return Pixels::on_screen(editor->window(), GUTTER) == expected; }, 5000);
  };
  std::string text;
  for (int i = 1; i <= 200; ++i) text += "line " + std::to_string(i) + "\r\n";
  editor->set_field_text(text);
  EXPECT_TRUE(shows_rows_from(1));
  send_to(editor->field(), EM_LINESCROLL, 0, 150);
  EXPECT_TRUE(shows_rows_from(151));
  // A repaint erases the strip, painted over by nothing but the gutter.
  RedrawWindow(editor->window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_TRUE(shows_rows_from(151)) << "drawn again after the repaint";
}

} // namespace
