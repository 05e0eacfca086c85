// The editor window's Handler: layout, the View boxes, help and About, the
// Edit commands, and the Script commands that have no run window to act on.
#include "tests/app/editor_test.h"

#include "app/help_texts.h"
#include "app/menu_ids.h"

namespace {

class Commands : public EditorTest {
protected:
  // The text of the box titled title that the pick of id shows.
  std::string box_of(int id, const char* title) {
    std::string seen;
    pick(id, [&](DialogDriver& d) { answer_box(d, title, &seen); });
    return seen;
  }
  static RECT field_rect() {
    RECT r;
    GetWindowRect(field(), &r);
    MapWindowPoints(nullptr, editor_window.handle, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  static RECT client() {
    RECT r;
    GetClientRect(editor_window.handle, &r);
    return r;
  }
};

TEST_F(Commands, LineNumbersMoveTheFieldOverTheGutterAndBack) {
  RECT c = client();
  RECT r = field_rect();
  EXPECT_EQ(r.left, 30);
  EXPECT_EQ(r.right, c.right);
  menu(MENU_LINE_NUMBERS);
  EXPECT_EQ(line_numbers_on, 0);
  r = field_rect();
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.right, c.right);
  menu(MENU_LINE_NUMBERS);
  EXPECT_EQ(line_numbers_on, 1);
  r = field_rect();
  EXPECT_EQ(r.left, 30);
  EXPECT_EQ(r.right - r.left, c.right - 30);
}

TEST_F(Commands, ResizingLaysTheFieldOutAgain) {
  SetWindowPos(editor_window.handle, nullptr, 0, 0, 500, 300, SWP_NOMOVE | SWP_NOZORDER);
  pump_all();
  RECT c = client();
  RECT r = field_rect();
  EXPECT_EQ(client_width, c.right);
  EXPECT_EQ(client_height, c.bottom);
  EXPECT_EQ(r.left, 30);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right, c.right);
  EXPECT_EQ(r.bottom, c.bottom);
}

TEST_F(Commands, LineCountOfAnEmptyFieldIsOne) {
  EXPECT_EQ(box_of(MENU_LINE_COUNT, "Alert"), "Line Count: 1");
  set_text("a\r\nb\r\nc");
  EXPECT_EQ(box_of(MENU_LINE_COUNT, "Alert"), "Line Count: 3");
}

TEST_F(Commands, MemoryInfoGivesLimitFreeAndUsed) {
  set_text(std::string(1232, 'm') + "\r\n");
  EXPECT_EQ(box_of(MENU_MEMORY_INFO, "Memory Info"),
            "Limit: 30000 bytes\r\n\r\nFree: 28766 bytes\r\n\r\nUsed: 1234 bytes");
}

TEST_F(Commands, EveryHelpTopicShowsItsText) {
  for (int id = MENU_IDE_REFERENCE; id <= MENU_SEARCH_HELP; ++id) {
    const HelpText* help = help_text_of(id);
    ASSERT_NE(help, nullptr) << id;
    EXPECT_EQ(box_of(id, help->title), help->message) << help->title;
  }
}

TEST_F(Commands, HelpTextsBeginAsTheyShould) {
  // Spot checks of the texts themselves: titles, and where each one starts
  // and ends.
  struct Expect {
    int id;
    const char* title;
    const char* start;
    const char* end;
  } cases[] = {
      {MENU_IDE_REFERENCE, "IDE Reference", "Select translate from", "current script being executed."},
      {MENU_LANGUAGE_REFERENCE, "Language Reference", "Semicolons are not required", "\r\ntextbox id"},
      {MENU_FILE_HELP, "File Help", "Select new from the file menu the begin", "to the printer."},
      {MENU_EDIT_HELP, "Edit Help", "Select undo from", "current file being edited."},
      {MENU_VIEW_HELP, "View Help", "Select line count", "remaining free bytes."},
      {MENU_SEARCH_HELP, "Search Help", "Select search from", "Searches are not case sensitive. "},
  };
  for (const Expect& e : cases) {
    const HelpText* help = help_text_of(e.id);
    ASSERT_NE(help, nullptr);
    std::string m = help->message;
    EXPECT_STREQ(help->title, e.title);
    EXPECT_EQ(m.rfind(e.start, 0), 0u) << e.title;
    EXPECT_EQ(m.substr(m.size() - std::string(e.end).size()), e.end) << e.title;
  }
}

TEST_F(Commands, AboutNamesTheProgramTheYearAndTheAddress) {
  std::string about = box_of(MENU_ABOUT, "About");
  EXPECT_EQ(about.rfind("Tolvane\r\n\r\n", 0), 0u);
  EXPECT_NE(about.find("2026"), std::string::npos);
  EXPECT_EQ(about.substr(about.size() - 25), "\r\nhttps://tolvane.example");
  EXPECT_EQ(std::count(about.begin(), about.end(), '\n'), 4);
}

TEST_F(Commands, EditCommandsWorkTheFieldWhileTheFocusIsElsewhere) {
  set_text("hello world");
  menu(MENU_SEARCH);
  ASSERT_EQ(GetFocus(), GetDlgItem(search_dialog.handle, 2));
  menu(MENU_SELECT_ALL);
  DWORD start = 1, end = 0;
  SendMessageA(field(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 11u);
  menu(MENU_COPY);
  SendMessageA(field(), EM_SETSEL, 11, 11);
  menu(MENU_PASTE);
  EXPECT_EQ(text(), "hello worldhello world");
  menu(MENU_UNDO);
  EXPECT_EQ(text(), "hello world");
  SendMessageA(field(), EM_SETSEL, 0, 6);
  menu(MENU_CUT);
  EXPECT_EQ(text(), "world");
  EXPECT_EQ(GetFocus(), GetDlgItem(search_dialog.handle, 2));
}

TEST_F(Commands, RestartAndKillDoNothingWhileNoScriptRuns) {
  set_text("still here");
  menu(MENU_RESTART);
  menu(MENU_KILL);
  // Execute asks for a page; cancelled, nothing runs.
  pick(MENU_EXECUTE, [&](DialogDriver& d) { cancel_requester(d, "Execute"); });
  EXPECT_EQ(script_running, 0);
  EXPECT_EQ(run_window.handle, nullptr);
  EXPECT_TRUE(IsWindowVisible(field()));
  EXPECT_EQ(text(), "still here");
}

TEST_F(Commands, UnknownIdsChangeNothing) {
  set_text("x");
  for (int id : {0, 27, 99, 0x8005}) menu(id);
  EXPECT_EQ(text(), "x");
  EXPECT_EQ(line_numbers_on, 1);
}

} // namespace
