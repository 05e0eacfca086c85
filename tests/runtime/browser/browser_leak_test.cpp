// A thousand attach / navigate / close cycles against the stand-in leave no site object, event sink,
// Browser site, text, string or array behind.
#include "tests/runtime/browser/browser_fixture.h"

namespace {
// One life of a browser that does a bit of everything that allocates.
void cycle(Window* host, EventLog& log, int i) {
  ASSERT_EQ(win_open(host, 20, 20, 320, 240, 0x70010, nullptr, "cycle", EventLog::handler), 1);
  ASSERT_EQ(browser_attach(host, "page.html"), 0) << i;
  StandIn* control = standin::last();
  ASSERT_NE(control, nullptr);
  ASSERT_TRUE(wait_until([&] { return log.count(EV_BROWSER_NAVIGATE_DONE) == 1; }, 5000)) << i;
  std::string post = "field=" + std::to_string(i);
  control->fire_before_navigate(L"http://example.test/form", L"X-Cycle: 1\r\n", &post);
  control->fire_status_text(L"Working");
  EXPECT_EQ(command_text(host, BROWSER_POST_DATA), post);
  EXPECT_EQ(command_text(host, BROWSER_LOCATION_NAME), "Stand-in page");
  if (i % 10 == 0) {
    EXPECT_EQ(browser_write_html(host->handle, "<p>cycle</p>"), 0);
  }
  browser_command(host, BROWSER_REFRESH);
  win_close(host);
  // The test's own records would grow the heaps.
  standin::calls().clear();
  standin::calls().shrink_to_fit();
  log.events.clear();
}
} // namespace

TEST_F(StandInTest, AThousandCyclesLeaveNothingBehind) {
  win_close(&host);
  for (int i = 0; i < 20; ++i) cycle(&host, log, i); // the system's own caches fill here
  int blocks_before = busy_blocks_all_heaps();
  for (int i = 0; i < 1000; ++i) {
    cycle(&host, log, i);
    ASSERT_FALSE(HasFatalFailure()) << "cycle " << i;
    ASSERT_EQ(host.browser, nullptr) << i;
    ASSERT_EQ(browser_live_site_objects(), 0) << "site object left, cycle " << i;
    ASSERT_EQ(browser_live_sinks(), 0) << "sink left, cycle " << i;
    ASSERT_EQ(standin::alive(), 0) << "control not released, cycle " << i;
    ASSERT_EQ(standin::documents(), 0) << "document not released, cycle " << i;
  }
  EXPECT_EQ(standin::made(), 1020);
  log.clear();
  // One Browser site, text, string or array left behind per cycle would add a thousand blocks.
  EXPECT_LT(busy_blocks_all_heaps() - blocks_before, 50) << "heap blocks gained over the cycles";
}
