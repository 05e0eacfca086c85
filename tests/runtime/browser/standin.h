// A scripted stand-in for the system's web-browser control, registered for
// CLSID_WebBrowser in the test process so that the host's OleCreate makes it.
// It records every call it receives ("Navigate2 page.html") and raises
// DWebBrowserEvents2 events with the real control's argument layout.
#pragma once

#include <ole2.h>

#include <exdisp.h>
#include <exdispid.h>

#include <set>
#include <string>
#include <vector>

#include "tests/runtime/browser/standin_record.h"
#include "tests/runtime/browser/standin_unused.h"
#include "tests/support/screen.h"

// What the tests make the stand-in do.
struct StandInScript {
  std::wstring location_name = L"Stand-in page";
  std::set<UINT> consumed_keys;    // TranslateAccelerator gives S_OK for these
  bool documents_load = true;      // a navigation brings a document once messages are handled
  HRESULT do_verb_result = S_OK;
  HRESULT creation_result = S_OK;  // what the class factory answers
};

class StandIn;
namespace standin {
// Registers the class factory (COM must be initialised) and resets the script and the record.
void install();
void revoke();
StandInScript& script();
std::vector<std::string>& calls(); // every call received, in order
int count(const std::string& call);
int alive(); // stand-ins alive
int made();  // stand-ins made since install
StandIn* last(); // the newest stand-in still alive, or null
} // namespace standin

// The control is its own DWebBrowserEvents2 connection point.
class StandIn final : public IOleObject,
                      public IOleInPlaceObject,
                      public IOleInPlaceActiveObject,
                      public IWebBrowser2,
                      public IConnectionPointContainer,
                      public IConnectionPoint,
                      public IPersistStorage {
public:
  StandIn();
  ~StandIn();

  // BeforeNavigate2; true when the sink answered "cancel". No post data: VT_EMPTY.
  bool fire_before_navigate(const std::wstring& url, const std::wstring& headers, const std::string* post_data);
  void fire_navigate_complete(const std::wstring& url);
  void fire_status_text(const std::wstring& text);
  // Any event with the given arguments (declaration order).
  void fire(DISPID id, std::vector<VARIANT> args);

  HWND view() const { return view_; }
  void complete_navigation(); // the loader window's message: the page has loaded

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override;

  // IOleObject, IOleInPlaceObject, IOleInPlaceActiveObject
  HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) override;
  HRESULT STDMETHODCALLTYPE Close(DWORD save_option) override;
  HRESULT STDMETHODCALLTYPE DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG index, HWND parent,
                                   LPCRECT rect) override;
  HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD, DWORD* status) override {
    *status = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG message) override;

  // IWebBrowser2: what the host calls
  HRESULT STDMETHODCALLTYPE Refresh() override { return recorded("Refresh"); }
  HRESULT STDMETHODCALLTYPE get_Document(IDispatch** document) override {
    *document = document_;
    if (document_) document_->AddRef();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_LocationName(BSTR* name) override;
  HRESULT STDMETHODCALLTYPE Navigate2(VARIANT* url, VARIANT* flags, VARIANT* frame, VARIANT* post_data,
                                      VARIANT* headers) override;
  STANDIN_WEB_BROWSER_UNUSED

  // IConnectionPointContainer and IConnectionPoint
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;

  // IPersistStorage: OleCreate starts the control on its storage
  HRESULT STDMETHODCALLTYPE InitNew(IStorage* storage) override {
    return recorded(storage ? "InitNew" : "InitNew without a storage");
  }
  STANDIN_OLE_UNUSED

private:
  static HRESULT recorded(const std::string& call) {
    standin::record(call);
    return S_OK;
  }
  LONG refs_ = 1;
  IOleClientSite* client_site_ = nullptr;
  IOleInPlaceSite* in_place_ = nullptr;
  HWND view_ = nullptr;   // the control's window in the host
  HWND loader_ = nullptr; // message-only window that finishes navigations
  std::vector<IDispatch*> sinks_; // cookie = index + 1; null once unadvised
  IDispatch* document_ = nullptr; // the loaded page, or null while loading
  std::wstring loading_;
};
