// The event sink on what the control sends it: events raised by the
// stand-in with the real control's argument layout, reaching the host
// window's Handler as event codes, with their texts in the Browser site.
#include <cstdlib>
#include <cstring>

#include "tests/runtime/browser/browser_fixture.h"

namespace {
class EventSinkTest : public StandInTest {
protected:
  StandIn* control = nullptr;
  void SetUp() override {
    StandInTest::SetUp();
    control = attach();
    ASSERT_NE(control, nullptr);
    ASSERT_EQ(control->advised(), 1);
    log.clear();
  }
};
} // namespace

TEST_F(EventSinkTest, StatusTextReachesTheHandlerAndEachNewTextReplacesTheLast) {
  EXPECT_EQ(command_text(&host, BROWSER_STATUS_TEXT), "") << "no status text yet";
  std::vector<std::string> seen;
  log.on_event = [&] {
    if (event_code == EV_BROWSER_STATUS) seen.push_back(command_text(&host, BROWSER_STATUS_TEXT));
    return 0;
  };
  control->fire_status_text(L"Opening page");
  control->fire_status_text(L"Done");
  EXPECT_EQ(seen, (std::vector<std::string>{"Opening page", "Done"}));
  EXPECT_EQ(log.count(EV_BROWSER_STATUS), 2);
  EXPECT_EQ(log.last(EV_BROWSER_STATUS)->wparam, 0u);
  EXPECT_EQ(log.last(EV_BROWSER_STATUS)->lparam, 0u);
  EXPECT_EQ(command_text(&host, BROWSER_STATUS_TEXT), "Done");
}

TEST_F(EventSinkTest, AnnouncedNavigationHandsTheHandlerItsUrlHeadersAndPostData) {
  std::string url, headers, post;
  log.on_event = [&] {
    if (event_code == EV_BROWSER_BEFORE_NAVIGATE) {
      url = command_text(&host, BROWSER_URL);
      headers = command_text(&host, BROWSER_HEADERS);
      post = command_text(&host, BROWSER_POST_DATA);
    }
    return 0;
  };
  std::string form = "name=Ada&lang=en";
  EXPECT_FALSE(control->fire_before_navigate(L"http://example.test/form", L"Content-Type: text/plain\r\n", &form));
  EXPECT_EQ(url, "http://example.test/form");
  EXPECT_EQ(headers, "Content-Type: text/plain\r\n");
  EXPECT_EQ(post, form);
  EXPECT_EQ(log.count(EV_BROWSER_BEFORE_NAVIGATE), 1);

  // The next navigation posts nothing: the old bytes are gone.
  EXPECT_FALSE(control->fire_before_navigate(L"file:///c:/next.html", L"", nullptr));
  EXPECT_EQ(host.browser->post_data, nullptr);
  EXPECT_EQ(post, "");
  EXPECT_EQ(url, "file:///c:/next.html");
  EXPECT_EQ(headers, "");
}

TEST_F(EventSinkTest, EmptyPostedArrayGivesAnEmptyText) {
  std::string nothing;
  control->fire_before_navigate(L"http://example.test/", L"", &nothing);
  ASSERT_NE(host.browser->post_data, nullptr);
  EXPECT_STREQ(host.browser->post_data, "");
}

TEST_F(EventSinkTest, HandlerCancelsTheNavigationItIsShownAndOnlyThatOne) {
  log.on_event = [&] {
    if (event_code == EV_BROWSER_BEFORE_NAVIGATE && command_text(&host, BROWSER_URL) == "http://blocked.test/")
      browser_command(&host, BROWSER_CANCEL);
    return 0;
  };
  EXPECT_TRUE(control->fire_before_navigate(L"http://blocked.test/", L"", nullptr));
  EXPECT_FALSE(control->fire_before_navigate(L"http://allowed.test/", L"", nullptr))
      << "the next navigation starts with the flag clear";
}

TEST_F(EventSinkTest, CancelOutsideAnAnnouncementOnlySetsTheFlag) {
  EXPECT_EQ(browser_command(&host, BROWSER_CANCEL), 0);
  EXPECT_EQ(host.browser->cancel, 1);
  EXPECT_FALSE(control->fire_before_navigate(L"http://example.test/", L"", nullptr))
      << "cleared before the Handler is asked";
  EXPECT_EQ(host.browser->cancel, 0);
}

