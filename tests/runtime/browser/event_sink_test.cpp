// The event sink on what the control sends it: events raised by the stand-in with the real control's
// argument layout reach the host window's Handler as event codes, with their texts in the Browser site.
#include <cstdlib>

#include "tests/runtime/browser/browser_fixture.h"

TEST_F(AttachedTest, HandlerThatClosesTheWindowDuringAnEventIsSafe) {
  log.on_event = [&] {
    if (event_code == EV_BROWSER_BEFORE_NAVIGATE) win_close(&host);
    return 0;
  };
  EXPECT_FALSE(control->fire_before_navigate(L"http://example.test/", L"", nullptr)) << "nobody is left to answer";
  EXPECT_EQ(host.browser, nullptr);
  EXPECT_EQ(browser_live_sinks(), 0);
  EXPECT_EQ(standin::alive(), 0);
}

TEST_F(HostTest, SinkAnswersForTheEventsInterfaceAndItsLastReleaseFreesTheTextsButNotTheSite) {
  BrowserSite site{};
  IDispatch* sink = event_sink_new(host.handle, &site);
  ASSERT_NE(sink, nullptr);
  sink->AddRef();
  void* out = nullptr;
  EXPECT_EQ(sink->QueryInterface(DIID_DWebBrowserEvents2, &out), S_OK);
  EXPECT_EQ(out, sink);
  EXPECT_EQ(sink->QueryInterface(IID_IOleObject, &out), E_NOINTERFACE);
  EXPECT_EQ(out, nullptr);
  wchar_t name[] = L"StatusTextChange";
  LPOLESTR names[] = {name, name};
  DISPID ids[2] = {7, 7};
  EXPECT_EQ(sink->GetIDsOfNames(IID_NULL, names, 2, 0, ids), DISP_E_UNKNOWNNAME) << "no names, and no false success";
  EXPECT_EQ(ids[0], DISPID_UNKNOWN);
  EXPECT_EQ(ids[1], DISPID_UNKNOWN);
  sink->Release(); // the answer's reference

  site.can_go_back = 1;
  for (char** text : {&site.url, &site.headers, &site.post_data, &site.status_text})
    *text = static_cast<char*>(std::calloc(4, 1));
  EXPECT_EQ(sink->Release(), 0u);
  EXPECT_EQ(browser_live_sinks(), 0);
  for (char* text : {site.status_text, site.url, site.headers, site.post_data}) EXPECT_EQ(text, nullptr);
  EXPECT_EQ(site.can_go_back, 1) << "the Browser site itself stays";
}
