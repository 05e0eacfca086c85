// The site object: the container's side of an embedded browser control,
// its client-site interface and the QueryInterface its interfaces share.
#include "runtime/browser/browser_internal.h"
#include "runtime/browser/com_table.h"


const char* const BROWSER_PROPERTY = "BROWSER";

namespace {
int live_site_objects = 0;

struct ClientSiteTable {
  UNKNOWN_SLOTS;
  SLOT(IOleClientSite, SaveObject);
  SLOT(IOleClientSite, GetMoniker);
  SLOT(IOleClientSite, GetContainer);
  SLOT(IOleClientSite, ShowObject);
  SLOT(IOleClientSite, OnShowWindow);
  SLOT(IOleClientSite, RequestNewObjectLayout);
};

SiteObject* of(void* self) { return site_from(self, offsetof(SiteObject, client_site)); }

HRESULT STDMETHODCALLTYPE query(void* self, REFIID iid, void** out) { return site_query(of(self), iid, out); }

HRESULT STDMETHODCALLTYPE get_container(void*, IOleContainer** out) {
  if (out) *out = nullptr;
  return E_NOINTERFACE;
}

const ClientSiteTable client_site_table = {
    query,
    fixed_count,
    fixed_count,
    not_implemented<>,                            // SaveObject
    not_implemented<DWORD, DWORD, IMoniker**>,    // GetMoniker
    get_container,
    answer<S_OK>,                                 // ShowObject
    not_implemented<BOOL>,                        // OnShowWindow
    not_implemented<>,                            // RequestNewObjectLayout
};
} // namespace

SiteObject* site_object_new(HWND window) {
  SiteObject* site = static_cast<SiteObject*>(GlobalAlloc(GMEM_FIXED, sizeof(SiteObject)));
  if (!site) return nullptr;
  site->browser = nullptr;
  site->client_site = &client_site_table;
  site->in_place_site = IN_PLACE_SITE_TABLE;
  site->in_place_frame = IN_PLACE_FRAME_TABLE;
  site->window = window;
  site->ui_handler = UI_HANDLER_TABLE;
  ++live_site_objects;
  return site;
}

void site_object_free(SiteObject* site) {
  if (!site) return;
  GlobalFree(site);
  --live_site_objects;
}

SiteObject* site_object_of(HWND window) {
  return window ? static_cast<SiteObject*>(GetPropA(window, BROWSER_PROPERTY)) : nullptr;
}

IOleClientSite* site_client(SiteObject* site) { return reinterpret_cast<IOleClientSite*>(&site->client_site); }
IOleInPlaceSite* site_in_place(SiteObject* site) { return reinterpret_cast<IOleInPlaceSite*>(&site->in_place_site); }
IOleInPlaceFrame* site_frame(SiteObject* site) { return reinterpret_cast<IOleInPlaceFrame*>(&site->in_place_frame); }
IDocHostUIHandler* site_ui_handler(SiteObject* site) {
  return reinterpret_cast<IDocHostUIHandler*>(&site->ui_handler);
}

HRESULT site_query(SiteObject* site, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
    *out = site_client(site);
  else if (IsEqualIID(iid, IID_IOleInPlaceSite))
    *out = site_in_place(site);
  else if (IsEqualIID(iid, IID_IDocHostUIHandler))
    *out = site_ui_handler(site);
  else
    *out = nullptr;
  return *out ? S_OK : E_NOINTERFACE;
}

int browser_live_site_objects() { return live_site_objects; }
