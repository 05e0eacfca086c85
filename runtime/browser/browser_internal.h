// What the files of the browser host share (not for programs): the site
// object, the dummy storage, the event sink, text conversions and the
// counts of live objects the tests check.
#pragma once

#include <ole2.h>

#include <exdisp.h>
#include <mshtmhst.h>

#include <cstddef>
#include <cstdint>

#include "runtime/browser/browser.h"

// ---- The operations behind browser_attach and browser_command, by host window --

// 0; -1 no memory for the site object; -2 the control could not be made;
// -3 it could not be activated (it is detached again).
int32_t browser_embed(HWND window);
// Closes and releases the window's control and frees its site object.
void browser_detach(HWND window);
// The connection cookie, or 0 when no events could be connected.
DWORD browser_connect_events(HWND window, BrowserSite* site);
// 1 when the connection was undone, else 0. Events of the window's sink
// reach nobody afterwards, and the site's texts are freed.
int32_t browser_disconnect_events(HWND window, DWORD cookie);
// 1 when the control consumed the key-down message, else 0.
int32_t browser_translate_key(HWND window, const MSG* message);
// 0, or -1 without a control.
int32_t browser_resize(HWND window, int32_t width, int32_t height);
// 0; -4 no browser; -5 no IWebBrowser2; -6 the text could not be converted;
// -7 the control refused to go there (the window got EV_BROWSER_NAVIGATE_ERROR).
int32_t browser_navigate(HWND window, const char* text);
// Shows text as the page. 0; -4 no browser; -1 no document to write to, or
// the text could not be converted.
int32_t browser_write_html(HWND window, const char* text);
// 0, or -1 without a control.
int32_t browser_print(HWND window);
// The name of the page shown, cut to size - 1 bytes. 0, or -1 without a
// control.
int32_t browser_location_name(HWND window, char* buffer, int32_t size);

// ---- The system's OLE and Automation functions -------------------------------
//
// Each does what the system function of that name does. Their libraries
// (ole32, oleaut32) are loaded with the first browser, not at every start,
// and kept; without them each gives its function's failure answer (E_FAIL,
// null or 0) and does nothing.
HRESULT ole_initialize();
void ole_uninitialize();
HRESULT ole_create(REFCLSID clsid, REFIID iid, DWORD render, FORMATETC* format, IOleClientSite* site,
                   IStorage* storage, void** object);
HRESULT ole_set_contained_object(IUnknown* object, BOOL contained);
BSTR sys_alloc_string(const OLECHAR* text);
void sys_free_string(BSTR text);
UINT sys_string_len(BSTR text);
void variant_init(VARIANT* v);
HRESULT variant_clear(VARIANT* v);
HRESULT variant_change_type(VARIANT* to, const VARIANT* from, USHORT flags, VARTYPE type);
SAFEARRAY* safe_array_create_vector(VARTYPE type, LONG lower, ULONG count);
HRESULT safe_array_access_data(SAFEARRAY* array, void** data);
HRESULT safe_array_unaccess_data(SAFEARRAY* array);
HRESULT safe_array_destroy(SAFEARRAY* array);
UINT safe_array_get_dim(SAFEARRAY* array);
HRESULT safe_array_get_lbound(SAFEARRAY* array, UINT dimension, LONG* bound);
HRESULT safe_array_get_ubound(SAFEARRAY* array, UINT dimension, LONG* bound);
UINT safe_array_get_elemsize(SAFEARRAY* array);

// The window property that holds a window's site object.
extern const char* const BROWSER_PROPERTY; // "BROWSER"

// ---- Site object ------------------------------------------------------------
//
// One per hosting window, attached to it as the "BROWSER" property. Each
// table field is a COM interface: its address is the interface pointer, the
// field holds the method table. The interfaces keep no reference count.
struct SiteObject {
  IOleObject* browser;          // the control, once it exists
  const void* client_site;      // IOleClientSite
  const void* in_place_site;    // IOleInPlaceSite
  const void* in_place_frame;   // IOleInPlaceFrame
  HWND window;                  // the host window
  const void* ui_handler;       // IDocHostUIHandler
};

// A fresh site object for the window (GlobalAlloc), or null.
SiteObject* site_object_new(HWND window);
void site_object_free(SiteObject* site);
// The site object attached to the window, or null.
SiteObject* site_object_of(HWND window);

IOleClientSite* site_client(SiteObject* site);
IOleInPlaceSite* site_in_place(SiteObject* site);
IOleInPlaceFrame* site_frame(SiteObject* site);
IDocHostUIHandler* site_ui_handler(SiteObject* site);

// The method tables of the three interfaces beside the client site.
extern const void* const IN_PLACE_SITE_TABLE;
extern const void* const IN_PLACE_FRAME_TABLE;
extern const void* const UI_HANDLER_TABLE;

// The QueryInterface the client site, the in-place site and the UI handler
// share: no reference is added.
HRESULT site_query(SiteObject* site, REFIID iid, void** out);

// Reaches the site object from an interface pointer, the address of the
// field at that offset.
inline SiteObject* site_from(void* self, size_t field_offset) {
  return reinterpret_cast<SiteObject*>(static_cast<char*>(self) - field_offset);
}

// The storage handed to OleCreate: refuses everything but SetClass.
IStorage* dummy_storage();

// ---- Control interfaces --------------------------------------------------------

// The window's control asked for an interface (a reference the caller
// releases), or null.
template <typename I>
I* control_query(HWND window, REFIID iid) {
  SiteObject* site = site_object_of(window);
  if (!site || !site->browser) return nullptr;
  void* out = nullptr;
  if (FAILED(site->browser->QueryInterface(iid, &out))) return nullptr;
  return static_cast<I*>(out);
}

inline IWebBrowser2* control_web_browser(HWND window) {
  return control_query<IWebBrowser2>(window, IID_IWebBrowser2);
}

// ---- Event sink ---------------------------------------------------------------

// A sink for the window's DWebBrowserEvents2, count 0, or null. The last
// Release frees it.
IDispatch* event_sink_new(HWND window, BrowserSite* site);
// Every live sink of the window stops reaching its Browser site: the site's
// texts are freed and later events do nothing.
void event_sinks_orphan(HWND window);

// The site's texts freed and cleared.
void site_texts_free(BrowserSite* site);

// ---- Texts ---------------------------------------------------------------------

// ANSI form of a BSTR (or of a null one: the empty text) in a new calloc
// block, or null without memory.
char* bstr_to_ansi(BSTR text);
// A BSTR of the ANSI text, or null.
BSTR ansi_to_bstr(const char* text);
// Copies text (null: the empty text) into a caller's buffer of size bytes,
// cut to size - 1 bytes; nothing for a size below 1.
void copy_text_cut(char* buffer, int32_t size, const char* text);

// ---- Waiting for a document ----------------------------------------------------

// How long browser_write_html waits for the control's document.
extern DWORD g_browser_document_wait_ms;
constexpr DWORD BROWSER_DOCUMENT_WAIT_MS = 10000;

// ---- Counts of live objects (for the tests) -------------------------------------

int browser_live_site_objects();
int browser_live_sinks();
