// The site object's in-place site and in-place frame: the control is
// activated inside the host window, with no menus, borders or accelerators.
#include "runtime/browser/browser_internal.h"
#include "runtime/browser/com_table.h"

namespace {
struct InPlaceSiteTable {
  UNKNOWN_SLOTS;
  SLOT(IOleInPlaceSite, GetWindow);
  SLOT(IOleInPlaceSite, ContextSensitiveHelp);
  SLOT(IOleInPlaceSite, CanInPlaceActivate);
  SLOT(IOleInPlaceSite, OnInPlaceActivate);
  SLOT(IOleInPlaceSite, OnUIActivate);
  SLOT(IOleInPlaceSite, GetWindowContext);
  SLOT(IOleInPlaceSite, Scroll);
  SLOT(IOleInPlaceSite, OnUIDeactivate);
  SLOT(IOleInPlaceSite, OnInPlaceDeactivate);
  SLOT(IOleInPlaceSite, DiscardUndoState);
  SLOT(IOleInPlaceSite, DeactivateAndUndo);
  SLOT(IOleInPlaceSite, OnPosRectChange);
};

struct InPlaceFrameTable {
  UNKNOWN_SLOTS;
  SLOT(IOleInPlaceFrame, GetWindow);
  SLOT(IOleInPlaceFrame, ContextSensitiveHelp);
  SLOT(IOleInPlaceFrame, GetBorder);
  SLOT(IOleInPlaceFrame, RequestBorderSpace);
  SLOT(IOleInPlaceFrame, SetBorderSpace);
  SLOT(IOleInPlaceFrame, SetActiveObject);
  SLOT(IOleInPlaceFrame, InsertMenus);
  SLOT(IOleInPlaceFrame, SetMenu);
  SLOT(IOleInPlaceFrame, RemoveMenus);
  SLOT(IOleInPlaceFrame, SetStatusText);
  SLOT(IOleInPlaceFrame, EnableModeless);
  SLOT(IOleInPlaceFrame, TranslateAccelerator);
};

SiteObject* site_of(void* self) { return site_from(self, offsetof(SiteObject, in_place_site)); }
SiteObject* frame_of(void* self) { return site_from(self, offsetof(SiteObject, in_place_frame)); }

HRESULT STDMETHODCALLTYPE site_query_interface(void* self, REFIID iid, void** out) {
  return site_query(site_of(self), iid, out);
}

HRESULT host_window(SiteObject* site, HWND* out) {
  if (!out) return E_POINTER;
  *out = site->window;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE site_get_window(void* self, HWND* out) { return host_window(site_of(self), out); }
HRESULT STDMETHODCALLTYPE frame_get_window(void* self, HWND* out) { return host_window(frame_of(self), out); }

// The frame is the site's own; no document window; the host window as the
// frame window, without accelerators. The rectangles stay as they are.
HRESULT STDMETHODCALLTYPE get_window_context(void* self, IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                             LPRECT, LPRECT, LPOLEINPLACEFRAMEINFO info) {
  SiteObject* site = site_of(self);
  if (frame) *frame = site_frame(site);
  if (document) *document = nullptr;
  if (info) {
    info->fMDIApp = FALSE;
    info->hwndFrame = site->window;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
  }
  return S_OK;
}

// The control asks to be placed elsewhere: it is given that rectangle.
HRESULT STDMETHODCALLTYPE on_pos_rect_change(void* self, LPCRECT rect) {
  SiteObject* site = site_of(self);
  IOleInPlaceObject* in_place = nullptr;
  if (rect && site->browser &&
      SUCCEEDED(site->browser->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&in_place))) &&
      in_place) {
    in_place->SetObjectRects(rect, rect);
    in_place->Release();
  }
  return S_OK;
}

const InPlaceSiteTable in_place_site_table = {
    site_query_interface,
    fixed_count,
    fixed_count,
    site_get_window,
    not_implemented<BOOL>,      // ContextSensitiveHelp
    answer<S_OK>,               // CanInPlaceActivate
    answer<S_OK>,               // OnInPlaceActivate
    answer<S_OK>,               // OnUIActivate
    get_window_context,
    not_implemented<SIZE>,      // Scroll
    answer<S_OK, BOOL>,         // OnUIDeactivate
    answer<S_OK>,               // OnInPlaceDeactivate
    not_implemented<>,          // DiscardUndoState
    not_implemented<>,          // DeactivateAndUndo
    on_pos_rect_change,
};

// The frame is reached only through GetWindowContext.
HRESULT STDMETHODCALLTYPE frame_query_interface(void*, REFIID, void**) { return E_NOTIMPL; }

const InPlaceFrameTable in_place_frame_table = {
    frame_query_interface,
    fixed_count,
    fixed_count,
    frame_get_window,
    not_implemented<BOOL>,                                     // ContextSensitiveHelp
    not_implemented<LPRECT>,                                   // GetBorder
    not_implemented<LPCBORDERWIDTHS>,                          // RequestBorderSpace
    not_implemented<LPCBORDERWIDTHS>,                          // SetBorderSpace
    answer<S_OK, IOleInPlaceActiveObject*, LPCOLESTR>,         // SetActiveObject
    not_implemented<HMENU, LPOLEMENUGROUPWIDTHS>,              // InsertMenus
    answer<S_OK, HMENU, HOLEMENU, HWND>,                       // SetMenu
    not_implemented<HMENU>,                                    // RemoveMenus
    answer<S_OK, LPCOLESTR>,                                   // SetStatusText
    answer<S_OK, BOOL>,                                        // EnableModeless
    not_implemented<LPMSG, WORD>,                              // TranslateAccelerator
};
} // namespace

const void* const IN_PLACE_SITE_TABLE = &in_place_site_table;
const void* const IN_PLACE_FRAME_TABLE = &in_place_frame_table;
