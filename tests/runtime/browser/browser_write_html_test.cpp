// browser_write_html: the blank page is loaded first, and the text written
// into its document once the control has one, with the thread's messages
// handled meanwhile.
#include "tests/runtime/browser/browser_fixture.h"

namespace {
class WriteHtmlTest : public StandInTest {
protected:
  void SetUp() override {
    StandInTest::SetUp();
    ASSERT_NE(attach(), nullptr);
    standin::calls().clear();
    log.clear();
  }
  void TearDown() override {
    g_browser_document_wait_ms = BROWSER_DOCUMENT_WAIT_MS;
    StandInTest::TearDown();
  }
};

bool take_quit(WPARAM* code) {
  MSG m;
  if (!PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return false;
  *code = m.wParam;
  return true;
}
} // namespace

TEST_F(WriteHtmlTest, TextBecomesThePageOnceTheBlankDocumentHasLoaded) {
  EXPECT_EQ(browser_command(&host, BROWSER_WRITE_HTML, "<p>Hello, page</p>"), 0);
  EXPECT_EQ(standin::calls(),
            (std::vector<std::string>{"Navigate2 about:blank", "write <p>Hello, page</p>", "close"}));
  // The document came from a message the wait itself handled.
  EXPECT_EQ(log.count(EV_BROWSER_NAVIGATE_DONE), 1);
  EXPECT_EQ(command_text(&host, BROWSER_URL), "about:blank");
}

TEST_F(WriteHtmlTest, DirectCallGivesZeroOnSuccess) {
  EXPECT_EQ(browser_write_html(host.handle, "<b>x</b>"), 0);
  EXPECT_EQ(standin::count("write <b>x</b>"), 1);
}

TEST_F(WriteHtmlTest, NoDocumentWithinTheWaitGivesUpWithoutWriting) {
  standin::script().documents_load = false;
  g_browser_document_wait_ms = 300;
  DWORD start = GetTickCount();
  EXPECT_EQ(browser_write_html(host.handle, "<p>never</p>"), -1);
  DWORD took = GetTickCount() - start;
  EXPECT_GE(took, 290u);
  EXPECT_LT(took, 5000u);
  EXPECT_FALSE(standin::has_call_starting("write"));
}

TEST_F(WriteHtmlTest, QuitMessageMetWhileWaitingIsPutBack) {
  PostQuitMessage(7);
  EXPECT_EQ(browser_write_html(host.handle, "<p>still written</p>"), 0)
      << "the blank page loaded before the quit came up";
  EXPECT_EQ(standin::count("write <p>still written</p>"), 1);
  WPARAM code = 0;
  ASSERT_TRUE(take_quit(&code));
  EXPECT_EQ(code, 7u);
}

TEST_F(WriteHtmlTest, QuitMessageEndsAWaitForADocumentThatDoesNotCome) {
  standin::script().documents_load = false;
  PostQuitMessage(3);
  DWORD start = GetTickCount();
  EXPECT_EQ(browser_write_html(host.handle, "<p>x</p>"), -1);
  EXPECT_LT(GetTickCount() - start, 2000u) << "no full wait while the program quits";
  WPARAM code = 0;
  ASSERT_TRUE(take_quit(&code));
  EXPECT_EQ(code, 3u);
}

TEST_F(WriteHtmlTest, WindowClosedWhileWaitingEndsTheWait) {
  log.on_event = [&] {
    if (event_code == EV_BROWSER_NAVIGATE_DONE) win_close(&host);
    return 0;
  };
  EXPECT_EQ(browser_write_html(host.handle, "<p>too late</p>"), -1);
  EXPECT_EQ(host.handle, nullptr);
  EXPECT_FALSE(standin::has_call_starting("write"));
  EXPECT_EQ(standin::alive(), 0) << "the control went once the wait let it go";
}
