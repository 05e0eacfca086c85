// The site object's document host: no 3-D border, the control's own context
// menu and keys, nothing extended or translated.
#include "runtime/browser/browser_internal.h"
#include "runtime/browser/com_table.h"

namespace {
struct UiHandlerTable {
  UNKNOWN_SLOTS;
  SLOT(IDocHostUIHandler, ShowContextMenu);
  SLOT(IDocHostUIHandler, GetHostInfo);
  SLOT(IDocHostUIHandler, ShowUI);
  SLOT(IDocHostUIHandler, HideUI);
  SLOT(IDocHostUIHandler, UpdateUI);
  SLOT(IDocHostUIHandler, EnableModeless);
  SLOT(IDocHostUIHandler, OnDocWindowActivate);
  SLOT(IDocHostUIHandler, OnFrameWindowActivate);
  SLOT(IDocHostUIHandler, ResizeBorder);
  SLOT(IDocHostUIHandler, TranslateAccelerator);
  SLOT(IDocHostUIHandler, GetOptionKeyPath);
  SLOT(IDocHostUIHandler, GetDropTarget);
  SLOT(IDocHostUIHandler, GetExternal);
  SLOT(IDocHostUIHandler, TranslateUrl);
  SLOT(IDocHostUIHandler, FilterDataObject);
};

// The size the host fills: the size, flags and double-click fields.
constexpr ULONG kHostInfoSize = 12;

HRESULT STDMETHODCALLTYPE query(void* self, REFIID iid, void** out) {
  return site_query(site_from(self, offsetof(SiteObject, ui_handler)), iid, out);
}

HRESULT STDMETHODCALLTYPE get_host_info(void*, DOCHOSTUIINFO* info) {
  if (!info) return E_POINTER;
  info->cbSize = kHostInfoSize;
  info->dwFlags = DOCHOSTUIFLAG_NO3DBORDER;
  info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE get_external(void*, IDispatch** out) {
  if (out) *out = nullptr;
  return S_FALSE;
}

HRESULT STDMETHODCALLTYPE translate_url(void*, DWORD, LPWSTR, LPWSTR* out) {
  if (out) *out = nullptr;
  return S_FALSE;
}

HRESULT STDMETHODCALLTYPE filter_data_object(void*, IDataObject*, IDataObject** out) {
  if (out) *out = nullptr;
  return S_FALSE;
}

const UiHandlerTable ui_handler_table = {
    query,
    fixed_count,
    fixed_count,
    answer<S_FALSE, DWORD, POINT*, IUnknown*, IDispatch*>,  // ShowContextMenu: the control's own
    get_host_info,
    answer<S_OK, DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
           IOleInPlaceUIWindow*>,                            // ShowUI
    answer<S_OK>,                                            // HideUI
    answer<S_OK>,                                            // UpdateUI
    answer<S_OK, WINBOOL>,                                   // EnableModeless
    answer<S_OK, WINBOOL>,                                   // OnDocWindowActivate
    answer<S_OK, WINBOOL>,                                   // OnFrameWindowActivate
    answer<S_OK, LPCRECT, IOleInPlaceUIWindow*, WINBOOL>,    // ResizeBorder
    answer<S_FALSE, LPMSG, const GUID*, DWORD>,              // TranslateAccelerator
    answer<S_FALSE, LPOLESTR*, DWORD>,                       // GetOptionKeyPath
    answer<S_FALSE, IDropTarget*, IDropTarget**>,            // GetDropTarget
    get_external,
    translate_url,
    filter_data_object,
};
} // namespace

const void* const UI_HANDLER_TABLE = &ui_handler_table;
