// The site object's four interfaces and the dummy storage, called the way a
// control calls them: through their interface pointers, so every slot of
// each method table is reached. What the site answers during activation
// (window context, host info) is checked by the attach test.
#include "tests/runtime/browser/browser_fixture.h"

namespace {
class SiteObjectTest : public HostTest {
protected:
  SiteObject* site = nullptr;
  void SetUp() override {
    HostTest::SetUp();
    open_host();
    site = site_object_new(host.handle);
    ASSERT_NE(site, nullptr);
  }
  void TearDown() override {
    site_object_free(site);
    HostTest::TearDown();
  }
};
} // namespace

TEST_F(SiteObjectTest, QueryInterfaceGivesTheSitesOwnInterfacesWithoutAReference) {
  void* client = site_client(site);
  void* in_place = site_in_place(site);
  void* ui = site_ui_handler(site);
  EXPECT_EQ(client, &site->client_site) << "each interface is the address of its table field";
  EXPECT_EQ(in_place, &site->in_place_site);
  EXPECT_EQ(static_cast<void*>(site_frame(site)), &site->in_place_frame);
  EXPECT_EQ(ui, &site->ui_handler);
  EXPECT_EQ(site->window, host.handle);
  EXPECT_EQ(site->browser, nullptr);
  EXPECT_EQ(browser_live_site_objects(), 1);
  struct Case {
    const IID* iid;
    void* expected; // null: E_NOINTERFACE
  } cases[] = {
      {&IID_IUnknown, client},
      {&IID_IOleClientSite, client},
      {&IID_IOleInPlaceSite, in_place},
      {&IID_IDocHostUIHandler, ui},
      {&IID_IOleInPlaceFrame, nullptr},
      {&IID_IDispatch, nullptr},
      {&IID_IOleObject, nullptr},
      {&IID_IOleWindow, nullptr},
  };
  IUnknown* asked[] = {site_client(site), site_in_place(site), site_ui_handler(site)};
  for (IUnknown* from : asked) {
    for (const Case& c : cases) {
      void* out = reinterpret_cast<void*>(1);
      EXPECT_EQ(from->QueryInterface(*c.iid, &out), c.expected ? S_OK : E_NOINTERFACE);
      EXPECT_EQ(out, c.expected);
    }
    EXPECT_EQ(from->AddRef(), 1u);
    EXPECT_EQ(from->Release(), 1u);
  }
}

TEST_F(SiteObjectTest, ClientSiteMethods) {
  IOleClientSite* s = site_client(site);
  IOleContainer* container = reinterpret_cast<IOleContainer*>(1);
  IMoniker* moniker = nullptr;
  EXPECT_EQ(s->SaveObject(), E_NOTIMPL);
  EXPECT_EQ(s->GetMoniker(OLEGETMONIKER_ONLYIFTHERE, OLEWHICHMK_OBJREL, &moniker), E_NOTIMPL);
  EXPECT_EQ(s->GetContainer(&container), E_NOINTERFACE);
  EXPECT_EQ(s->ShowObject(), S_OK);
  EXPECT_EQ(s->OnShowWindow(TRUE), E_NOTIMPL);
  EXPECT_EQ(s->RequestNewObjectLayout(), E_NOTIMPL);
  EXPECT_EQ(container, nullptr);
}

TEST_F(SiteObjectTest, InPlaceSiteMethods) {
  IOleInPlaceSite* s = site_in_place(site);
  HWND window = nullptr;
  IOleInPlaceFrame* frame = nullptr;
  IOleInPlaceUIWindow* document = nullptr;
  RECT r = {1, 2, 30, 40};
  OLEINPLACEFRAMEINFO info{};
  info.cb = sizeof info;
  SIZE scroll = {5, 5};
  EXPECT_EQ(s->GetWindow(&window), S_OK);
  EXPECT_EQ(s->ContextSensitiveHelp(TRUE), E_NOTIMPL);
  EXPECT_EQ(s->CanInPlaceActivate(), S_OK);
  EXPECT_EQ(s->OnInPlaceActivate(), S_OK);
  EXPECT_EQ(s->OnUIActivate(), S_OK);
  EXPECT_EQ(s->GetWindowContext(&frame, &document, &r, &r, &info), S_OK);
  EXPECT_EQ(s->Scroll(scroll), E_NOTIMPL);
  EXPECT_EQ(s->OnUIDeactivate(FALSE), S_OK);
  EXPECT_EQ(s->OnInPlaceDeactivate(), S_OK);
  EXPECT_EQ(s->DiscardUndoState(), E_NOTIMPL);
  EXPECT_EQ(s->DeactivateAndUndo(), E_NOTIMPL);
  EXPECT_EQ(s->OnPosRectChange(&r), S_OK) << "without a control";
  EXPECT_EQ(window, host.handle);
  EXPECT_EQ(frame, site_frame(site)) << "the frame is reached through the window context";
}

