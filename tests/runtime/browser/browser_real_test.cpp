// Embedding against the system's own web-browser control (Wine's here, which cannot load pages): its events
// reach the Handler and it goes with the window. (Placing and resizing it: the editor's run window, end to end.)
#include "tests/runtime/browser/browser_fixture.h"
#include "tests/support/thread_windows.h"

namespace {
// The control's own windows inside the host.
std::vector<HWND> children_of(HWND parent) {
  std::vector<HWND> out;
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) out.push_back(c);
  return out;
}

class RealControlTest : public HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    ASSERT_TRUE(thread_com_free()) << "the host starts OLE itself";
  }
  void TearDown() override {
    HostTest::TearDown();
    EXPECT_TRUE(thread_com_free()) << "every attach's OLE start was undone";
  }
};
} // namespace

TEST_F(RealControlTest, ControlsOwnEventsReachTheHandler) {
  std::vector<std::string> announced;
  log.on_event = [&] {
    if (event_code == EV_BROWSER_BEFORE_NAVIGATE) announced.push_back(command_text(&host, BROWSER_URL));
    return 0;
  };
  ASSERT_EQ(browser_attach(&host, "about:blank"), 0);
  EXPECT_EQ(browser_command(&host, BROWSER_NAVIGATE, "C:\\nowhere.html"), 0);
  EXPECT_TRUE(wait_until([&] { return announced.size() >= 2 && log.count(EV_BROWSER_STATUS) >= 1; }))
      << "both navigations announced, and status texts while loading";
  EXPECT_EQ(announced, (std::vector<std::string>{"about:blank", "C:\\nowhere.html"}));
  EXPECT_EQ(host.browser->post_data, nullptr);
}

TEST_F(RealControlTest, TwoHundredEmbedCloseCyclesKeepTheProcessHealthy) {
  win_close(&host);
  size_t windows_before = thread_windows(GetCurrentThreadId()).size();
  for (int i = 0; i < 200; ++i) {
    open_host();
    ASSERT_EQ(browser_attach(&host, nullptr), 0) << "cycle " << i;
    ASSERT_EQ(children_of(host.handle).size(), 1u) << "cycle " << i;
    win_close(&host);
    handle_messages();
    ASSERT_EQ(browser_live_site_objects(), 0) << "cycle " << i;
    ASSERT_EQ(browser_live_sinks(), 0) << "cycle " << i;
  }
  EXPECT_EQ(thread_windows(GetCurrentThreadId()).size(), windows_before) << "no window of the control left behind";
  EXPECT_TRUE(thread_com_free());
  // Still able to make windows, drawing objects and a browser.
  HPEN pen = CreatePen(PS_SOLID, 1, 0);
  EXPECT_NE(pen, nullptr);
  DeleteObject(pen);
  open_host();
  EXPECT_EQ(browser_attach(&host, nullptr), 0);
}
