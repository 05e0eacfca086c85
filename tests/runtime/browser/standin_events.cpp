// The stand-in's connection point and the events it raises, with the
// argument layout of the real control: by-reference variants that point to
// the values, and the post data one reference further in.
#include "tests/runtime/browser/standin.h"

HRESULT STDMETHODCALLTYPE StandInEvents::QueryInterface(REFIID iid, void** out) {
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IConnectionPoint)) {
    *out = this;
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE StandInEvents::AddRef() { return owner_->AddRef(); }
ULONG STDMETHODCALLTYPE StandInEvents::Release() { return owner_->Release(); }

HRESULT STDMETHODCALLTYPE StandInEvents::GetConnectionInterface(IID* iid) {
  *iid = DIID_DWebBrowserEvents2;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE StandInEvents::GetConnectionPointContainer(IConnectionPointContainer** container) {
  *container = owner_;
  owner_->AddRef();
  return S_OK;
}

// Like the real control, the sink is asked for the events interface.
HRESULT STDMETHODCALLTYPE StandInEvents::Advise(IUnknown* sink, DWORD* cookie) {
  *cookie = 0;
  IDispatch* events = nullptr;
  if (!sink || FAILED(sink->QueryInterface(DIID_DWebBrowserEvents2, reinterpret_cast<void**>(&events))))
    return CONNECT_E_CANNOTCONNECT;
  owner_->sinks_.push_back(events);
  *cookie = static_cast<DWORD>(owner_->sinks_.size());
  standin::record("Advise " + std::to_string(*cookie));
  return S_OK;
}

HRESULT STDMETHODCALLTYPE StandInEvents::Unadvise(DWORD cookie) {
  standin::record("Unadvise " + std::to_string(cookie));
  if (cookie == 0 || cookie > owner_->sinks_.size() || !owner_->sinks_[cookie - 1]) return CONNECT_E_NOCONNECTION;
  IDispatch* sink = owner_->sinks_[cookie - 1];
  owner_->sinks_[cookie - 1] = nullptr;
  sink->Release();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE StandIn::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
  if (!IsEqualIID(iid, DIID_DWebBrowserEvents2)) {
    *point = nullptr;
    return CONNECT_E_NOCONNECTION;
  }
  *point = &events_;
  events_.AddRef();
  return S_OK;
}

int StandIn::advised() const {
  int n = 0;
  for (IDispatch* sink : sinks_) n += sink != nullptr;
  return n;
}

std::vector<HRESULT> StandIn::fire(DISPID id, std::vector<VARIANT> args) {
  std::vector<VARIANT> reversed(args.rbegin(), args.rend());
  DISPPARAMS params = {reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  AddRef();
  std::vector<IDispatch*> targets;
  for (IDispatch* sink : sinks_) {
    if (!sink) continue;
    sink->AddRef();
    targets.push_back(sink);
  }
  std::vector<HRESULT> results;
  for (IDispatch* sink : targets) {
    results.push_back(sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr,
                                   nullptr));
    sink->Release();
  }
  Release();
  return results;
}

namespace {
VARIANT by_ref(VARIANT* target) {
  VARIANT v;
  V_VT(&v) = VT_BYREF | VT_VARIANT;
  V_VARIANTREF(&v) = target;
  return v;
}

VARIANT of_bstr(BSTR text) {
  VARIANT v;
  V_VT(&v) = VT_BSTR;
  V_BSTR(&v) = text;
  return v;
}

VARIANT of_dispatch(IDispatch* object) {
  VARIANT v;
  V_VT(&v) = VT_DISPATCH;
  V_DISPATCH(&v) = object;
  return v;
}
} // namespace

bool StandIn::fire_before_navigate(const std::wstring& url, const std::wstring& headers,
                                   const std::string* post_data) {
  BSTR url_text = SysAllocString(url.c_str());
  BSTR headers_text = SysAllocString(headers.c_str());
  SAFEARRAY* bytes = nullptr;
  VARIANT post;
  V_VT(&post) = VT_EMPTY;
  if (post_data) {
    bytes = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(post_data->size()));
    void* data = nullptr;
    SafeArrayAccessData(bytes, &data);
    if (!post_data->empty()) memcpy(data, post_data->data(), post_data->size());
    SafeArrayUnaccessData(bytes);
    V_VT(&post) = VT_ARRAY | VT_UI1;
    V_ARRAY(&post) = bytes;
  }
  VARIANT url_value = of_bstr(url_text);
  VARIANT flags;
  V_VT(&flags) = VT_I4;
  V_I4(&flags) = 0;
  VARIANT frame = of_bstr(nullptr);
  VARIANT post_ref = by_ref(&post);
  VARIANT headers_value = of_bstr(headers_text);
  VARIANT_BOOL cancel = VARIANT_FALSE;
  VARIANT cancel_ref;
  V_VT(&cancel_ref) = VT_BYREF | VT_BOOL;
  V_BOOLREF(&cancel_ref) = &cancel;
  fire(DISPID_BEFORENAVIGATE2, {of_dispatch(static_cast<IWebBrowser2*>(this)), by_ref(&url_value),
                                by_ref(&flags), by_ref(&frame), by_ref(&post_ref), by_ref(&headers_value),
                                cancel_ref});
  SysFreeString(url_text);
  SysFreeString(headers_text);
  if (bytes) SafeArrayDestroy(bytes);
  return cancel != VARIANT_FALSE;
}

void StandIn::fire_navigate_complete(const std::wstring& url) {
  BSTR text = SysAllocString(url.c_str());
  VARIANT value = of_bstr(text);
  fire(DISPID_NAVIGATECOMPLETE2, {of_dispatch(static_cast<IWebBrowser2*>(this)), by_ref(&value)});
  SysFreeString(text);
}

void StandIn::fire_status_text(const std::wstring& text) {
  BSTR value = SysAllocString(text.c_str());
  fire(DISPID_STATUSTEXTCHANGE, {of_bstr(value)});
  SysFreeString(value);
}

void StandIn::fire_command_state(LONG command, bool enable) {
  VARIANT which;
  V_VT(&which) = VT_I4;
  V_I4(&which) = command;
  VARIANT on;
  V_VT(&on) = VT_BOOL;
  V_BOOL(&on) = enable ? VARIANT_TRUE : VARIANT_FALSE;
  fire(DISPID_COMMANDSTATECHANGE, {which, on});
}
