// The event sink's life: made with count 0, referenced by the control's
// connection point, freed with the last Release. The live sinks stay on a
// list so that a window's sinks can be cut off from its Browser site when
// its events are disconnected, whoever still holds them.
#include "runtime/browser/event_sink.h"

#include <exdispid.h>

#include <cstdlib>
#include <new>

namespace {
EventSink* live_sinks = nullptr;

void unlink(EventSink* sink) {
  for (EventSink** p = &live_sinks; *p; p = &(*p)->next_live) {
    if (*p == sink) {
      *p = sink->next_live;
      return;
    }
  }
}

void destroy(EventSink* sink) {
  unlink(sink);
  sink->~EventSink();
  GlobalFree(sink);
}

bool is_quiet_event(DISPID id) {
  switch (id) {
  case DISPID_DOWNLOADCOMPLETE:
  case DISPID_DOWNLOADBEGIN:
  case DISPID_PROGRESSCHANGE:
  case DISPID_PROPERTYCHANGE:
  case DISPID_TITLECHANGE:
  case DISPID_NEWWINDOW2:
  case DISPID_ONQUIT:
  case DISPID_ONVISIBLE:
  case DISPID_ONTOOLBAR:
  case DISPID_ONMENUBAR:
  case DISPID_ONSTATUSBAR:
  case DISPID_ONFULLSCREEN:
  case DISPID_DOCUMENTCOMPLETE:
  case DISPID_ONTHEATERMODE: return true;
  default: return false;
  }
}
} // namespace

IDispatch* event_sink_new(HWND window, BrowserSite* site) {
  void* memory = GlobalAlloc(GMEM_FIXED, sizeof(EventSink));
  if (!memory) return nullptr;
  EventSink* sink = new (memory) EventSink();
  sink->count = 0;
  sink->site = site;
  sink->window = window;
  sink->next_live = live_sinks;
  live_sinks = sink;
  return sink;
}

void event_sinks_orphan(HWND window) {
  for (EventSink* s = live_sinks; s; s = s->next_live) {
    if (s->window != window || !s->site) continue;
    site_texts_free(s->site);
    s->site = nullptr;
  }
}

void site_texts_free(BrowserSite* site) {
  std::free(site->headers);
  std::free(site->url);
  std::free(site->post_data);
  std::free(site->status_text);
  site->headers = site->url = site->post_data = site->status_text = nullptr;
}

int browser_live_sinks() {
  int n = 0;
  for (EventSink* s = live_sinks; s; s = s->next_live) ++n;
  return n;
}

HRESULT STDMETHODCALLTYPE EventSink::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, DIID_DWebBrowserEvents2)) {
    AddRef();
    *out = static_cast<IDispatch*>(this);
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE EventSink::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&count)); }

ULONG STDMETHODCALLTYPE EventSink::Release() {
  LONG n = InterlockedDecrement(&count);
  if (n == 0) {
    if (site) site_texts_free(site);
    destroy(this);
  }
  return static_cast<ULONG>(n);
}

HRESULT STDMETHODCALLTYPE EventSink::GetTypeInfoCount(UINT*) { return E_NOTIMPL; }
HRESULT STDMETHODCALLTYPE EventSink::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
// The sink knows its events by number only: no name maps to one, and a
// caller must not be handed success with ids never filled in.
HRESULT STDMETHODCALLTYPE EventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID, DISPID* ids) {
  if (!ids) return E_INVALIDARG;
  for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  return DISP_E_UNKNOWNNAME;
}

HRESULT STDMETHODCALLTYPE EventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                            UINT*) {
  if (is_quiet_event(id)) return S_OK;
  // The Handler may close the window while the event is raised, which
  // releases the connection: the sink lives until the event is done.
  AddRef();
  HRESULT result = S_OK;
  switch (id) {
  case DISPID_STATUSTEXTCHANGE: on_status_text(this, params); break;
  case DISPID_COMMANDSTATECHANGE: on_command_state(this, params); break;
  case DISPID_BEFORENAVIGATE2: on_before_navigate(this, params); break;
  case DISPID_NAVIGATECOMPLETE2: on_navigate_complete(this, params); break;
  case DISPID_NAVIGATEERROR: on_navigate_error(this, params); break;
  default: result = DISP_E_MEMBERNOTFOUND; break;
  }
  Release();
  return result;
}
