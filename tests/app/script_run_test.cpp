// Execute, Restart, Kill and the run window's close request, with the
// stand-in browser control answering for the system's one.
#include "tests/app/editor_test.h"

#include "app/menu_ids.h"
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
  void execute(const std::string& path) {
    pick(MENU_EXECUTE, [&](DialogDriver& d) { answer_requester(d, "Execute", path); });
  }
  void execute_cancelled() {
    pick(MENU_EXECUTE, [&](DialogDriver& d) { cancel_requester(d, "Execute"); });
  }

  static std::vector<HWND> run_windows() {
    std::vector<HWND> out;
    for (HWND c = GetWindow(editor_window.handle, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
      char cls[64] = "";
      GetClassNameA(c, cls, sizeof cls);
      if (lstrcmpA(cls, "CorvatineWndClass") == 0) out.push_back(c);
    }
    return out;
  }
  static RECT rect_in_editor(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, editor_window.handle, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  static bool covers_client(HWND w) {
    RECT c, r = rect_in_editor(w);
    GetClientRect(editor_window.handle, &c);
    return r.left == c.left && r.top == c.top && r.right == c.right && r.bottom == c.bottom;
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
  char title[MAX_PATH + 20] = "";
  GetWindowTextA(run_window.handle, title, sizeof title);
  EXPECT_EQ(std::string(title), "Executing " + path);
  EXPECT_FALSE(field_shown());
  EXPECT_EQ(standin::count("Navigate2 " + path), 1);
  EXPECT_EQ(standin::count("Navigate2 "), 1) << "attached with the empty text first";
  ASSERT_NE(standin::last(), nullptr);
  EXPECT_EQ(GetParent(standin::last()->view()), run_window.handle);
}

TEST_F(ScriptRun, ExecuteTwiceLeavesOneRunWindowShowingTheSecondPage) {
  execute(page("first.html"));
  std::string second = page("second.html");
  execute(second);
  EXPECT_EQ(script_running, 1);
  EXPECT_EQ(run_windows().size(), 1u);
  EXPECT_EQ(standin::alive(), 1) << "the first browser went with its window";
  EXPECT_EQ(standin::made(), 2);
  EXPECT_EQ(standin::count("Navigate2 " + second), 1);
  EXPECT_FALSE(field_shown());
}

TEST_F(ScriptRun, ExecuteCancelledLeavesNoRunWindow) {
  execute_cancelled();
  EXPECT_EQ(script_running, 0);
  EXPECT_TRUE(run_windows().empty());
  EXPECT_TRUE(field_shown());
  EXPECT_EQ(standin::made(), 0);

  execute(page("page.html"));
  execute_cancelled();
  EXPECT_EQ(script_running, 0);
  EXPECT_EQ(run_window.handle, nullptr);
  EXPECT_TRUE(run_windows().empty());
  EXPECT_TRUE(field_shown());
}

TEST_F(ScriptRun, KillAndTheCloseRequestBringTheFieldBackUnchanged) {
  const std::string source = "static msg,Hello\r\nbutton greet,Say hello";
  set_text(source);
  for (bool by_close_request : {false, true}) {
    execute(page("page.html"));
    ASSERT_EQ(script_running, 1);
    if (by_close_request)
      SendMessageA(run_window.handle, WM_CLOSE, 0, 0);
    else
      menu(MENU_KILL);
    EXPECT_EQ(script_running, 0) << by_close_request;
    EXPECT_EQ(run_window.handle, nullptr) << by_close_request;
    EXPECT_TRUE(run_windows().empty()) << by_close_request;
    EXPECT_TRUE(field_shown()) << by_close_request;
    EXPECT_EQ(text(), source) << by_close_request;
    EXPECT_EQ(standin::alive(), 0) << by_close_request;
  }
}

TEST_F(ScriptRun, RestartReloadsThePage) {
  execute(page("page.html"));
  menu(MENU_RESTART);
  EXPECT_EQ(standin::count("Refresh"), 1);
  EXPECT_EQ(script_running, 1);
}

TEST_F(ScriptRun, ResizingTheEditorKeepsTheRunWindowAndItsBrowserOverTheClientArea) {
  execute(page("page.html"));
  for (SIZE s : {SIZE{520, 360}, SIZE{700, 520}}) {
    SetWindowPos(editor_window.handle, nullptr, 0, 0, s.cx, s.cy, SWP_NOMOVE | SWP_NOZORDER);
    pump_all();
    EXPECT_TRUE(covers_client(run_window.handle)) << s.cx;
    RECT inner;
    GetClientRect(run_window.handle, &inner);
    RECT view;
    GetWindowRect(standin::last()->view(), &view);
    EXPECT_EQ(view.right - view.left, inner.right) << "the browser follows its window";
    EXPECT_EQ(view.bottom - view.top, inner.bottom);
  }
}

TEST_F(ScriptRun, EditCommandsActOnTheHiddenField) {
  set_text("abc");
  execute(page("page.html"));
  menu(MENU_SELECT_ALL);
  DWORD from = 0, to = 0;
  SendMessageA(field(), EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
  EXPECT_EQ(from, 0u);
  EXPECT_EQ(to, 3u);
}

TEST_F(ScriptRun, QuitWhileAScriptRunsTakesTheBrowserDownWithTheWindows) {
  execute(page("page.html"));
  win_close(&editor_window); // what Quit does before the process ends
  EXPECT_EQ(run_window.handle, nullptr);
  EXPECT_EQ(run_window.browser, nullptr);
  EXPECT_EQ(standin::alive(), 0);
}


// A thousand Execute / Kill cycles in four runs of 250 (a run stays well
// inside a test's time limit): each leaves no site object, sink, Browser
// site, browser or run window behind.
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
