// A scripted stand-in for the system's web-browser control, registered for
// CLSID_WebBrowser in the test process, so that OleCreate of the host makes
// it. It answers the interfaces the host uses the way a working control
// does, records every call it receives, and raises DWebBrowserEvents2
// events through the advised sinks with the argument layout of the real
// control (values behind by-reference variants).
#pragma once

#include <ole2.h>

#include <exdisp.h>
#include <exdispid.h>
#include <mshtml.h>
#include <mshtmhst.h>

#include <set>
#include <string>
#include <vector>

#include "tests/runtime/browser/standin_unused.h"

// What the tests make the stand-in do.
struct StandInScript {
  std::wstring location_name = L"Stand-in page";
  std::set<UINT> consumed_keys;         // TranslateAccelerator gives S_OK for these
  bool documents_load = true;           // a navigation brings a document once messages are handled
  bool refuse_web_browser = false;      // no IWebBrowser2
  bool refuse_events = false;           // no IConnectionPointContainer
  HRESULT do_verb_result = S_OK;
  HRESULT creation_result = S_OK;       // what the class factory answers
};

class StandIn;

// The stand-in's DWebBrowserEvents2 connection point; it lives and dies
// with its stand-in.
class StandInEvents final : public IConnectionPoint {
public:
  explicit StandInEvents(StandIn* owner) : owner_(owner) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
  HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** container) override;
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }

private:
  StandIn* owner_;
};

class StandIn final : public IOleObject,
                      public IOleInPlaceObject,
                      public IOleInPlaceActiveObject,
                      public IWebBrowser2,
                      public IConnectionPointContainer,
                      public IPersistStorage {
public:
  StandIn();
  ~StandIn();

  // ---- Raising events (arguments as the real control passes them) ----
  // BeforeNavigate2; true when the sink answered "cancel". post_data null:
  // none (VT_EMPTY).
  bool fire_before_navigate(const std::wstring& url, const std::wstring& headers, const std::string* post_data);
  void fire_navigate_complete(const std::wstring& url);
  void fire_status_text(const std::wstring& text);
  void fire_command_state(LONG command, bool enable);
  // Any event with the given arguments (declaration order); the results of
  // the sinks' Invoke, one per sink.
  std::vector<HRESULT> fire(DISPID id, std::vector<VARIANT> args);

  int advised() const; // sinks held now
  HWND view() const { return view_; }
  RECT rect() const { return rect_; }
  IOleClientSite* client_site() const { return client_site_; }
  std::wstring container_name;

  // Called by the stand-in's own window when a navigation has loaded.
  void complete_navigation();

  // ---- IUnknown ----
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // ---- IOleObject ----
  HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) override;
  HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** site) override;
  HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR container, LPCOLESTR object) override;
  HRESULT STDMETHODCALLTYPE Close(DWORD save_option) override;
  HRESULT STDMETHODCALLTYPE SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE InitFromData(IDataObject*, WINBOOL, DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG index, HWND parent,
                                   LPCRECT rect) override;
  HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Update() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE IsUpToDate() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetUserType(DWORD, LPOLESTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Advise(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD, DWORD* status) override;
  HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

  // ---- IOleWindow, IOleInPlaceObject, IOleInPlaceActiveObject ----
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(WINBOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE InPlaceDeactivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE UIDeactivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT position, LPCRECT clip) override;
  HRESULT STDMETHODCALLTYPE ReactivateAndUndo() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG message) override;
  HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(WINBOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnDocWindowActivate(WINBOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, WINBOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE EnableModeless(WINBOOL) override { return S_OK; }

  // ---- IWebBrowser2: what the host calls ----
  HRESULT STDMETHODCALLTYPE GoBack() override;
  HRESULT STDMETHODCALLTYPE GoForward() override;
  HRESULT STDMETHODCALLTYPE GoHome() override;
  HRESULT STDMETHODCALLTYPE GoSearch() override;
  HRESULT STDMETHODCALLTYPE Refresh() override;
  HRESULT STDMETHODCALLTYPE Stop() override;
  HRESULT STDMETHODCALLTYPE get_Document(IDispatch** document) override;
  HRESULT STDMETHODCALLTYPE put_Left(LONG value) override;
  HRESULT STDMETHODCALLTYPE put_Top(LONG value) override;
  HRESULT STDMETHODCALLTYPE put_Width(LONG value) override;
  HRESULT STDMETHODCALLTYPE put_Height(LONG value) override;
  HRESULT STDMETHODCALLTYPE get_LocationName(BSTR* name) override;
  HRESULT STDMETHODCALLTYPE Navigate2(VARIANT* url, VARIANT* flags, VARIANT* frame, VARIANT* post_data,
                                      VARIANT* headers) override;
  HRESULT STDMETHODCALLTYPE ExecWB(OLECMDID command, OLECMDEXECOPT option, VARIANT* in, VARIANT* out) override;
  STANDIN_WEB_BROWSER_UNUSED

  // ---- IPersistStorage: OleCreate starts the control on its storage ----
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* id) override;
  HRESULT STDMETHODCALLTYPE IsDirty() override { return S_FALSE; }
  HRESULT STDMETHODCALLTYPE InitNew(IStorage* storage) override;
  HRESULT STDMETHODCALLTYPE Load(IStorage*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Save(IStorage*, WINBOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SaveCompleted(IStorage*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE HandsOffStorage() override { return S_OK; }

  // ---- IConnectionPointContainer ----
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

private:
  friend class StandInEvents;

  void navigate(const std::wstring& url, bool add_to_history);
  // Tells the host where the control now wants to be, as the real one does.
  void move_to(const RECT& r);

  LONG refs_ = 1;
  IOleClientSite* client_site_ = nullptr;
  IOleInPlaceSite* in_place_ = nullptr;
  IOleInPlaceFrame* frame_ = nullptr;
  HWND view_ = nullptr;    // the control's window in the host
  HWND loader_ = nullptr;  // message-only window that finishes navigations
  RECT rect_ = {0, 0, 0, 0};
  std::vector<IDispatch*> sinks_; // cookie = index + 1; null when unadvised
  StandInEvents events_{this};
  IDispatch* document_ = nullptr; // the loaded page, or null while loading
  std::vector<std::wstring> history_;
  size_t position_ = 0;
  std::wstring loading_;
};

namespace standin {
// Registers the stand-in's class factory for CLSID_WebBrowser (COM must be
// initialised on the thread) and resets the script and the log.
void install();
void revoke();
StandInScript& script();
// Every call received, in order, as short texts ("Navigate2 page.html").
std::vector<std::string>& calls();
int count(const std::string& call);
bool has_call_starting(const std::string& prefix);
StandIn* last();   // the newest stand-in still alive, or null
int alive();       // stand-ins alive
int documents();   // stand-in documents alive
int made();        // stand-ins made since install
void record(const std::string& call);
std::string narrow(const std::wstring& text);
std::wstring widen(const std::string& text);

// A document object answering IHTMLDocument2's write and close.
IDispatch* new_document();
} // namespace standin
