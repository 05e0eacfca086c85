// browser_command against the stand-in: what the host asks the control for each code, the texts it
// copies into the caller's buffers, and code 14's wait for the blank page's document.
#include <cstdlib>
#include <cstring>

#include "tests/runtime/browser/browser_fixture.h"

TEST_F(StandInTest, WithoutABrowserEveryCodeAndOperationDoesNothing) {
  Window closed{};
  for (Window* w : {&host, &closed}) {
    for (int32_t code = 0; code <= 16; ++code) {
      char buffer[16];
      std::memset(buffer, '#', sizeof buffer);
      EXPECT_EQ(browser_command(w, code), 0) << code;
      EXPECT_EQ(browser_command(w, code, buffer, 10), 0) << code;
      EXPECT_EQ(buffer[0], '#') << "nothing written, code " << code;
    }
  }
  EXPECT_EQ(browser_navigate(host.handle, "x.html"), -4);
  EXPECT_EQ(browser_write_html(host.handle, "<p>x</p>"), -4);
  EXPECT_EQ(browser_connect_events(host.handle, nullptr), 0u);
  EXPECT_EQ(standin::made(), 0);
}

// Codes 6, 10, 11, 12 and 15 fill buffers and code 14 writes a page: below.
TEST_F(AttachedTest, EachCodeAsksTheControlForItsCall) {
  struct Case {
    int32_t code;
    const char* text; // null: none
    std::vector<std::string> calls;
  } cases[] = {
      {BROWSER_NAVIGATE, "C:\\pages\\script.html", {"Navigate2 C:\\pages\\script.html"}}, // nothing but the URL
      {BROWSER_NAVIGATE, nullptr, {}},          {BROWSER_HOME, nullptr, {"GoHome"}},
      {BROWSER_BACK, nullptr, {"GoBack"}},      {BROWSER_FORWARD, nullptr, {"GoForward"}},
      {BROWSER_REFRESH, nullptr, {"Refresh"}},  {BROWSER_STOP, nullptr, {"Stop"}},
      {BROWSER_SEARCH, nullptr, {"GoSearch"}},  {BROWSER_PRINT, nullptr, {"ExecWB 6 0 no in no out"}},
      {BROWSER_WRITE_HTML, nullptr, {}},        {17, "x", {}},
  };
  for (const Case& c : cases) {
    standin::calls().clear();
    EXPECT_EQ(browser_command(&host, c.code, c.text), 0) << c.code;
    EXPECT_EQ(standin::calls(), c.calls) << c.code;
  }
  char writable[] = "second.html";
  EXPECT_EQ(browser_command(&host, BROWSER_NAVIGATE, writable), 0);
  EXPECT_EQ(standin::count("Navigate2 second.html"), 1) << "a text in a writable buffer is a text too";
  EXPECT_STREQ(writable, "second.html") << "a text argument is not written";
}

// Code 6 names the control's page; the others copy the Browser site's texts.
TEST_F(AttachedTest, BufferCodesCopyTheirTextCutToTheBufferSize) {
  const std::string long_text = "http://example.test/" + std::string(300, 'x');
  struct Case {
    const char* text; // null: none
    int32_t size;     // below 1: nothing written; 255: the call without a size
    std::string expected;
  } cases[] = {
      {nullptr, 10, ""}, {"1234567890", 10, "123456789"}, {"abc", 0, ""},
      {long_text.c_str(), 255, long_text.substr(0, 254)}, // a string variable's 255 bytes
  };
  // The location name comes from the control; the site's texts share one copy, the URL's stands for them.
  for (int32_t code : {BROWSER_LOCATION_NAME, BROWSER_URL}) {
    char** field = &host.browser->url;
    for (const Case& c : cases) {
      std::string what = "code " + std::to_string(code) + ", size " + std::to_string(c.size);
      if (code == BROWSER_LOCATION_NAME) {
        standin::script().location_name = c.text ? std::wstring(c.text, c.text + std::strlen(c.text)) : L"";
      } else {
        std::free(*field);
        *field = c.text ? _strdup(c.text) : nullptr;
      }
      std::string buffer(400, '#');
      int32_t result = c.size == 255 ? browser_command(&host, code, &buffer[0])
                                                   : browser_command(&host, code, &buffer[0], c.size);
      EXPECT_EQ(result, 0) << what;
      if (c.size < 1) {
        EXPECT_EQ(buffer, std::string(400, '#')) << "nothing written, " << what;
        continue;
      }
      EXPECT_EQ(buffer.c_str(), c.expected) << what;
      EXPECT_EQ(buffer[c.size], '#') << "nothing behind the buffer, " << what;
    }
  }
}

// ---- Code 14: browser_write_html --------------------------------------------

TEST_F(AttachedTest, WriteHtmlLoadsTheBlankPageAndWritesTheTextIntoItsDocument) {
  EXPECT_EQ(browser_command(&host, BROWSER_WRITE_HTML, "<p>Hello, page</p>"), 0);
  EXPECT_EQ(standin::calls(),
            (std::vector<std::string>{"Navigate2 about:blank", "write <p>Hello, page</p>", "close"}));
  EXPECT_EQ(log.count(EV_BROWSER_NAVIGATE_DONE), 1) << "the document came from a message the wait handled";
}

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

// Either way the call returns well inside the wait it would give a page that never comes.
TEST_F(AttachedTest, WriteHtmlPutsBackAQuitMessageItMeets) {
  g_browser_document_wait_ms = 6000;
  for (bool documents_load : {true, false}) { // the blank page loads before the quit is met, or never
    standin::script().documents_load = documents_load;
    standin::calls().clear();
    PostQuitMessage(7);
    DWORD start = GetTickCount();
    EXPECT_EQ(browser_write_html(host.handle, "<p>x</p>"), documents_load ? 0 : -1);
    EXPECT_LT(GetTickCount() - start, 2000u);
    EXPECT_EQ(standin::count("write <p>x</p>"), documents_load ? 1 : 0);
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
