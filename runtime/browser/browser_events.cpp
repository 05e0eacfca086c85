// Connecting the event sink to the control's DWebBrowserEvents2 connection
// point, and undoing it.
#include "runtime/browser/browser_internal.h"

namespace {
IConnectionPoint* events_point(HWND window) {
  IConnectionPointContainer* container =
      control_query<IConnectionPointContainer>(window, IID_IConnectionPointContainer);
  if (!container) return nullptr;
  IConnectionPoint* point = nullptr;
  if (FAILED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, &point))) point = nullptr;
  container->Release();
  return point;
}
} // namespace

DWORD browser_connect_events(HWND window, BrowserSite* site) {
  if (!site_object_of(window)) return 0;
  IDispatch* sink = event_sink_new(window, site);
  if (!sink) return 0;
  // Held while it is advised: a connection that fails frees it with this
  // reference, however the connection point dealt with it.
  sink->AddRef();
  DWORD cookie = 0;
  if (IConnectionPoint* point = events_point(window)) {
    if (FAILED(point->Advise(sink, &cookie))) cookie = 0;
    point->Release();
  }
  sink->Release();
  return cookie;
}

int32_t browser_disconnect_events(HWND window, DWORD cookie) {
  int32_t undone = 0;
  if (IConnectionPoint* point = events_point(window)) {
    undone = SUCCEEDED(point->Unadvise(cookie)) ? 1 : 0;
    point->Release();
  }
  event_sinks_orphan(window);
  return undone;
}
