// Putting a web-browser control into a runtime window and taking it out.
#include "runtime/browser/browser_internal.h"
#include "runtime/core/core.h"

namespace {
const WCHAR kContainerName[] = L"My Host Name";

// A control that exists but could not be placed: it goes again.
void drop(IOleObject* control) {
  control->Close(OLECLOSE_NOSAVE);
  control->SetClientSite(nullptr);
  control->Release();
}
} // namespace

int32_t browser_attach(Window* record, const char* url) {
  if (!record || !record->handle || record->browser) return -1;
  HWND window = record->handle;
  if (site_object_of(window)) return -1; // embedded without a Browser site
  // A thread whose COM cannot take OLE gets no browser, and its COM state
  // is left as it was.
  if (FAILED(ole_initialize())) return -1;
  BrowserSite* site = nullptr;
  if (browser_embed(window) != 0 ||
      !(site = static_cast<BrowserSite*>(block_alloc(VT_RAW, sizeof(BrowserSite))))) {
    browser_detach(window);
    ole_uninitialize();
    return -1;
  }
  site->detach = browser_detach;
  site->translate_key = browser_translate_key;
  site->resize = browser_resize;
  site->release = browser_disconnect_events;
  record->browser = site;
  site->event_cookie = browser_connect_events(window, site);
  if (url) browser_navigate(window, url);
  return 0;
}

int32_t browser_embed(HWND window) {
  SiteObject* site = site_object_new(window);
  if (!site) return -1;
  IOleObject* control = nullptr;
  HRESULT made = ole_create(CLSID_WebBrowser, IID_IOleObject, OLERENDER_DRAW, nullptr, site_client(site),
                           dummy_storage(), reinterpret_cast<void**>(&control));
  if (FAILED(made) || !control) {
    site_object_free(site);
    return -2;
  }
  site->browser = control;
  if (!SetPropA(window, BROWSER_PROPERTY, site)) {
    drop(control);
    site_object_free(site);
    return -2;
  }
  control->SetHostNames(kContainerName, nullptr);
  RECT client;
  GetClientRect(window, &client);
  IWebBrowser2* web = nullptr;
  if (ole_set_contained_object(control, TRUE) != S_OK ||
      control->DoVerb(OLEIVERB_SHOW, nullptr, site_client(site), -1, window, &client) != S_OK ||
      control->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&web)) != S_OK || !web) {
    browser_detach(window);
    return -3;
  }
  web->put_Left(0);
  web->put_Top(0);
  web->put_Width(client.right - client.left);
  web->put_Height(client.bottom - client.top);
  web->Release();
  return 0;
}

// The property goes first, so that nothing reached while the control
// closes finds it half gone. The control is told to forget the site before
// it is released: whoever else still holds it, nothing calls into the site
// object once its memory is returned.
void browser_detach(HWND window) {
  SiteObject* site = site_object_of(window);
  if (!site) return;
  RemovePropA(window, BROWSER_PROPERTY);
  IOleObject* control = site->browser;
  site->browser = nullptr;
  if (control) drop(control);
  site_object_free(site);
}
