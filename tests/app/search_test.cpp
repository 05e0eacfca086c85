// The Search dialog: the first line from the top of the view that holds the
// text, ignoring case, each line searched whole; one answer at most.
#include "tests/app/editor_test.h"

#include <vector>

namespace {

class Search : public EditorTest {
protected:
  // Opens the dialog, types wanted and presses Find Next; the texts of the
  // boxes shown until the dialog closed.
  std::vector<std::string> search(const std::string& wanted) {
    std::vector<std::string> boxes;
    menu(MENU_SEARCH);
    HWND dialog = search_dialog.handle;
    EXPECT_NE(dialog, nullptr);
    if (!dialog) return boxes;
    EXPECT_EQ(text_of(GetDlgItem(dialog, 2)), "") << "the field starts empty";
    type_into(GetDlgItem(dialog, 2), wanted);
    auto answer = [&](DialogDriver& d) {
      for (;;) { // every box until the dialog has gone
        HWND box = nullptr;
        d.wait([&] { return !IsWindow(dialog) || (box = d.find("Alert")) != nullptr; },
               "neither a box nor the dialog's end");
        if (!box) return;
        boxes.push_back(box_text(box));
        press(box, IDOK);
        if (!d.wait_gone(box)) return;
      }
    };
    auto find_next = [&] {
      press(dialog, 1);
      EXPECT_TRUE(pump_until([&] { return !IsWindow(dialog); }));
    };
    EXPECT_EQ(run_answering(find_next, answer), "");
    EXPECT_EQ(search_dialog.handle, nullptr);
    return boxes;
  }
  static std::string numbered_lines(int count) {
    std::string s;
    for (int i = 1; i <= count; ++i) s += "line " + std::to_string(i) + (i < count ? "\r\n" : "");
    return s;
  }
};

TEST_F(Search, FindsTheFirstLineFromTheTopOfTheViewLeavingViewAndSelection) {
  // More lines than a 16-bit line index reaches, with matches on both sides.
  const std::string long_document = "mark\r\n" + numbered_lines(33000) + "\r\nmark";
  struct Case { std::string text; int top; const char* wanted; const char* found; /* null: no box */ } cases[] = {
      {"needle\r\n" + numbered_lines(200) + "\r\nneedle", 50, "Needle", "\"Needle\" found on line 202"},
      {"short\r\n" + std::string(300, '.') + "deep" + std::string(70000, '.'), 0, "DEEP", "\"DEEP\" found on line 2"},
      {"abc\r\ndef", 0, "c\r\nd", nullptr}, // a text across two lines
      {long_document, 0, "mark", "\"mark\" found on line 1"},
      {long_document, 32900, "mark", "\"mark\" found on line 33002"},
  };
  for (const Case& c : cases) {
    set_text(c.text);
    SendMessageA(field(), EM_SETSEL, 2, 5);
    scroll_to(c.top);
    std::vector<std::string> want;
    if (c.found) want.push_back(c.found);
    EXPECT_EQ(search(c.wanted), want) << c.wanted;
    EXPECT_EQ(selection(), std::make_pair(DWORD{2}, DWORD{5})) << c.wanted;
    EXPECT_EQ(first_visible(), c.top) << c.wanted;
  }
}

TEST_F(Search, NumbersTheLinesAsTheFieldCutsThem) {
  // A lone line feed and a carriage return before a line break.
  std::string text = "one\ntwo\r\r\nthree\r\nfour needle";
  set_text(text);
  int line = static_cast<int>(SendMessageA(field(), EM_LINEFROMCHAR, text.find("needle"), 0)) + 1;
  EXPECT_EQ(search("NEEDLE"), std::vector<std::string>{"\"NEEDLE\" found on line " + std::to_string(line)});
}

TEST_F(Search, OneDialogCentredOverTheEditorWithItsFieldFocused) {
  menu(MENU_SEARCH);
  HWND first = search_dialog.handle;
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(GetFocus(), GetDlgItem(first, 2));
  RECT d, e;
  GetWindowRect(first, &d);
  GetWindowRect(editor_window.handle, &e);
  EXPECT_NEAR((d.left + d.right) / 2, (e.left + e.right) / 2, 1);
  EXPECT_NEAR((d.top + d.bottom) / 2, (e.top + e.bottom) / 2, 1);
  menu(MENU_SEARCH);
  EXPECT_EQ(search_dialog.handle, first);
  PostMessageA(first, WM_CLOSE, 0, 0);
  EXPECT_TRUE(pump_until([&] { return !IsWindow(first); }));
  EXPECT_EQ(search_dialog.handle, nullptr);
}

} // namespace
