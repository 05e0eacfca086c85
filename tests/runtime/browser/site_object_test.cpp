// The site object's interfaces, called the way a control calls them: the answers a control acts on
// (the rest it meets at work in the attach tests, with the stand-in and with the system's control).
#include "tests/runtime/browser/browser_fixture.h"

TEST_F(HostTest, SiteObjectAnswersForItsInterfacesAndTheHostWindow) {
  SiteObject* site = site_object_new(host.handle);
  ASSERT_NE(site, nullptr);
  IUnknown* client = site_client(site);
  IUnknown* in_place = site_in_place(site);
  IUnknown* ui = site_ui_handler(site);
  struct Case {
    const IID* iid;
    void* expected; // null: E_NOINTERFACE
  } cases[] = {
      {&IID_IUnknown, client}, {&IID_IOleInPlaceSite, in_place}, {&IID_IDocHostUIHandler, ui}, {&IID_IOleObject, nullptr},
  };
  for (IUnknown* from : {client, ui}) {
    for (const Case& c : cases) {
      void* out = reinterpret_cast<void*>(1);
      EXPECT_EQ(from->QueryInterface(*c.iid, &out), c.expected ? S_OK : E_NOINTERFACE);
      EXPECT_EQ(out, c.expected);
    }
  }

  // The window context: the site's own frame, no document window, the host window without accelerators.
  IOleInPlaceSite* s = site_in_place(site);
  HWND window = nullptr;
  IOleInPlaceFrame* frame = nullptr;
  IOleInPlaceUIWindow* document = reinterpret_cast<IOleInPlaceUIWindow*>(1);
  RECT r = {1, 2, 30, 40};
  OLEINPLACEFRAMEINFO info{};
  info.haccel = reinterpret_cast<HACCEL>(1);
  EXPECT_EQ(s->GetWindow(&window), S_OK);
  EXPECT_EQ(window, host.handle);
  EXPECT_EQ(s->GetWindowContext(&frame, &document, &r, &r, &info), S_OK);
  EXPECT_EQ(frame, site_frame(site));
  EXPECT_EQ(document, nullptr);
  EXPECT_EQ(info.hwndFrame, host.handle);
  EXPECT_EQ(info.haccel, nullptr);
  EXPECT_EQ(s->OnPosRectChange(&r), S_OK) << "without a control";
  window = nullptr;
  EXPECT_EQ(frame->GetWindow(&window), S_OK);
  EXPECT_EQ(window, host.handle);

  // The document host: no 3-D border, the control's own menu and keys, and no object handed out.
  IDocHostUIHandler* h = site_ui_handler(site);
  DOCHOSTUIINFO ui_info{};
  ui_info.dwFlags = 0xFFFF;
  EXPECT_EQ(h->GetHostInfo(&ui_info), S_OK);
  EXPECT_EQ(ui_info.dwFlags, static_cast<DWORD>(DOCHOSTUIFLAG_NO3DBORDER));
  POINT at = {1, 1};
  MSG msg = {};
  EXPECT_EQ(h->ShowContextMenu(0, &at, nullptr, nullptr), S_FALSE);
  EXPECT_EQ(h->TranslateAccelerator(&msg, nullptr, 0), S_FALSE);
  IDispatch* external = reinterpret_cast<IDispatch*>(1);
  EXPECT_EQ(h->GetExternal(&external), S_FALSE);
  EXPECT_EQ(external, nullptr) << "no object handed out";
  site_object_free(site);
}
