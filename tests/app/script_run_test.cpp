// Execute, Restart, Kill and the run window's close request, with the
// stand-in browser control answering for the system's one. (The field's
// return and resizing are checked end to end with the system's control.)
#include "tests/app/editor_test.h"

#include <vector>

#include "runtime/browser/browser_internal.h"
#include "tests/runtime/browser/standin.h"
#include "tests/support/heap_blocks.h"

namespace {

class ScriptRun : public EditorTest {
protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    standin::install();
    EditorTest::SetUp();
  }
  void TearDown() override {
    EditorTest::TearDown();
    EXPECT_EQ(browser_live_site_objects(), 0);
    EXPECT_EQ(browser_live_sinks(), 0);
    EXPECT_EQ(standin::alive(), 0);
    standin::revoke();
    OleUninitialize();
  }

  std::string page(const std::string& name) { return folder.write(name, "<p>" + name + "</p>\r\n"); }
  void execute(const std::string& path) { pick_file(MENU_EXECUTE, "Execute", path); }

  static std::vector<HWND> run_windows() {
    std::vector<HWND> out;
    for (HWND c = nullptr; (c = FindWindowExA(editor_window.handle, c, "CorvatineWndClass", nullptr)) != nullptr;)
      out.push_back(c);
    return out;
  }
  static bool covers_client(HWND w) {
    RECT c, r;
    GetClientRect(editor_window.handle, &c);
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, editor_window.handle, reinterpret_cast<POINT*>(&r), 2);
    return EqualRect(&r, &c) != FALSE;
  }
  static bool field_shown() { return IsWindowVisible(field()) != FALSE; }
};

TEST_F(ScriptRun, ExecuteRunsTheChosenPageOverTheWholeClientArea) {
  std::string path = page("first.html");
  execute(path);
  EXPECT_EQ(script_running, 1);
  ASSERT_NE(run_window.handle, nullptr);
  EXPECT_EQ(run_windows(), std::vector<HWND>{run_window.handle});
  EXPECT_TRUE(covers_client(run_window.handle));
  LONG style = GetWindowLongA(run_window.handle, GWL_STYLE);
  EXPECT_EQ(style & WS_BORDER, WS_BORDER);
  EXPECT_EQ(style & WS_CAPTION, WS_BORDER) << "a thin border and no caption";
  EXPECT_EQ(run_window.backing_flags, 0u);
  EXPECT_EQ(DialogFinder::text_of(run_window.handle), "Executing " + path);
  EXPECT_FALSE(field_shown());
  EXPECT_EQ(standin::count("Navigate2 " + path), 1);
  EXPECT_EQ(standin::count("Navigate2 "), 1) << "attached with the empty text first";
  ASSERT_NE(standin::last(), nullptr);
  EXPECT_EQ(GetParent(standin::last()->view()), run_window.handle);
}

TEST_F(ScriptRun, RestartReloadsAnotherExecuteReplacesAndACancelledOneEnds) {
  execute(page("first.html"));
  menu(MENU_RESTART);
  EXPECT_EQ(standin::count("Refresh"), 1);
  std::string second = page("second.html");
  execute(second);
  EXPECT_EQ(script_running, 1);
  EXPECT_EQ(run_windows().size(), 1u);
  EXPECT_EQ(standin::alive(), 1) << "the first browser went with its window";
  EXPECT_EQ(standin::made(), 2);
  EXPECT_EQ(standin::count("Navigate2 " + second), 1);
  EXPECT_FALSE(field_shown());
  pick_file(MENU_EXECUTE, "Execute", ""); // cancelled
  EXPECT_EQ(script_running, 0);
  EXPECT_EQ(run_window.handle, nullptr);
  EXPECT_TRUE(run_windows().empty());
  EXPECT_TRUE(field_shown());
}

TEST_F(ScriptRun, EditCommandsActOnTheHiddenFieldAndQuitTakesTheBrowserDown) {
  set_text("abc");
  execute(page("page.html"));
  menu(MENU_SELECT_ALL);
  EXPECT_EQ(selection(), std::make_pair(DWORD{0}, DWORD{3}));
  win_close(&editor_window); // what Quit does before the process ends
  EXPECT_EQ(run_window.handle, nullptr);
  EXPECT_EQ(run_window.browser, nullptr);
  EXPECT_EQ(standin::alive(), 0);
}

// A thousand Execute / Kill cycles in four runs of 250, each run well inside
// a test's time limit.
class ScriptRunCycles : public ScriptRun, public ::testing::WithParamInterface<int> {};

TEST_P(ScriptRunCycles, ExecuteKillLeavesNothingBehind) {
  std::string path = page("page.html");
  for (int i = 0; i < 5; ++i) { // the requester's and the system's caches fill here
    execute(path);
    menu(MENU_KILL);
  }
  int blocks_before = busy_blocks_all_heaps();
  for (int i = 0; i < 250; ++i) {
    execute(path);
    ASSERT_EQ(script_running, 1) << i;
    ASSERT_NE(run_window.browser, nullptr) << i;
    if (i % 2)
      menu(MENU_KILL);
    else
      SendMessageA(run_window.handle, WM_CLOSE, 0, 0);
    ASSERT_EQ(script_running, 0) << i;
    ASSERT_EQ(run_window.browser, nullptr) << i;
    ASSERT_TRUE(run_windows().empty()) << i;
    ASSERT_TRUE(field_shown()) << i;
    ASSERT_EQ(browser_live_site_objects(), 0) << "site object left, cycle " << i;
    ASSERT_EQ(browser_live_sinks(), 0) << "sink left, cycle " << i;
    ASSERT_EQ(standin::alive(), 0) << "browser left, cycle " << i;
    standin::calls().clear();
    standin::calls().shrink_to_fit();
  }
  EXPECT_LT(busy_blocks_all_heaps() - blocks_before, 50) << "heap blocks gained over the cycles";
}

INSTANTIATE_TEST_SUITE_P(Runs, ScriptRunCycles, ::testing::Values(1, 2, 3, 4));

} // namespace
