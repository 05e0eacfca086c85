// The gutter of the running editor read back from the screen at two
// scroll positions, against the rows drawn here the same way.
#include "tests/e2e/editor_process.h"

#include "tests/app/gutter_reference.h"

namespace {

class GutterE2E : public EditorE2E {
protected:
  Pixels strip() const {
    RECT c;
    GetClientRect(editor->window(), &c);
    POINT origin = {0, 0};
    ClientToScreen(editor->window(), &origin);
    HDC screen = GetDC(nullptr);
    Pixels p(screen, origin.x, origin.y, GUTTER_WIDTH, c.bottom);
    ReleaseDC(nullptr, screen);
    return p;
  }
  // True once the strip shows the rows from first_number on (the editor
  // draws them on its next pass).
  bool shows_rows_from(int first_number) const {
    RECT c;
    GetClientRect(editor->window(), &c);
    Pixels expected = gutter_expected(c.bottom, gutter_rows(first_number, c.bottom / 16));
    return DialogFinder::poll([&] { return pixel_differences(strip(), expected) == 0; }, 5000);
  }
  void scroll_to(int top) const {
    DWORD_PTR first = 0;
    SendMessageTimeoutA(editor->field(), EM_GETFIRSTVISIBLELINE, 0, 0, SMTO_NORMAL, 5000, &first);
    DWORD_PTR unused = 0;
    SendMessageTimeoutA(editor->field(), EM_LINESCROLL, 0, top - static_cast<int>(first), SMTO_NORMAL, 5000, &unused);
  }
};

TEST_F(GutterE2E, NumbersTheVisibleLinesAtTwoScrollPositions) {
  std::string text;
  for (int i = 1; i <= 200; ++i) text += "line " + std::to_string(i) + "\r\n";
  editor->set_field_text(text);
  EXPECT_TRUE(shows_rows_from(1));
  scroll_to(40);
  EXPECT_TRUE(shows_rows_from(41));
  scroll_to(150);
  EXPECT_TRUE(shows_rows_from(151));
}

TEST_F(GutterE2E, LineNumbersOffCoversTheStripWithTheField) {
  editor->menu_now(12);
  RECT f;
  GetWindowRect(editor->field(), &f);
  MapWindowPoints(nullptr, editor->window(), reinterpret_cast<POINT*>(&f), 2);
  EXPECT_EQ(f.left, 0);
  EXPECT_TRUE(DialogFinder::poll([&] { return strip().count(EDITOR_TEXT_COLOR, 0, 0, 30, 60) == 0; }, 5000));
}

} // namespace
