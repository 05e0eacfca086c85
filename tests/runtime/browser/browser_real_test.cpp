// Embedding against the system's own web-browser control (Wine's here, which cannot load pages): its events
// reach the Handler and it goes with the window, leaving none of its windows behind. (Placing and resizing
// it: the editor's run window, end to end.)
#include <algorithm>

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
  std::vector<HWND> before = thread_windows(GetCurrentThreadId());
  ASSERT_EQ(browser_attach(&host, "about:blank"), 0);
  EXPECT_EQ(children_of(host.handle).size(), 1u) << "the control's own window inside the host";
  EXPECT_EQ(browser_command(&host, BROWSER_NAVIGATE, "C:\\nowhere.html"), 0);
  EXPECT_TRUE(wait_until([&] { return announced.size() >= 2 && log.count(EV_BROWSER_STATUS) >= 1; }))
      << "both navigations announced, and status texts while loading";
  EXPECT_EQ(announced, (std::vector<std::string>{"about:blank", "C:\\nowhere.html"}));
  EXPECT_EQ(host.browser->post_data, nullptr);
  win_close(&host);
  handle_messages();
  for (HWND left : thread_windows(GetCurrentThreadId()))
    EXPECT_NE(std::find(before.begin(), before.end(), left), before.end()) << "a window of the control is left";
}
