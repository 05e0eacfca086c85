// Keys, size, printing and the page's name: operations on the control
// that each ask it for one interface.
#include <cstdlib>

#include "runtime/browser/browser_internal.h"

int32_t browser_translate_key(HWND window, const MSG* message) {
  if (!message || message->message != WM_KEYDOWN) return 0;
  IOleInPlaceActiveObject* active =
      control_query<IOleInPlaceActiveObject>(window, IID_IOleInPlaceActiveObject);
  if (!active) return 0;
  MSG copy = *message;
  HRESULT taken = active->TranslateAccelerator(&copy);
  active->Release();
  return taken == S_OK ? 1 : 0;
}

int32_t browser_resize(HWND window, int32_t width, int32_t height) {
  IWebBrowser2* web = control_web_browser(window);
  if (!web) return -1;
  web->put_Width(width);
  web->put_Height(height);
  web->Release();
  return 0;
}

int32_t browser_print(HWND window) {
  IWebBrowser2* web = control_web_browser(window);
  if (!web) return -1;
  web->ExecWB(OLECMDID_PRINT, OLECMDEXECOPT_DODEFAULT, nullptr, nullptr);
  web->Release();
  return 0;
}

int32_t browser_location_name(HWND window, char* buffer, int32_t size) {
  IWebBrowser2* web = control_web_browser(window);
  if (!web) return -1;
  BSTR name = nullptr;
  if (FAILED(web->get_LocationName(&name))) name = nullptr;
  char* ansi = bstr_to_ansi(name);
  copy_text_cut(buffer, size, ansi);
  std::free(ansi);
  sys_free_string(name);
  web->Release();
  return 0;
}
