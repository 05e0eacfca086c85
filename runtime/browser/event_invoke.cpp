// The events the sink acts on. Their arguments come in reverse order in the
// parameter array, and the control passes most of them by reference, as a
// variant that points to the variant holding the value.
#include <exdispid.h>

#include <cstdlib>
#include <cstring>

#include "runtime/browser/event_sink.h"
#include "runtime/gui/gui.h"

namespace {
// Argument `position` (0 = first in the event's declaration) of an event
// with `count` arguments, or null when the control gave fewer.
const VARIANT* argument(const DISPPARAMS* params, UINT position, UINT count) {
  if (!params || !params->rgvarg || params->cArgs < count) return nullptr;
  return &params->rgvarg[params->cArgs - 1 - position];
}

// The variant at the end of a chain of by-reference variants.
const VARIANT* value_of(const VARIANT* v) {
  for (int depth = 0; v && V_VT(v) == (VT_BYREF | VT_VARIANT) && depth < 8; ++depth) v = V_VARIANTREF(v);
  return v && V_VT(v) == (VT_BYREF | VT_VARIANT) ? nullptr : v;
}

BSTR text_of(const VARIANT* arg) {
  const VARIANT* v = value_of(arg);
  if (!v) return nullptr;
  if (V_VT(v) == VT_BSTR) return V_BSTR(v);
  if (V_VT(v) == (VT_BYREF | VT_BSTR) && V_BSTRREF(v)) return *V_BSTRREF(v);
  return nullptr;
}

LONG number_of(const VARIANT* arg) {
  const VARIANT* v = value_of(arg);
  if (!v) return 0;
  VARIANT n;
  variant_init(&n);
  if (FAILED(variant_change_type(&n, v, 0, VT_I4))) return 0;
  return V_I4(&n);
}

void set_flag(const VARIANT* arg, bool on) {
  const VARIANT* v = value_of(arg);
  if (!v) return;
  VARIANT_BOOL value = on ? VARIANT_TRUE : VARIANT_FALSE;
  VARIANT* target = const_cast<VARIANT*>(v);
  if (V_VT(target) == (VT_BYREF | VT_BOOL) && V_BOOLREF(target))
    *V_BOOLREF(target) = value;
  else if (V_VT(target) == VT_BOOL)
    V_BOOL(target) = value;
}

// The bytes of a posted array, in a zeroed block one byte longer; null when
// the argument holds no array.
char* bytes_of(const VARIANT* arg) {
  const VARIANT* v = value_of(arg);
  if (!v || !(V_VT(v) & VT_ARRAY)) return nullptr;
  SAFEARRAY* array = (V_VT(v) & VT_BYREF) ? (V_ARRAYREF(v) ? *V_ARRAYREF(v) : nullptr) : V_ARRAY(v);
  LONG lower = 0, upper = -1;
  if (!array || safe_array_get_dim(array) < 1 || FAILED(safe_array_get_lbound(array, 1, &lower)) ||
      FAILED(safe_array_get_ubound(array, 1, &upper)))
    return nullptr;
  size_t size = upper >= lower ? static_cast<size_t>(upper - lower + 1) * safe_array_get_elemsize(array) : 0;
  char* copy = static_cast<char*>(std::calloc(size + 1, 1));
  void* data = nullptr;
  if (copy && size && SUCCEEDED(safe_array_access_data(array, &data))) {
    std::memcpy(copy, data, size);
    safe_array_unaccess_data(array);
  }
  return copy;
}

// Whether the object an event names is the window's control itself, not
// one of the frames inside its page.
bool is_top_frame(HWND window, const VARIANT* arg) {
  const VARIANT* v = value_of(arg);
  if (!v || V_VT(v) != VT_DISPATCH || !V_DISPATCH(v)) return false;
  IUnknown* named = nullptr;
  if (FAILED(V_DISPATCH(v)->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&named)))) return false;
  IUnknown* control = control_query<IUnknown>(window, IID_IUnknown);
  bool same = control && control == named;
  if (control) control->Release();
  named->Release();
  return same;
}

void replace(char** field, BSTR text) {
  std::free(*field);
  *field = bstr_to_ansi(text);
}
} // namespace

// StatusTextChange(Text)
void on_status_text(EventSink* sink, const DISPPARAMS* params) {
  if (!sink->site) return;
  replace(&sink->site->status_text, text_of(argument(params, 0, 1)));
  SendMessageA(sink->window, EV_BROWSER_STATUS, 0, 0);
}

// CommandStateChange(Command, Enable)
void on_command_state(EventSink* sink, const DISPPARAMS* params) {
  if (!sink->site) return;
  LONG command = number_of(argument(params, 0, 2));
  int32_t enable = number_of(argument(params, 1, 2)) != 0;
  if (command == CSC_NAVIGATEFORWARD) sink->site->can_go_forward = enable;
  if (command == CSC_NAVIGATEBACK) sink->site->can_go_back = enable;
}

// BeforeNavigate2(pDisp, URL, Flags, TargetFrameName, PostData, Headers,
// Cancel): the Handler sees the navigation and may cancel it.
void on_before_navigate(EventSink* sink, const DISPPARAMS* params) {
  BrowserSite* site = sink->site;
  if (!site) return;
  site->cancel = 0;
  std::free(site->post_data);
  std::free(site->headers);
  std::free(site->url);
  site->post_data = bytes_of(argument(params, 4, 7));
  site->url = bstr_to_ansi(text_of(argument(params, 1, 7)));
  site->headers = bstr_to_ansi(text_of(argument(params, 5, 7)));
  SendMessageA(sink->window, EV_BROWSER_BEFORE_NAVIGATE, 0, 0);
  // The Handler may have closed the window: then nobody answers.
  if (sink->site) set_flag(argument(params, 6, 7), sink->site->cancel != 0);
}

// NavigateComplete2(pDisp, URL)
void on_navigate_complete(EventSink* sink, const DISPPARAMS* params) {
  if (!sink->site) return;
  replace(&sink->site->url, text_of(argument(params, 1, 2)));
  SendMessageA(sink->window, EV_BROWSER_NAVIGATE_DONE, 0, 0);
}

// NavigateError(pDisp, URL, TargetFrameName, StatusCode, Cancel): only the
// top frame's failure is the page's; the control shows its own error page.
void on_navigate_error(EventSink* sink, const DISPPARAMS* params) {
  if (!sink->site || !is_top_frame(sink->window, argument(params, 0, 5))) return;
  replace(&sink->site->url, text_of(argument(params, 1, 5)));
  SendMessageA(sink->window, EV_BROWSER_NAVIGATE_ERROR, 0, 0);
}
