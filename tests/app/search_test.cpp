// The Search dialog: the first line from the top of the view that holds
// the text, ignoring case, each line searched whole; one answer at most.
#include "tests/app/editor_test.h"

#include "app/menu_ids.h"

namespace {

class Search : public EditorTest {
protected:
  // Opens the dialog, types wanted and presses Find Next; the texts of the
  // boxes shown until the dialog closed.
  std::vector<std::string> search(const std::string& wanted) {
    std::vector<std::string> boxes;
    menu(MENU_SEARCH);
    EXPECT_NE(search_dialog.handle, nullptr);
    if (!search_dialog.handle) return boxes;
    HWND dialog = search_dialog.handle;
    EXPECT_EQ(DialogFinder::text_of(GetDlgItem(dialog, 2)), "") << "the field starts empty";
    DialogFinder::type_into(GetDlgItem(dialog, 2), wanted);
    DialogFinder finder(GetCurrentThreadId());
    DialogDriver driver([&](DialogDriver& d) {
      // Every box until the dialog has gone.
      for (;;) {
        HWND box = nullptr;
        d.wait([&] { return !IsWindow(dialog) || (box = finder.find("Alert")) != nullptr; },
               "neither a box nor the dialog's end");
        if (!box) return;
        boxes.push_back(box_text(box));
        DialogDriver::press(box, IDOK);
        if (!d.wait_gone(box)) return;
      }
    });
    DialogDriver::press(dialog, 1);
    EXPECT_TRUE(pump_until([&] { return !IsWindow(dialog); }));
    EXPECT_TRUE(driver.finish()) << driver.failure();
    EXPECT_EQ(search_dialog.handle, nullptr);
    return boxes;
  }
  static void scroll_to(int top) {
    SendMessageA(field(), EM_LINESCROLL, 0, top - SendMessageA(field(), EM_GETFIRSTVISIBLELINE, 0, 0));
    ASSERT_EQ(SendMessageA(field(), EM_GETFIRSTVISIBLELINE, 0, 0), top);
  }
  static std::string numbered_lines(int count) {
    std::string s;
    for (int i = 1; i <= count; ++i) s += "line " + std::to_string(i) + (i < count ? "\r\n" : "");
    return s;
  }
};

TEST_F(Search, FindsTheLineIgnoringCase) {
  set_text("a\r\nb\r\nvar x=1;\r\nvar y=2;");
  EXPECT_EQ(search("VAR"), std::vector<std::string>{"\"VAR\" found on line 3"});
}

TEST_F(Search, BeginsAtTheFirstVisibleLine) {
  set_text("needle\r\n" + numbered_lines(200) + "\r\nneedle");
  scroll_to(50);
  EXPECT_EQ(search("Needle"), std::vector<std::string>{"\"Needle\" found on line 202"});
}

TEST_F(Search, AgainWithoutScrollingFindsTheSameLine) {
  set_text("x\r\ny\r\nthe end\r\nend");
  EXPECT_EQ(search("end"), std::vector<std::string>{"\"end\" found on line 3"});
  EXPECT_EQ(search("end"), std::vector<std::string>{"\"end\" found on line 3"});
}

TEST_F(Search, NoMatchOrAnEmptyTextShowsNothing) {
  set_text("abc\r\ndef");
  EXPECT_TRUE(search("xyz").empty());
  EXPECT_TRUE(search("").empty());
  EXPECT_TRUE(search("c\r\nd").empty()) << "a text across two lines";
}

TEST_F(Search, ReadsLongLinesWhole) {
  set_text("short\r\n" + std::string(300, '.') + "deep" + std::string(70000, '.'));
  EXPECT_EQ(search("DEEP"), std::vector<std::string>{"\"DEEP\" found on line 2"});
}

TEST_F(Search, StopsAtTheFirstMatchInALongDocument) {
  // More lines than a 16-bit line index reaches, with matches on both sides.
  std::string text = numbered_lines(33000);
  set_text("mark\r\n" + text + "\r\nmark");
  std::vector<std::string> boxes = search("mark");
  EXPECT_EQ(boxes, std::vector<std::string>{"\"mark\" found on line 1"});
  scroll_to(32900);
  EXPECT_EQ(search("mark"), std::vector<std::string>{"\"mark\" found on line 33002"});
}

TEST_F(Search, LeavesTheFieldsViewAndSelection) {
  set_text(numbered_lines(100));
  SendMessageA(field(), EM_SETSEL, 2, 5);
  scroll_to(10);
  search("line 90");
  DWORD start = 0, end = 0;
  SendMessageA(field(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 2u);
  EXPECT_EQ(end, 5u);
  EXPECT_EQ(SendMessageA(field(), EM_GETFIRSTVISIBLELINE, 0, 0), 10);
}

TEST_F(Search, ASecondSearchCommandKeepsOneDialog) {
  menu(MENU_SEARCH);
  HWND first = search_dialog.handle;
  ASSERT_NE(first, nullptr);
  menu(MENU_SEARCH);
  EXPECT_EQ(search_dialog.handle, first);
  PostMessageA(first, WM_CLOSE, 0, 0);
  EXPECT_TRUE(pump_until([&] { return !IsWindow(first); }));
  EXPECT_EQ(search_dialog.handle, nullptr);
}

TEST_F(Search, TheDialogIsCentredOverTheEditorAndTitledSearch) {
  menu(MENU_SEARCH);
  ASSERT_NE(search_dialog.handle, nullptr);
  EXPECT_EQ(DialogFinder::text_of(search_dialog.handle), "Search");
  EXPECT_EQ(DialogFinder::text_of(GetDlgItem(search_dialog.handle, 1)), "Find Next");
  EXPECT_EQ(GetFocus(), GetDlgItem(search_dialog.handle, 2));
  RECT d, e;
  GetWindowRect(search_dialog.handle, &d);
  GetWindowRect(editor_window.handle, &e);
  EXPECT_NEAR((d.left + d.right) / 2, (e.left + e.right) / 2, 1);
  EXPECT_NEAR((d.top + d.bottom) / 2, (e.top + e.bottom) / 2, 1);
}

} // namespace
