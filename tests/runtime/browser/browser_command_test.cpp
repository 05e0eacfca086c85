// browser_command against the stand-in: what the host asks the control for each code, the texts it
// copies into the caller's buffers, and code 14's wait for the blank page's document.
#include <cstdlib>
#include <cstring>

#include "tests/runtime/browser/browser_fixture.h"

TEST_F(StandInTest, WithoutABrowserEveryCodeAndOperationDoesNothing) {
  for (int32_t code = 0; code <= 16; ++code) {
    char buffer[16] = "#";
    EXPECT_EQ(browser_command(&host, code, buffer, 10), 0) << code;
    EXPECT_EQ(buffer[0], '#') << "nothing written, code " << code;
  }
  EXPECT_EQ(browser_navigate(host.handle, "x.html"), -4);
  EXPECT_EQ(browser_write_html(host.handle, "<p>x</p>"), -4);
  EXPECT_EQ(browser_connect_events(host.handle, nullptr), 0u);
  EXPECT_EQ(standin::made(), 0);
}

// The site's texts (the URL's stands for them) and the control's page name, cut to the buffer.
TEST_F(AttachedTest, BufferCodesCopyTheirTextCutToTheBufferSize) {
  const std::string long_text = "http://example.test/" + std::string(300, 'x');
  std::free(host.browser->url);
  host.browser->url = _strdup(long_text.c_str());
  struct Case { int32_t code, size; std::string expected; } cases[] = { // size 255: the call without a size
      {BROWSER_URL, 10, long_text.substr(0, 9)}, {BROWSER_URL, 0, ""}, {BROWSER_URL, 255, long_text.substr(0, 254)},
      {BROWSER_LOCATION_NAME, 8, "Stand-i"},
  };
  for (const Case& c : cases) {
    std::string buffer(400, '#');
    EXPECT_EQ(c.size == 255 ? browser_command(&host, c.code, &buffer[0])
                            : browser_command(&host, c.code, &buffer[0], c.size), 0);
    EXPECT_EQ(buffer.substr(0, buffer.find('#')), c.size ? c.expected + '\0' : "") << c.code << " " << c.size;
  }
}

// ---- Code 14: browser_write_html --------------------------------------------

TEST_F(AttachedTest, WriteHtmlGivesUpWhenNoDocumentComesWithinTheWait) {
  standin::script().documents_load = false;
  g_browser_document_wait_ms = 300;
  DWORD start = GetTickCount();
  EXPECT_EQ(browser_write_html(host.handle, "<p>never</p>"), -1);
  DWORD took = GetTickCount() - start;
  EXPECT_GE(took, 290u);
  EXPECT_LT(took, 5000u);
  EXPECT_EQ(standin::count("write <p>never</p>"), 0);
}

// Either way the call returns well inside the wait it would give a page that never comes; a page that
// loads gets the text written into its document and closed.
TEST_F(AttachedTest, WriteHtmlPutsBackAQuitMessageItMeets) {
  g_browser_document_wait_ms = 6000;
  for (bool documents_load : {true, false}) { // the blank page loads before the quit is met, or never
    standin::script().documents_load = documents_load;
    standin::calls().clear();
    PostQuitMessage(7);
    DWORD start = GetTickCount();
    EXPECT_EQ(browser_write_html(host.handle, "<p>x</p>"), documents_load ? 0 : -1);
    EXPECT_LT(GetTickCount() - start, 2000u);
    std::vector<std::string> calls = {"Navigate2 about:blank", "write <p>x</p>", "close"};
    EXPECT_EQ(standin::calls(), documents_load ? calls : std::vector<std::string>{calls[0]});
    MSG m;
    ASSERT_TRUE(PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit was put back";
    EXPECT_EQ(m.wParam, 7u);
  }
}

TEST_F(AttachedTest, WindowClosedWhileWriteHtmlWaitsEndsTheWait) {
  log.on_event = [&] {
    if (event_code == EV_BROWSER_NAVIGATE_DONE) win_close(&host);
    return 0;
  };
  EXPECT_EQ(browser_write_html(host.handle, "<p>too late</p>"), -1);
  EXPECT_EQ(standin::count("write <p>too late</p>"), 0);
  EXPECT_EQ(standin::alive(), 0) << "the control went once the wait let it go";
}