TEST_F(EventSinkTest, CancelledNavigationOfTheProgramIsNotLoaded) {
  log.on_event = [&] {
    if (event_code == EV_BROWSER_BEFORE_NAVIGATE) browser_command(&host, BROWSER_CANCEL);
    return 0;
  };
  browser_command(&host, BROWSER_NAVIGATE, "page.html");
  EXPECT_EQ(standin::count("cancelled page.html"), 1);
  pump();
  EXPECT_EQ(log.count(EV_BROWSER_NAVIGATE_DONE), 0);
}

TEST_F(EventSinkTest, CompletedNavigationLeavesItsUrl) {
  std::string during;
  log.on_event = [&] {
    if (event_code == EV_BROWSER_NAVIGATE_DONE) during = command_text(&host, BROWSER_URL);
    return 0;
  };
  control->fire_navigate_complete(L"file:///c:/pages/done.html");
  EXPECT_EQ(during, "file:///c:/pages/done.html");
  EXPECT_EQ(command_text(&host, BROWSER_URL), "file:///c:/pages/done.html");
  EXPECT_EQ(log.count(EV_BROWSER_NAVIGATE_DONE), 1);
}

TEST_F(EventSinkTest, CommandStateEventsSetCanGoBackAndForward) {
  EXPECT_EQ(browser_command(&host, BROWSER_CAN_GO_BACK), 0);
  EXPECT_EQ(browser_command(&host, BROWSER_CAN_GO_FORWARD), 0);
  control->fire_command_state(CSC_NAVIGATEBACK, true);
  EXPECT_EQ(browser_command(&host, BROWSER_CAN_GO_BACK), 1);
  EXPECT_EQ(browser_command(&host, BROWSER_CAN_GO_FORWARD), 0);
  control->fire_command_state(CSC_NAVIGATEFORWARD, true);
  EXPECT_EQ(browser_command(&host, BROWSER_CAN_GO_FORWARD), 1);
  control->fire_command_state(CSC_UPDATECOMMANDS, false);
  EXPECT_EQ(browser_command(&host, BROWSER_CAN_GO_BACK), 1) << "other commands change nothing";
  EXPECT_EQ(browser_command(&host, BROWSER_CAN_GO_FORWARD), 1);
  control->fire_command_state(CSC_NAVIGATEBACK, false);
  EXPECT_EQ(browser_command(&host, BROWSER_CAN_GO_BACK), 0);
  EXPECT_EQ(log.events.size(), 0u) << "no event for the Handler";
}

TEST_F(EventSinkTest, EventsItDoesNotActOnAreAnsweredAndUnknownOnesRefused) {
  const DISPID quiet[] = {DISPID_DOWNLOADCOMPLETE, DISPID_DOWNLOADBEGIN, DISPID_PROGRESSCHANGE,
                          DISPID_PROPERTYCHANGE,   DISPID_TITLECHANGE,   DISPID_NEWWINDOW2,
                          DISPID_ONQUIT,           DISPID_ONVISIBLE,     DISPID_ONTOOLBAR,
                          DISPID_ONMENUBAR,        DISPID_ONSTATUSBAR,   DISPID_ONFULLSCREEN,
                          DISPID_DOCUMENTCOMPLETE, DISPID_ONTHEATERMODE};
  for (DISPID id : quiet) EXPECT_EQ(control->fire(id, {}), std::vector<HRESULT>{S_OK}) << id;
  EXPECT_EQ(control->fire(300, {}), std::vector<HRESULT>{DISP_E_MEMBERNOTFOUND});
  EXPECT_EQ(control->fire(DISPID_BEFORENAVIGATE, {}), std::vector<HRESULT>{DISP_E_MEMBERNOTFOUND})
      << "the old BeforeNavigate is not ours";
  EXPECT_EQ(log.events.size(), 0u);
}

