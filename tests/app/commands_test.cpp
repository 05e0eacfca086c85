// The editor window's Handler: layout, the help and About texts, the Edit
// commands, and the Script commands that have no run window to act on.
// (The boxes' texts as a person reads them are checked end to end.)
#include "tests/app/editor_test.h"

#include <algorithm>

#include "app/help_texts.h"

namespace {

class Commands : public EditorTest {
protected:
  static RECT field_rect() {
    RECT r;
    GetWindowRect(field(), &r);
    MapWindowPoints(nullptr, editor_window.handle, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
};

TEST_F(Commands, TheFieldFollowsTheGutterSwitchAndTheWindowsSize) {
  menu(MENU_LINE_NUMBERS);
  EXPECT_EQ(line_numbers_on, 0);
  EXPECT_EQ(field_rect().left, 0);
  EXPECT_EQ(field_rect().right, client_width);
  menu(MENU_LINE_NUMBERS);
  EXPECT_EQ(line_numbers_on, 1);
  SetWindowPos(editor_window.handle, nullptr, 0, 0, 500, 300, SWP_NOMOVE | SWP_NOZORDER);
  pump_all();
  RECT c;
  GetClientRect(editor_window.handle, &c);
  EXPECT_EQ(client_width, c.right);
  EXPECT_EQ(client_height, c.bottom);
  RECT r = field_rect();
  EXPECT_EQ(r.left, 30);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right, c.right);
  EXPECT_EQ(r.bottom, c.bottom);
}

TEST(HelpTexts, TitlesBeginningsAndEndsOfTheHelpAndAboutTexts) {
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
  std::string about = ABOUT_TEXT;
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
  EXPECT_EQ(selection(), std::make_pair(DWORD{0}, DWORD{11}));
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

TEST_F(Commands, RestartKillAndUnknownIdsChangeNothingWhileNoScriptRuns) {
  set_text("still here");
  for (int id : std::initializer_list<int>{MENU_RESTART, MENU_KILL, 0, 27, 99, 0x8005}) menu(id);
  pick_file(MENU_EXECUTE, "Execute", ""); // Execute asks for a page; cancelled, nothing runs
  EXPECT_EQ(script_running, 0);
  EXPECT_EQ(run_window.handle, nullptr);
  EXPECT_TRUE(IsWindowVisible(field()));
  EXPECT_EQ(text(), "still here");
  EXPECT_EQ(line_numbers_on, 1);
}

} // namespace
