// The editor window's Handler: layout, the gutter (its rows are checked end to end),
// the Edit commands, and the Script commands that have no run window to act on.
#include "tests/app/editor_test.h"

#include "tests/support/screen.h"

namespace {

using Commands = EditorTest;

TEST_F(Commands, TheFieldFollowsTheGutterSwitchAndTheWindowsSize) {
  menu(MENU_LINE_NUMBERS);
  EXPECT_EQ(place_of(field()).left, 0);
  menu(MENU_LINE_NUMBERS);
  SetWindowPos(editor_window.handle, nullptr, 0, 0, 500, 300, SWP_NOMOVE | SWP_NOZORDER);
  pump_until([] { return GetQueueStatus(QS_ALLINPUT) == 0; });
  RECT c;
  GetClientRect(editor_window.handle, &c);
  EXPECT_EQ(client_height, c.bottom) << "the gutter draws this high";
  EXPECT_EQ(rect_text(place_of(field())), rect_text({30, 0, c.right, c.bottom}));
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
  for (int id : std::initializer_list<int>{MENU_RESTART, MENU_KILL, 0, 27, 99, 0x8005})
    pick(id, nullptr); // none opens a dialog
  pick_file(MENU_EXECUTE, "Execute", ""); // cancelled: nothing runs
  EXPECT_EQ(script_running, 0);
  EXPECT_EQ(run_window.handle, nullptr);
  EXPECT_TRUE(IsWindowVisible(field()));
  EXPECT_EQ(text(), "still here");
  EXPECT_EQ(line_numbers_on, 1);
}

using Gutter = EditorTest;

TEST_F(Gutter, DrawsNoRowWhileAScriptRunsOrWithLineNumbersOff) {
  // Pixels of the text colour in the strip after a repaint and one gutter pass.
  auto text_pixels_after_pass = [] {
    RedrawWindow(editor_window.handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    pump_until([] { return GetQueueStatus(QS_ALLINPUT) == 0; });
    gutter_draw();
    HDC dc = GetDC(editor_window.handle);
    Pixels p(dc, 0, 0, GUTTER, client_height);
    ReleaseDC(editor_window.handle, dc);
    return p.count(EDITOR_TEXT, 0, 0, p.width(), p.height());
  };
  set_text("a\r\nb\r\nc");
  script_running = 1;
  EXPECT_EQ(text_pixels_after_pass(), 0);
  script_running = 0;
  ASSERT_GT(text_pixels_after_pass(), 0);
  line_numbers_on = 0;
  EXPECT_EQ(text_pixels_after_pass(), 0);
}

} // namespace
