// Player mode: a copy of the program with an app.dat beside it runs that
// page in a window of its own and ends when the window closes; an app.dat
// it cannot read leaves the editor to start.
#include "tests/e2e/page_window.h"

namespace {

class Player : public ::testing::Test {
protected:
  TempFolder folder{"tolvane-player"};
  std::string exe;
  void SetUp() override {
    ASSERT_TRUE(folder.ok());
    exe = folder.in("tolvane.exe");
    ASSERT_TRUE(CopyFileA(tolvane_exe_path().c_str(), exe.c_str(), FALSE));
  }
};

// A page in UTF-8 is titled with all its characters, even those beyond the system's code page.
TEST_F(Player, AppDatRunsInAWindowTitledByItsFirstLineAndTheEditorNeverAppears) {
  folder.write("app.dat", "<!-- caf\xc3\xa9 \xd0\x96\xd1\x83\xd0\xba -->\r\n" // "café Жук" in UTF-8
                          "<meta charset=\"utf-8\">\r\n<p>Played</p>\r\n");
  // A file to open on the command line changes nothing: the player comes first.
  EditorProcess program(folder.path(), exe, "\"" + folder.write("script.app", "text\r\n") + "\"");
  HWND window = program.window();
  ASSERT_NE(window, nullptr);
  wchar_t title[64] = L"";
  GetWindowTextW(window, title, 64);
  EXPECT_EQ(std::wstring(title), L"caf\u00e9 \u0416\u0443\u043a");
  EXPECT_EQ(shown_windows(program.thread(), "CorvatineWndClass").size(), 1u) << "one window: no editor beside it";
  EXPECT_EQ(program.field(), nullptr) << "no editing field";
  EXPECT_EQ(GetMenu(window), nullptr) << "no menu bar";
  RECT r;
  GetWindowRect(window, &r);
  EXPECT_EQ(r.right - r.left, 640);
  EXPECT_EQ(r.bottom - r.top, 480);
  EXPECT_NE(GetWindow(window, GW_CHILD), nullptr) << "the browser control's window";
  EXPECT_TRUE(says(window, {CANNOT_SHOW, USE_BROWSER})) << "in the page's place, with no button";

  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.exit_code(5000), 0) << "closing ends the process at once, without a question";
}

TEST_F(Player, AsksForTheNewestBrowserModeUnlessTheUserChoseOne) {
  folder.write("app.dat", "<!-- Mode -->\r\n<p>x</p>\r\n");
  struct { DWORD before, after; } cases[] = {{0, 11001}, {8000, 8000}}; // 0: as where Run never ran
  for (const auto& c : cases) {
    emulation_mode_set(c.before);
    EditorProcess program(folder.path(), exe);
    ASSERT_NE(program.window(), nullptr);
    EXPECT_EQ(emulation_mode(), c.after) << c.before;
    PostMessageA(program.window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(program.exit_code(5000), 0);
  }
  emulation_mode_set(0);
}

TEST_F(Player, UnreadableAppDatLeavesTheEditorToStartWithoutAMessage) {
  ASSERT_TRUE(CreateDirectoryA(folder.in("app.dat").c_str(), nullptr)) << "a folder cannot be read as a page";
  EditorProcess program(folder.path(), exe);
  HWND window = program.window();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(text_of(window), "Tolvane");
  EXPECT_NE(program.field(), nullptr) << "the editing field";
  EXPECT_TRUE(program.dialogs.all().empty()) << "no message";
  program.menu(MENU_QUIT);
  EXPECT_EQ(program.exit_code(5000), 0) << "an unmodified editor quits at once";
}

} // namespace