TEST_F(SiteObjectTest, FrameMethods) {
  IOleInPlaceFrame* f = site_frame(site);
  void* out = reinterpret_cast<void*>(1);
  HWND window = nullptr;
  RECT border = {};
  BORDERWIDTHS widths = {};
  OLEMENUGROUPWIDTHS groups = {};
  MSG msg = {};
  EXPECT_EQ(f->QueryInterface(IID_IUnknown, &out), E_NOTIMPL);
  EXPECT_EQ(f->GetWindow(&window), S_OK);
  EXPECT_EQ(f->ContextSensitiveHelp(FALSE), E_NOTIMPL);
  EXPECT_EQ(f->GetBorder(&border), E_NOTIMPL);
  EXPECT_EQ(f->RequestBorderSpace(&widths), E_NOTIMPL);
  EXPECT_EQ(f->SetBorderSpace(&widths), E_NOTIMPL);
  EXPECT_EQ(f->SetActiveObject(nullptr, L"x"), S_OK);
  EXPECT_EQ(f->InsertMenus(nullptr, &groups), E_NOTIMPL);
  EXPECT_EQ(f->SetMenu(nullptr, nullptr, nullptr), S_OK);
  EXPECT_EQ(f->RemoveMenus(nullptr), E_NOTIMPL);
  EXPECT_EQ(f->SetStatusText(L"status"), S_OK);
  EXPECT_EQ(f->EnableModeless(TRUE), S_OK);
  EXPECT_EQ(f->TranslateAccelerator(&msg, 0), E_NOTIMPL);
  EXPECT_EQ(out, reinterpret_cast<void*>(1)) << "out-pointer untouched";
  EXPECT_EQ(window, host.handle);
  EXPECT_EQ(f->AddRef(), 1u);
  EXPECT_EQ(f->Release(), 1u);
}

TEST_F(SiteObjectTest, DocumentHostMethods) {
  IDocHostUIHandler* h = site_ui_handler(site);
  POINT at = {1, 1};
  MSG msg = {};
  LPOLESTR key = reinterpret_cast<LPOLESTR>(1);
  IDropTarget* drop = nullptr;
  IDispatch* external = reinterpret_cast<IDispatch*>(1);
  LPWSTR url = reinterpret_cast<LPWSTR>(1);
  IDataObject* data = reinterpret_cast<IDataObject*>(1);
  RECT r = {};
  EXPECT_EQ(h->ShowContextMenu(0, &at, nullptr, nullptr), S_FALSE);
  EXPECT_EQ(h->ShowUI(0, nullptr, nullptr, nullptr, nullptr), S_OK);
  EXPECT_EQ(h->HideUI(), S_OK);
  EXPECT_EQ(h->UpdateUI(), S_OK);
  EXPECT_EQ(h->EnableModeless(TRUE), S_OK);
  EXPECT_EQ(h->OnDocWindowActivate(TRUE), S_OK);
  EXPECT_EQ(h->OnFrameWindowActivate(TRUE), S_OK);
  EXPECT_EQ(h->ResizeBorder(&r, nullptr, TRUE), S_OK);
  EXPECT_EQ(h->TranslateAccelerator(&msg, nullptr, 0), S_FALSE);
  EXPECT_EQ(h->GetOptionKeyPath(&key, 0), S_FALSE);
  EXPECT_EQ(h->GetDropTarget(nullptr, &drop), S_FALSE);
  EXPECT_EQ(h->GetExternal(&external), S_FALSE);
  EXPECT_EQ(h->TranslateUrl(0, const_cast<LPWSTR>(L"a"), &url), S_FALSE);
  EXPECT_EQ(h->FilterDataObject(nullptr, &data), S_FALSE);
  EXPECT_EQ(key, reinterpret_cast<LPOLESTR>(1)) << "option key path untouched";
  EXPECT_EQ(external, nullptr);
  EXPECT_EQ(url, nullptr);
  EXPECT_EQ(data, nullptr);
}

TEST(DummyStorage, RefusesEverythingButSetClass) {
  IStorage* s = dummy_storage();
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s, dummy_storage()) << "one storage for the whole program";
  void* out = reinterpret_cast<void*>(1);
  IStream* stream = nullptr;
  IStorage* storage = nullptr;
  IEnumSTATSTG* elements = nullptr;
  STATSTG stat = {};
  FILETIME t = {};
  EXPECT_EQ(s->QueryInterface(IID_IUnknown, &out), E_NOTIMPL);
  EXPECT_EQ(s->CreateStream(L"a", STGM_CREATE, 0, 0, &stream), E_NOTIMPL);
  EXPECT_EQ(s->OpenStream(L"a", nullptr, 0, 0, &stream), E_NOTIMPL);
  EXPECT_EQ(s->CreateStorage(L"a", 0, 0, 0, &storage), E_NOTIMPL);
  EXPECT_EQ(s->OpenStorage(L"a", nullptr, 0, nullptr, 0, &storage), E_NOTIMPL);
  EXPECT_EQ(s->CopyTo(0, nullptr, nullptr, nullptr), E_NOTIMPL);
  EXPECT_EQ(s->MoveElementTo(L"a", nullptr, L"b", 0), E_NOTIMPL);
  EXPECT_EQ(s->Commit(0), E_NOTIMPL);
  EXPECT_EQ(s->Revert(), E_NOTIMPL);
  EXPECT_EQ(s->EnumElements(0, nullptr, 0, &elements), E_NOTIMPL);
  EXPECT_EQ(s->DestroyElement(L"a"), E_NOTIMPL);
  EXPECT_EQ(s->RenameElement(L"a", L"b"), E_NOTIMPL);
  EXPECT_EQ(s->SetElementTimes(L"a", &t, &t, &t), E_NOTIMPL);
  EXPECT_EQ(s->SetClass(CLSID_WebBrowser), S_OK);
  EXPECT_EQ(s->SetStateBits(0, 0), E_NOTIMPL);
  EXPECT_EQ(s->Stat(&stat, 0), E_NOTIMPL);
  EXPECT_EQ(out, reinterpret_cast<void*>(1));
  EXPECT_EQ(s->AddRef(), 1u);
  EXPECT_EQ(s->Release(), 1u);
}
