// The stand-in's methods that the host never calls (E_NOTIMPL) or needs nothing of (S_OK).
#pragma once

#include <exdisp.h>

#define NOT_CALLED(method, ...) \
  HRESULT STDMETHODCALLTYPE method(__VA_ARGS__) override { return E_NOTIMPL; }
#define NOT_CALLED_PROPERTY(name, type) NOT_CALLED(get_##name, type*) NOT_CALLED(put_##name, type)
// Methods a control may be called with that need nothing of the stand-in.
#define QUIET(method, ...) \
  HRESULT STDMETHODCALLTYPE method(__VA_ARGS__) override { return S_OK; }

// IOleObject, IOleWindow, IOleInPlaceObject, IPersistStorage,
// IConnectionPointContainer and IConnectionPoint.
#define STANDIN_OLE_UNUSED                                                                                     \
  NOT_CALLED(GetClientSite, IOleClientSite**) NOT_CALLED(SetMoniker, DWORD, IMoniker*)                         \
  NOT_CALLED(GetMoniker, DWORD, DWORD, IMoniker**) NOT_CALLED(InitFromData, IDataObject*, WINBOOL, DWORD)      \
  NOT_CALLED(GetClipboardData, DWORD, IDataObject**) NOT_CALLED(EnumVerbs, IEnumOLEVERB**)                     \
  NOT_CALLED(Update) NOT_CALLED(IsUpToDate) NOT_CALLED(GetUserClassID, CLSID*)                                 \
  NOT_CALLED(GetUserType, DWORD, LPOLESTR*) NOT_CALLED(SetExtent, DWORD, SIZEL*)                               \
  NOT_CALLED(GetExtent, DWORD, SIZEL*) NOT_CALLED(Advise, IAdviseSink*, DWORD*)                                \
  NOT_CALLED(EnumAdvise, IEnumSTATDATA**) NOT_CALLED(SetColorScheme, LOGPALETTE*)                              \
  NOT_CALLED(ContextSensitiveHelp, WINBOOL) NOT_CALLED(ReactivateAndUndo) NOT_CALLED(Load, IStorage*)          \
  NOT_CALLED(Save, IStorage*, WINBOOL) NOT_CALLED(EnumConnectionPoints, IEnumConnectionPoints**)               \
  NOT_CALLED(EnumConnections, IEnumConnections**) NOT_CALLED(GetConnectionInterface, IID*)                   \
  NOT_CALLED(GetConnectionPointContainer, IConnectionPointContainer**) NOT_CALLED(IsDirty)                     \
  NOT_CALLED(GetWindow, HWND*) NOT_CALLED(GetClassID, CLSID*) QUIET(SetHostNames, LPCOLESTR, LPCOLESTR)        \
  QUIET(SetObjectRects, LPCRECT, LPCRECT) QUIET(InPlaceDeactivate) QUIET(UIDeactivate)                         \
  QUIET(OnFrameWindowActivate, WINBOOL) QUIET(OnDocWindowActivate, WINBOOL) QUIET(ResizeBorder, LPCRECT, IOleInPlaceUIWindow*, WINBOOL)              \
  QUIET(EnableModeless, WINBOOL) QUIET(SaveCompleted, IStorage*) QUIET(HandsOffStorage)

// IDispatch, IWebBrowser, IWebBrowserApp and IWebBrowser2.
#define STANDIN_WEB_BROWSER_UNUSED                                                                             \
  NOT_CALLED(GetTypeInfoCount, UINT*) NOT_CALLED(GetTypeInfo, UINT, LCID, ITypeInfo**)                         \
  NOT_CALLED(GetIDsOfNames, REFIID, LPOLESTR*, UINT, LCID, DISPID*)                                            \
  NOT_CALLED(Invoke, DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)                     \
  NOT_CALLED(Navigate, BSTR, VARIANT*, VARIANT*, VARIANT*, VARIANT*) NOT_CALLED(Refresh2, VARIANT*)            \
  NOT_CALLED(GoBack) NOT_CALLED(GoForward) NOT_CALLED(GoHome) NOT_CALLED(GoSearch) NOT_CALLED(Stop)            \
  NOT_CALLED(get_Application, IDispatch**) NOT_CALLED(get_Parent, IDispatch**)                                 \
  NOT_CALLED(get_Container, IDispatch**) NOT_CALLED(get_TopLevelContainer, VARIANT_BOOL*)                      \
  NOT_CALLED(get_Type, BSTR*) NOT_CALLED_PROPERTY(Left, LONG) NOT_CALLED_PROPERTY(Top, LONG)                  \
  NOT_CALLED_PROPERTY(Width, LONG) NOT_CALLED_PROPERTY(Height, LONG) NOT_CALLED(get_LocationURL, BSTR*)        \
  NOT_CALLED(get_Busy, VARIANT_BOOL*) NOT_CALLED(Quit) NOT_CALLED(ClientToWindow, int*, int*)                  \
  NOT_CALLED(PutProperty, BSTR, VARIANT) NOT_CALLED(GetProperty, BSTR, VARIANT*) NOT_CALLED(get_Name, BSTR*)   \
  NOT_CALLED(get_HWND, SHANDLE_PTR*) NOT_CALLED(get_FullName, BSTR*) NOT_CALLED(get_Path, BSTR*)               \
  NOT_CALLED_PROPERTY(Visible, VARIANT_BOOL) NOT_CALLED_PROPERTY(StatusBar, VARIANT_BOOL)                      \
  NOT_CALLED_PROPERTY(StatusText, BSTR) NOT_CALLED_PROPERTY(ToolBar, int)                                      \
  NOT_CALLED_PROPERTY(MenuBar, VARIANT_BOOL) NOT_CALLED_PROPERTY(FullScreen, VARIANT_BOOL)                     \
  NOT_CALLED(ExecWB, OLECMDID, OLECMDEXECOPT, VARIANT*, VARIANT*) NOT_CALLED(QueryStatusWB, OLECMDID, OLECMDF*) \
  NOT_CALLED(ShowBrowserBar, VARIANT*, VARIANT*, VARIANT*)                                                     \
  NOT_CALLED(get_ReadyState, READYSTATE*) NOT_CALLED_PROPERTY(Offline, VARIANT_BOOL)                           \
  NOT_CALLED_PROPERTY(Silent, VARIANT_BOOL) NOT_CALLED_PROPERTY(RegisterAsBrowser, VARIANT_BOOL)               \
  NOT_CALLED_PROPERTY(RegisterAsDropTarget, VARIANT_BOOL) NOT_CALLED_PROPERTY(TheaterMode, VARIANT_BOOL)       \
  NOT_CALLED_PROPERTY(AddressBar, VARIANT_BOOL) NOT_CALLED_PROPERTY(Resizable, VARIANT_BOOL)
