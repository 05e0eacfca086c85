// The stand-in's connection point and the events it raises with the real control's argument layout:
// by-reference variants that point to the values, the post data one reference further in.
#include <olectl.h>

#include <cstring>

#include "tests/runtime/browser/standin.h"

// Like the real control, the sink is asked for the events interface.
HRESULT STDMETHODCALLTYPE StandIn::Advise(IUnknown* sink, DWORD* cookie) {
  *cookie = 0;
  IDispatch* events = nullptr;
  if (!sink || FAILED(sink->QueryInterface(DIID_DWebBrowserEvents2, reinterpret_cast<void**>(&events))))
    return CONNECT_E_CANNOTCONNECT;
  sinks_.push_back(events);
  *cookie = static_cast<DWORD>(sinks_.size());
  standin::record("Advise " + std::to_string(*cookie));
  return S_OK;
}

HRESULT STDMETHODCALLTYPE StandIn::Unadvise(DWORD cookie) {
  standin::record("Unadvise " + std::to_string(cookie));
  if (cookie == 0 || cookie > sinks_.size() || !sinks_[cookie - 1]) return CONNECT_E_NOCONNECTION;
  IDispatch* sink = sinks_[cookie - 1];
  sinks_[cookie - 1] = nullptr;
  sink->Release();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE StandIn::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
  *point = nullptr;
  if (!IsEqualIID(iid, DIID_DWebBrowserEvents2)) return CONNECT_E_NOCONNECTION;
  AddRef();
  *point = this;
  return S_OK;
}

// Each sink is held while it is called: a Handler may unadvise it meanwhile.
void StandIn::fire(DISPID id, std::vector<VARIANT> args) {
  std::vector<VARIANT> reversed(args.rbegin(), args.rend());
  DISPPARAMS params = {reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  AddRef();
  for (size_t i = 0; i < sinks_.size(); ++i) {
    IDispatch* sink = sinks_[i];
    if (!sink) continue;
    sink->AddRef();
    sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    sink->Release();
  }
  Release();
}

namespace {
// A variant of a text, an object or a reference: all are pointers.
VARIANT variant(VARTYPE type, void* value = nullptr) {
  VARIANT v{};
  V_VT(&v) = type;
  V_BYREF(&v) = value;
  return v;
}
VARIANT by_ref(VARIANT* target) { return variant(VT_BYREF | VT_VARIANT, target); }
VARIANT text(const std::wstring& value) { return variant(VT_BSTR, SysAllocString(value.c_str())); }
} // namespace

bool StandIn::fire_before_navigate(const std::wstring& url, const std::wstring& headers,
                                   const std::string* post_data) {
  VARIANT post = variant(VT_EMPTY);
  if (post_data) {
    post = variant(VT_ARRAY | VT_UI1, SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(post_data->size())));
    void* data = nullptr;
    SafeArrayAccessData(V_ARRAY(&post), &data);
    if (!post_data->empty()) std::memcpy(data, post_data->data(), post_data->size());
    SafeArrayUnaccessData(V_ARRAY(&post));
  }
  VARIANT url_value = text(url), flags = variant(VT_I4), frame = variant(VT_BSTR), post_ref = by_ref(&post),
          headers_value = text(headers);
  VARIANT_BOOL cancel = VARIANT_FALSE;
  fire(DISPID_BEFORENAVIGATE2, {variant(VT_DISPATCH, static_cast<IWebBrowser2*>(this)), by_ref(&url_value),
                                by_ref(&flags), by_ref(&frame), by_ref(&post_ref), by_ref(&headers_value),
                                variant(VT_BYREF | VT_BOOL, &cancel)});
  for (VARIANT* owned : {&url_value, &headers_value, &post}) VariantClear(owned);
  return cancel != VARIANT_FALSE;
}

void StandIn::fire_navigate_complete(const std::wstring& url) {
  VARIANT value = text(url);
  fire(DISPID_NAVIGATECOMPLETE2, {variant(VT_DISPATCH, static_cast<IWebBrowser2*>(this)), by_ref(&value)});
  VariantClear(&value);
}

void StandIn::fire_status_text(const std::wstring& status) {
  VARIANT value = text(status);
  fire(DISPID_STATUSTEXTCHANGE, {value});
  VariantClear(&value);
}

