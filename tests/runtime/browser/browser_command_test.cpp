// browser_command against the stand-in: what the host asks the control for
// each code, and the texts it copies into the caller's buffers.
#include <cstdlib>
#include <cstring>

#include "tests/runtime/browser/browser_fixture.h"

namespace {
char* owned_text(const char* s) {
  char* copy = static_cast<char*>(std::calloc(std::strlen(s) + 1, 1));
  std::strcpy(copy, s);
  return copy;
}

void set_text(char** field, const char* s) {
  std::free(*field);
  *field = s ? owned_text(s) : nullptr;
}

class CommandTest : public StandInTest {
protected:
  StandIn* control = nullptr;
  void SetUp() override {
    StandInTest::SetUp();
    control = attach();
    ASSERT_NE(control, nullptr);
    standin::calls().clear();
  }
};
} // namespace

TEST_F(StandInTest, WithoutABrowserEveryCodeDoesNothing) {
  Window closed{};
  for (Window* w : {&host, &closed}) {
    for (int32_t code = -1; code <= 17; ++code) {
      char buffer[16];
      std::memset(buffer, '#', sizeof buffer);
      EXPECT_EQ(browser_command(w, code), 0) << code;
      EXPECT_EQ(browser_command(w, code, buffer, 10), 0) << code;
      EXPECT_EQ(buffer[0], '#') << "nothing written, code " << code;
    }
  }
  EXPECT_EQ(standin::made(), 0);
}

TEST_F(CommandTest, PlainCodesCallTheirBrowserMethod) {
  struct Case {
    int32_t code;
    const char* call;
  } cases[] = {{BROWSER_HOME, "GoHome"},       {BROWSER_BACK, "GoBack"}, {BROWSER_FORWARD, "GoForward"},
               {BROWSER_REFRESH, "Refresh"},   {BROWSER_STOP, "Stop"},   {BROWSER_SEARCH, "GoSearch"}};
  for (const Case& c : cases) {
    standin::calls().clear();
    EXPECT_EQ(browser_command(&host, c.code), 0) << c.call;
    EXPECT_EQ(standin::calls(), std::vector<std::string>{c.call});
  }
}

TEST_F(CommandTest, NavigateShowsTheFileAndRefreshReloadsIt) {
  EXPECT_EQ(browser_command(&host, BROWSER_NAVIGATE, "C:\\pages\\script.html"), 0);
  EXPECT_EQ(standin::count("Navigate2 C:\\pages\\script.html"), 1) << "a string variant, nothing else given";
  ASSERT_TRUE(wait_loaded(1));
  EXPECT_EQ(command_text(&host, BROWSER_URL), "C:\\pages\\script.html");
  EXPECT_EQ(browser_command(&host, BROWSER_REFRESH), 0);
  EXPECT_EQ(standin::count("Refresh"), 1);
}

TEST_F(CommandTest, NavigateTakesTheTextFromAWritableBufferToo) {
  char name[] = "second.html";
  EXPECT_EQ(browser_command(&host, BROWSER_NAVIGATE, name), 0);
  EXPECT_EQ(standin::count("Navigate2 second.html"), 1);
  EXPECT_STREQ(name, "second.html") << "a text argument is not written";
}

TEST_F(CommandTest, CodesWithoutTheirTextOrBufferDoNothing) {
  EXPECT_EQ(browser_command(&host, BROWSER_NAVIGATE), 0);
  EXPECT_EQ(browser_command(&host, BROWSER_WRITE_HTML), 0);
  for (int32_t code : {BROWSER_LOCATION_NAME, BROWSER_POST_DATA, BROWSER_HEADERS, BROWSER_URL, BROWSER_STATUS_TEXT})
    EXPECT_EQ(browser_command(&host, code, static_cast<char*>(nullptr), 10), 0);
  EXPECT_TRUE(standin::calls().empty());
}

TEST_F(CommandTest, UnknownCodesDoNothing) {
  for (int32_t code : {-1, 17, 18, 100}) EXPECT_EQ(browser_command(&host, code, "x"), 0);
  EXPECT_TRUE(standin::calls().empty());
}

TEST_F(CommandTest, CanGoBackFollowsTheHistory) {
  EXPECT_EQ(browser_command(&host, BROWSER_CAN_GO_BACK), 0) << "fresh browser";
  browser_command(&host, BROWSER_NAVIGATE, "first.html");
  ASSERT_TRUE(wait_loaded(1));
  EXPECT_EQ(browser_command(&host, BROWSER_CAN_GO_BACK), 0);
  browser_command(&host, BROWSER_NAVIGATE, "second.html");
  ASSERT_TRUE(wait_loaded(2));
  EXPECT_EQ(browser_command(&host, BROWSER_CAN_GO_BACK), 1);
  EXPECT_EQ(browser_command(&host, BROWSER_CAN_GO_FORWARD), 0);
  browser_command(&host, BROWSER_BACK);
  ASSERT_TRUE(wait_loaded(3));
  EXPECT_EQ(command_text(&host, BROWSER_URL), "first.html");
  EXPECT_EQ(browser_command(&host, BROWSER_CAN_GO_BACK), 0);
  EXPECT_EQ(browser_command(&host, BROWSER_CAN_GO_FORWARD), 1);
}

