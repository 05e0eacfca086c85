// Execute, Restart and Kill with the stand-in browser control, which records
// what the host asked of it. (The run window as a person sees it is checked end to end.)
#include "tests/app/editor_test.h"

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
};

TEST_F(ScriptRun, ExecuteNavigatesRestartRefreshesAnotherExecuteReplacesAndQuitTakesTheBrowserDown) {
  std::string first = page("first.html");
  execute(first);
  ASSERT_NE(run_window.handle, nullptr);
  EXPECT_EQ(GetWindowLongA(run_window.handle, GWL_STYLE) & WS_CAPTION, WS_BORDER) << "a thin border, no caption";
  EXPECT_EQ(standin::count("Navigate2 " + first), 1);
  EXPECT_EQ(standin::count("Navigate2 "), 1) << "attached with the empty text first";
  ASSERT_NE(standin::last(), nullptr);
  EXPECT_EQ(GetParent(standin::last()->view()), run_window.handle);
  EXPECT_EQ(GetWindow(run_window.handle, GW_CHILD), standin::last()->view()) << "the page alone: no text, no button";
  EXPECT_EQ(GetWindow(standin::last()->view(), GW_HWNDNEXT), nullptr);
  EXPECT_TRUE(IsWindowVisible(standin::last()->view()));
  menu(MENU_RESTART);
  EXPECT_EQ(standin::count("Refresh"), 1);

  std::string second = page("second.html");
  execute(second);
  EXPECT_EQ(script_running, 1);
  EXPECT_EQ(standin::alive(), 1) << "the first browser went with its window";
  EXPECT_EQ(standin::made(), 2);
  EXPECT_EQ(standin::count("Navigate2 " + second), 1);
  win_close(&editor_window); // what Quit does before the process ends
  EXPECT_EQ(run_window.handle, nullptr);
  EXPECT_EQ(run_window.browser, nullptr);
  EXPECT_EQ(standin::alive(), 0);
}

// One block left per cycle would add 250 over the cycles.
TEST_F(ScriptRun, TwoHundredFiftyExecuteKillCyclesLeaveNothingBehind) {
  std::string path = page("page.html");
  for (int i = 0; i < 5; ++i) { // the requester's and the system's caches fill here
    execute(path);
    menu(MENU_KILL);
  }
  int blocks_before = busy_blocks_all_heaps();
  for (int i = 0; i < 250; ++i) {
    execute(path);
    ASSERT_NE(run_window.browser, nullptr) << i;
    if (i % 2)
      menu(MENU_KILL);
    else
      SendMessageA(run_window.handle, WM_CLOSE, 0, 0);
    ASSERT_EQ(script_running, 0) << i;
    ASSERT_EQ(FindWindowExA(editor_window.handle, nullptr, "CorvatineWndClass", nullptr), nullptr) << i;
    ASSERT_TRUE(IsWindowVisible(field())) << i;
    ASSERT_EQ(browser_live_site_objects(), 0) << "site object left, cycle " << i;
    ASSERT_EQ(browser_live_sinks(), 0) << "sink left, cycle " << i;
    ASSERT_EQ(standin::alive(), 0) << "browser left, cycle " << i;
    standin::calls().clear();
    standin::calls().shrink_to_fit();
  }
  EXPECT_LT(busy_blocks_all_heaps() - blocks_before, 50) << "heap blocks gained over the cycles";
}

// NavigateError(pDisp, URL, TargetFrameName, StatusCode, Cancel) from the control, for the object named.
void navigate_error(StandIn* control, IDispatch* frame) {
  VARIANT object{}, none{};
  V_VT(&object) = VT_DISPATCH;
  V_DISPATCH(&object) = frame;
  control->fire(DISPID_NAVIGATEERROR, {object, none, none, none, none});
}

TEST_F(ScriptRun, APageTheControlCannotShowIsSaidInItsPlaceUntilRestartShowsIt) {
  execute(page("page.html"));
  StandIn* control = standin::last();
  ASSERT_NE(control, nullptr);
  auto said = [] {
    return FindWindowExA(run_window.handle, nullptr, "Static", "This system's web browser control cannot show pages.") &&
           FindWindowExA(run_window.handle, nullptr, "Button", "Open in Browser");
  };
  IDispatch* frame = static_cast<IDispatch*>(standin::new_document());
  navigate_error(control, frame);
  frame->Release();
  EXPECT_FALSE(said()) << "a frame inside the page failed, not the page";
  navigate_error(control, static_cast<IWebBrowser2*>(control));
  EXPECT_TRUE(said());
  EXPECT_FALSE(IsWindowVisible(control->view()));
  menu(MENU_RESTART);
  EXPECT_FALSE(said()) << "the page tried again and shown";
  EXPECT_TRUE(IsWindowVisible(control->view()));
}

} // namespace
