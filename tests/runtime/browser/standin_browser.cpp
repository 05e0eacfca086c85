// The stand-in control: its class factory, in-place activation in the host window, and the
// IWebBrowser2 calls the host makes, with navigations that load once the thread's messages are handled.
#include <algorithm>

#include "tests/runtime/browser/standin.h"

namespace {
StandInScript g_script;
std::vector<std::string> g_calls;
std::vector<StandIn*> g_live;
int g_made = 0;
DWORD g_cookie = 0;

constexpr UINT kLoaded = WM_APP + 1;

LRESULT CALLBACK loader_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != kLoaded) return DefWindowProcA(hwnd, message, wparam, lparam);
  if (auto* browser = reinterpret_cast<StandIn*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)))
    browser->complete_navigation();
  return 0;
}

HWND new_loader(StandIn* owner) {
  static const ATOM atom = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = loader_proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TolvaneStandInLoader";
    return RegisterClassA(&wc);
  }();
  HWND loader = CreateWindowExA(0, MAKEINTATOM(atom), "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  SetWindowLongPtrA(loader, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
  return loader;
}

class Factory final : public IClassFactory {
public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    bool ours = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory);
    *out = ours ? this : nullptr;
    return ours ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; } // static: no count
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    if (FAILED(g_script.creation_result)) return g_script.creation_result;
    StandIn* browser = new StandIn();
    HRESULT result = browser->QueryInterface(iid, out);
    browser->Release();
    return result;
  }
  HRESULT STDMETHODCALLTYPE LockServer(WINBOOL) override { return S_OK; }
};
Factory g_factory;
} // namespace

void standin::install() {
  g_script = StandInScript();
  g_calls.clear();
  g_made = 0;
  CoRegisterClassObject(CLSID_WebBrowser, &g_factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &g_cookie);
}

void standin::revoke() {
  if (g_cookie) CoRevokeClassObject(g_cookie);
  g_cookie = 0;
}

StandInScript& standin::script() { return g_script; }
std::vector<std::string>& standin::calls() { return g_calls; }
void standin::record(const std::string& call) { g_calls.push_back(call); }
int standin::count(const std::string& call) {
  return static_cast<int>(std::count(g_calls.begin(), g_calls.end(), call));
}
StandIn* standin::last() { return g_live.empty() ? nullptr : g_live.back(); }
int standin::alive() { return static_cast<int>(g_live.size()); }
int standin::made() { return g_made; }

std::string standin::narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) out += c < 128 ? static_cast<char>(c) : '?';
  return out;
}

StandIn::StandIn() {
  g_live.push_back(this);
  ++g_made;
  loader_ = new_loader(this);
}

StandIn::~StandIn() {
  DestroyWindow(loader_); // a navigation still loading is dropped with it
  for (IDispatch* sink : sinks_)
    if (sink) sink->Release();
  if (document_) document_->Release();
  if (in_place_) in_place_->Release();
  if (view_) DestroyWindow(view_);
  if (client_site_) client_site_->Release();
  g_live.erase(std::find(g_live.begin(), g_live.end(), this));
}

HRESULT STDMETHODCALLTYPE StandIn::QueryInterface(REFIID iid, void** out) {
  *out = nullptr;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleObject))
    *out = static_cast<IOleObject*>(this);
  else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceObject))
    *out = static_cast<IOleInPlaceObject*>(this);
  else if (IsEqualIID(iid, IID_IOleInPlaceActiveObject))
    *out = static_cast<IOleInPlaceActiveObject*>(this);
  else if (IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID_IWebBrowser) ||
           IsEqualIID(iid, IID_IWebBrowserApp) || IsEqualIID(iid, IID_IWebBrowser2))
    *out = static_cast<IWebBrowser2*>(this);
  else if (IsEqualIID(iid, IID_IPersist) || IsEqualIID(iid, IID_IPersistStorage))
    *out = static_cast<IPersistStorage*>(this);
  else if (IsEqualIID(iid, IID_IConnectionPointContainer))
    *out = static_cast<IConnectionPointContainer*>(this);
  else if (IsEqualIID(iid, IID_IConnectionPoint))
    *out = static_cast<IConnectionPoint*>(this);
  if (!*out) return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