TEST_F(EventSinkTest, EventsWithMissingArgumentsGiveEmptyTexts) {
  EXPECT_EQ(control->fire(DISPID_BEFORENAVIGATE2, {}), std::vector<HRESULT>{S_OK});
  EXPECT_EQ(log.count(EV_BROWSER_BEFORE_NAVIGATE), 1);
  EXPECT_EQ(command_text(&host, BROWSER_URL), "");
  EXPECT_EQ(control->fire(DISPID_STATUSTEXTCHANGE, {}), std::vector<HRESULT>{S_OK});
  EXPECT_EQ(command_text(&host, BROWSER_STATUS_TEXT), "");
}

TEST_F(EventSinkTest, HandlerThatClosesTheWindowDuringAnEventIsSafe) {
  log.on_event = [&] {
    if (event_code == EV_BROWSER_BEFORE_NAVIGATE) win_close(&host);
    return 0;
  };
  EXPECT_FALSE(control->fire_before_navigate(L"http://example.test/", L"", nullptr))
      << "nobody is left to answer";
  EXPECT_EQ(host.handle, nullptr);
  EXPECT_EQ(host.browser, nullptr);
  EXPECT_EQ(browser_live_sinks(), 0);
  EXPECT_EQ(standin::alive(), 0);
}

// ---- The sink object itself -----------------------------------------------------

namespace {
DISPPARAMS one_text(VARIANT* arg, BSTR text) {
  V_VT(arg) = VT_BSTR;
  V_BSTR(arg) = text;
  return DISPPARAMS{arg, nullptr, 1, 0};
}
} // namespace

TEST_F(HostTest, SinkAnswersForItsEventsInterfaceAndCountsItsReferences) {
  open_host();
  BrowserSite site{};
  IDispatch* sink = event_sink_new(host.handle, &site);
  ASSERT_NE(sink, nullptr);
  EXPECT_EQ(sink->AddRef(), 1u) << "made with count 0";
  for (const IID* iid : {&IID_IUnknown, &IID_IDispatch, &DIID_DWebBrowserEvents2}) {
    void* out = nullptr;
    EXPECT_EQ(sink->QueryInterface(*iid, &out), S_OK);
    EXPECT_EQ(out, sink);
  }
  void* out = reinterpret_cast<void*>(1);
  EXPECT_EQ(sink->QueryInterface(IID_IOleObject, &out), E_NOINTERFACE);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(sink->Release(), 3u) << "each answer added a reference";
  UINT count = 7;
  ITypeInfo* info = nullptr;
  DISPID ids[1] = {12345};
  LPOLESTR names[1] = {const_cast<LPOLESTR>(L"x")};
  EXPECT_EQ(sink->GetTypeInfoCount(&count), E_NOTIMPL);
  EXPECT_EQ(sink->GetTypeInfo(0, 0, &info), E_NOTIMPL);
  EXPECT_EQ(sink->GetIDsOfNames(IID_NULL, names, 1, 0, ids), S_OK);
  EXPECT_EQ(ids[0], 12345) << "nothing written";
  sink->Release();
  sink->Release();
  EXPECT_EQ(sink->Release(), 0u);
  EXPECT_EQ(browser_live_sinks(), 0);
}

TEST_F(HostTest, LastReleaseFreesTheTextsButNotTheBrowserSite) {
  open_host();
  BrowserSite site{};
  site.can_go_back = 1;
  IDispatch* sink = event_sink_new(host.handle, &site);
  sink->AddRef();
  VARIANT arg;
  BSTR text = SysAllocString(L"status");
  DISPPARAMS params = one_text(&arg, text);
  EXPECT_EQ(sink->Invoke(DISPID_STATUSTEXTCHANGE, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr),
            S_OK);
  SysFreeString(text);
  ASSERT_NE(site.status_text, nullptr);
  EXPECT_STREQ(site.status_text, "status");
  site.url = static_cast<char*>(std::calloc(4, 1));
  site.headers = static_cast<char*>(std::calloc(4, 1));
  site.post_data = static_cast<char*>(std::calloc(4, 1));
  EXPECT_EQ(sink->Release(), 0u);
  EXPECT_EQ(site.status_text, nullptr);
  EXPECT_EQ(site.url, nullptr);
  EXPECT_EQ(site.headers, nullptr);
  EXPECT_EQ(site.post_data, nullptr);
  EXPECT_EQ(site.can_go_back, 1) << "the Browser site itself stays";
}
