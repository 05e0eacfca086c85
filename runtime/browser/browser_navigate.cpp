// Sending the control to a page, and writing a page into it.
#include "runtime/browser/browser_internal.h"

#include <mshtml.h>

DWORD g_browser_document_wait_ms = BROWSER_DOCUMENT_WAIT_MS;

namespace {
// A VT_BSTR variant of the text; false when it could not be converted.
bool url_variant(VARIANT* url, const char* text) {
  variant_init(url);
  BSTR converted = ansi_to_bstr(text);
  if (!converted) return false;
  V_VT(url) = VT_BSTR;
  V_BSTR(url) = converted;
  return true;
}

// One pass over the thread's pending messages; false when it met WM_QUIT,
// which is put back for the program's own loop.
bool pump_pending() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return true;
}

// The control's document once it has one, with messages handled meanwhile;
// null when asking fails, the wait runs out, the program is quitting or a
// Handler closed the window meanwhile.
IDispatch* wait_for_document(HWND window, IWebBrowser2* web) {
  DWORD start = GetTickCount();
  for (;;) {
    if (!site_object_of(window)) return nullptr;
    IDispatch* document = nullptr;
    if (FAILED(web->get_Document(&document))) return nullptr;
    if (document) return document;
    if (GetTickCount() - start >= g_browser_document_wait_ms) return nullptr;
    if (!pump_pending()) {
      // A quit pending: one more look, no more waiting.
      if (FAILED(web->get_Document(&document))) return nullptr;
      return document;
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

// document.write of the text, then document.close. False when the text
// could not be converted.
bool write_document(IHTMLDocument2* document, const char* text) {
  SAFEARRAY* lines = safe_array_create_vector(VT_VARIANT, 0, 1);
  if (!lines) return false;
  bool converted = false;
  VARIANT* element = nullptr;
  if (SUCCEEDED(safe_array_access_data(lines, reinterpret_cast<void**>(&element)))) {
    V_BSTR(element) = ansi_to_bstr(text);
    if (V_BSTR(element)) {
      V_VT(element) = VT_BSTR;
      converted = true;
    }
    safe_array_unaccess_data(lines);
  }
  if (converted) {
    document->write(lines);
    document->close();
  }
  safe_array_destroy(lines); // clears the element and frees its string
  return converted;
}
} // namespace

int32_t browser_navigate(HWND window, const char* text) {
  if (!site_object_of(window)) return -4;
  IWebBrowser2* web = control_web_browser(window);
  if (!web) return -5;
  VARIANT url;
  if (!url_variant(&url, text)) {
    web->Release();
    return -6;
  }
  HRESULT went = web->Navigate2(&url, nullptr, nullptr, nullptr, nullptr);
  variant_clear(&url);
  web->Release();
  if (SUCCEEDED(went)) return 0;
  SendMessageA(window, EV_BROWSER_NAVIGATE_ERROR, 0, 0);
  return -7;
}

int32_t browser_write_html(HWND window, const char* text) {
  if (!site_object_of(window)) return -4;
  IWebBrowser2* web = control_web_browser(window);
  if (!web) return -1;
  // A control that cannot even start loading the blank page will bring no
  // document: no waiting for one then.
  IDispatch* document = nullptr;
  VARIANT blank;
  if (url_variant(&blank, "about:blank")) {
    if (SUCCEEDED(web->Navigate2(&blank, nullptr, nullptr, nullptr, nullptr))) document = wait_for_document(window, web);
    variant_clear(&blank);
  }
  int32_t result = -1;
  if (document) {
    IHTMLDocument2* html = nullptr;
    if (SUCCEEDED(document->QueryInterface(IID_IHTMLDocument2, reinterpret_cast<void**>(&html))) && html) {
      if (write_document(html, text)) result = 0;
      html->Release();
    }
    document->Release();
  }
  web->Release();
  return result;
}