ULONG STDMETHODCALLTYPE StandIn::Release() {
  LONG n = --refs_;
  if (n == 0) delete this;
  return n;
}

HRESULT STDMETHODCALLTYPE StandIn::SetClientSite(IOleClientSite* site) {
  standin::record(site ? "SetClientSite" : "SetClientSite null");
  if (site) site->AddRef();
  if (client_site_) client_site_->Release();
  client_site_ = site;
  return S_OK;
}

// In-place activation the way a control does it, through the container's in-place site.
HRESULT STDMETHODCALLTYPE StandIn::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent, LPCRECT rect) {
  standin::record("DoVerb " + std::to_string(verb) + " rect " + (rect ? rect_text(*rect) : "null"));
  if (FAILED(g_script.do_verb_result)) return g_script.do_verb_result;
  if (!site || in_place_ || !rect) return S_OK;
  if (FAILED(site->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&in_place_)))) return E_NOINTERFACE;
  if (in_place_->CanInPlaceActivate() != S_OK) return E_FAIL;
  in_place_->OnInPlaceActivate();
  RECT position{}, clip{};
  OLEINPLACEFRAMEINFO info{sizeof info, FALSE, nullptr, nullptr, 0};
  IOleInPlaceFrame* frame = nullptr;
  IOleInPlaceUIWindow* document = nullptr;
  if (SUCCEEDED(in_place_->GetWindowContext(&frame, &document, &position, &clip, &info)) && frame) frame->Release();
  view_ = CreateWindowExA(0, "STATIC", "stand-in", WS_CHILD | WS_VISIBLE, rect->left, rect->top,
                          rect->right - rect->left, rect->bottom - rect->top, parent, nullptr, nullptr, nullptr);
  in_place_->OnUIActivate();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE StandIn::Close(DWORD save_option) {
  standin::record("Close " + std::to_string(save_option));
  if (in_place_) {
    in_place_->OnUIDeactivate(FALSE);
    in_place_->OnInPlaceDeactivate();
    in_place_->Release();
    in_place_ = nullptr;
  }
  if (view_) DestroyWindow(view_);
  view_ = nullptr;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE StandIn::TranslateAccelerator(LPMSG message) {
  standin::record("TranslateAccelerator " + std::to_string(message->message) + " " +
                  std::to_string(message->wParam));
  return g_script.consumed_keys.count(static_cast<UINT>(message->wParam)) ? S_OK : S_FALSE;
}

HRESULT STDMETHODCALLTYPE StandIn::Navigate2(VARIANT* url, VARIANT* flags, VARIANT* frame, VARIANT* post_data,
                                             VARIANT* headers) {
  bool text = url && V_VT(url) == VT_BSTR;
  std::wstring target = text && V_BSTR(url) ? V_BSTR(url) : L"";
  bool extras = flags || frame || post_data || headers;
  standin::record("Navigate2 " + (text ? standin::narrow(target) : "(not a string)") +
                  (extras ? " with more arguments" : ""));
  if (!text) return E_INVALIDARG;
  if (fire_before_navigate(target, L"", nullptr)) return recorded("cancelled " + standin::narrow(target));
  if (document_) document_->Release(); // the new page replaces it
  document_ = nullptr;
  loading_ = target;
  PostMessageA(loader_, kLoaded, 0, 0);
  return S_OK;
}

void StandIn::complete_navigation() {
  AddRef(); // a Handler may let the host go while the event is raised
  if (!document_ && g_script.documents_load) document_ = static_cast<IDispatch*>(standin::new_document());
  fire_navigate_complete(loading_);
  Release();
}

HRESULT STDMETHODCALLTYPE StandIn::get_LocationName(BSTR* name) {
  *name = SysAllocString(g_script.location_name.c_str());
  return *name ? S_OK : E_OUTOFMEMORY;
}

