// The event sink: an IDispatch advised to the control as its
// DWebBrowserEvents2 connection, which turns the control's events into
// messages to the host window.
#pragma once

#include "runtime/browser/browser_internal.h"

struct EventSink final : IDispatch {
  volatile LONG count; // changed only with interlocked operations
  BrowserSite* site;   // null once the window's events are disconnected
  HWND window;         // the host window
  EventSink* next_live;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception, UINT* bad_arg) override;
};

// The events, one function each; params may be null.
void on_status_text(EventSink* sink, const DISPPARAMS* params);
void on_command_state(EventSink* sink, const DISPPARAMS* params);
void on_before_navigate(EventSink* sink, const DISPPARAMS* params);
void on_navigate_complete(EventSink* sink, const DISPPARAMS* params);
void on_navigate_error(EventSink* sink, const DISPPARAMS* params);