TEST_F(CommandTest, TextCopiesCutToTheBufferSize) {
  struct Case {
    const char* text; // null: none
    int32_t size;
    const char* expected;
  } cases[] = {
      {nullptr, 10, ""},        {"", 10, ""},         {"short", 10, "short"}, {"123456789", 10, "123456789"},
      {"1234567890", 10, "123456789"}, {"http://example.test/abcdefghij", 10, "http://ex"},
      {"abc", 1, ""},
  };
  const int32_t codes[] = {BROWSER_POST_DATA, BROWSER_HEADERS, BROWSER_URL, BROWSER_STATUS_TEXT};
  for (int32_t code : codes) {
    char** field = code == BROWSER_POST_DATA ? &host.browser->post_data
                   : code == BROWSER_HEADERS ? &host.browser->headers
                   : code == BROWSER_URL     ? &host.browser->url
                                             : &host.browser->status_text;
    for (const Case& c : cases) {
      set_text(field, c.text);
      char buffer[64];
      std::memset(buffer, '#', sizeof buffer);
      EXPECT_EQ(browser_command(&host, code, buffer, c.size), 0);
      EXPECT_STREQ(buffer, c.expected) << "code " << code << ", size " << c.size;
      EXPECT_EQ(buffer[c.size], '#') << "nothing behind the buffer, code " << code;
    }
  }
}

TEST_F(CommandTest, BufferSizeBelowOneWritesNothing) {
  set_text(&host.browser->url, "http://example.test/");
  for (int32_t size : {0, -5}) {
    char buffer[8] = "#######";
    EXPECT_EQ(browser_command(&host, BROWSER_URL, buffer, size), 0);
    EXPECT_STREQ(buffer, "#######") << size;
  }
}

TEST_F(CommandTest, WithoutASizeTheBufferHolds255Bytes) {
  std::string long_url = "http://example.test/" + std::string(300, 'x');
  set_text(&host.browser->url, long_url.c_str());
  std::string buffer(400, '#');
  EXPECT_EQ(browser_command(&host, BROWSER_URL, &buffer[0]), 0);
  EXPECT_EQ(std::strlen(buffer.c_str()), 254u);
  EXPECT_EQ(buffer.substr(0, 254), long_url.substr(0, 254));
  EXPECT_EQ(buffer[255], '#');
}

TEST_F(CommandTest, LocationNameIsTheControlsAndIsCutLikeTheOtherTexts) {
  standin::script().location_name = L"Tolvane test page";
  EXPECT_EQ(command_text(&host, BROWSER_LOCATION_NAME), "Tolvane test page");
  EXPECT_EQ(command_text(&host, BROWSER_LOCATION_NAME, 8), "Tolvane") << "the first size - 1 bytes";
  EXPECT_EQ(command_text(&host, BROWSER_LOCATION_NAME, 18), "Tolvane test page") << "exactly fits";
  EXPECT_EQ(command_text(&host, BROWSER_LOCATION_NAME, 17), "Tolvane test pag");
  std::string buffer(300, '#');
  EXPECT_EQ(browser_command(&host, BROWSER_LOCATION_NAME, &buffer[0]), 0);
  EXPECT_STREQ(buffer.c_str(), "Tolvane test page");
  standin::script().location_name = L"";
  EXPECT_EQ(command_text(&host, BROWSER_LOCATION_NAME), "");
  EXPECT_EQ(standin::count("get_LocationName"), 6);
}

TEST_F(CommandTest, PrintAsksTheControlToPrintWithItsDefaults) {
  EXPECT_EQ(browser_command(&host, BROWSER_PRINT), 0);
  EXPECT_EQ(standin::calls(), std::vector<std::string>{"ExecWB 6 0 no in no out"});
}

TEST_F(CommandTest, ControlWithoutIWebBrowser2IsLeftAlone) {
  standin::script().refuse_web_browser = true;
  EXPECT_EQ(browser_command(&host, BROWSER_PRINT), -1);
  EXPECT_EQ(browser_print(host.handle), -1);
  EXPECT_EQ(browser_navigate(host.handle, "x.html"), -5);
  EXPECT_EQ(browser_write_html(host.handle, "<p>x</p>"), -1);
  char name[8] = "#######";
  EXPECT_EQ(browser_location_name(host.handle, name, 8), -1);
  EXPECT_STREQ(name, "#######");
  EXPECT_EQ(browser_resize(host.handle, 10, 10), -1);
  EXPECT_EQ(browser_command(&host, BROWSER_REFRESH), 0);
  EXPECT_TRUE(standin::calls().empty());
}

TEST_F(HostTest, OperationsOnAWindowWithoutABrowser) {
  open_host();
  char name[8] = "#######";
  EXPECT_EQ(browser_navigate(host.handle, "x.html"), -4);
  EXPECT_EQ(browser_write_html(host.handle, "<p>x</p>"), -4);
  EXPECT_EQ(browser_print(host.handle), -1);
  EXPECT_EQ(browser_location_name(host.handle, name, 8), -1);
  EXPECT_EQ(browser_resize(host.handle, 10, 10), -1);
  EXPECT_EQ(browser_connect_events(host.handle, nullptr), 0u);
  EXPECT_EQ(browser_disconnect_events(host.handle, 1), 0);
  MSG key = {host.handle, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
  EXPECT_EQ(browser_translate_key(host.handle, &key), 0);
  browser_detach(host.handle);
  EXPECT_STREQ(name, "#######");
}

TEST_F(CommandTest, NavigateWithoutATextCannotConvertIt) {
  EXPECT_EQ(browser_navigate(host.handle, nullptr), -6);
  EXPECT_TRUE(standin::calls().empty());
}
